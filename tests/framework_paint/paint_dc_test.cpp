#include "framework/graphics/paint_dc.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/paint/system_colors.h"
#include "framework/graphics/paint_platform_hooks.h"

namespace zelvan::framework {
namespace {

// A 5 x 5 top-down 32-bit DIB in a memory context, cleared to black.
class MemoryCanvas : public ::testing::Test {
 protected:
  void SetUp() override {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 5, -5, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    ASSERT_NE(bitmap_, nullptr);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
  }
  void TearDown() override {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
    paint::SetSystemColorResolver(nullptr);
  }
  std::vector<uint32_t> Pixels() {
    GdiFlush();
    std::vector<uint32_t> out;
    for (int i = 0; i < 25; ++i) out.push_back(bits_[i] & 0x00FFFFFF);
    return out;
  }

  HBITMAP bitmap_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

TEST_F(MemoryCanvas, FillRectByBrushFillsAndRestoresTheContext) {
  const HGDIOBJ brushBefore = GetCurrentObject(dc_, OBJ_BRUSH);
  FillRectByBrush(dc_, {1, 1, 3, 2}, 0x00336699);
  EXPECT_EQ(GetCurrentObject(dc_, OBJ_BRUSH), brushBefore);
  const std::vector<uint32_t> pixels = Pixels();
  EXPECT_EQ(pixels[6], 0x996633u);  // pixel order
  EXPECT_EQ(pixels[7], 0x996633u);
  EXPECT_EQ(pixels[8], 0u);
  EXPECT_EQ(pixels[11], 0u);
}

TEST_F(MemoryCanvas, SystemColoursComeFromThePlatformOnceHooked) {
  InstallPaintPlatformHooks();
  EXPECT_EQ(paint::ColorToRGB(0xFF000000u | COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
  FillRectByBrush(dc_, {0, 0, 1, 1}, 0xFF000000u | COLOR_HIGHLIGHT);
  const COLORREF expected = GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_EQ(Pixels()[0], (GetRValue(expected) << 16) | (GetGValue(expected) << 8) | GetBValue(expected));
}

TEST_F(MemoryCanvas, FillFrameByBrushPaintsFourStrips) {
  FillFrameByBrush(dc_, {0, 0, 5, 5}, 1, 2, 1, 1, 0x0000FF);
  const uint32_t o = 0, X = 0xFF0000;
  EXPECT_EQ(Pixels(), (std::vector<uint32_t>{X, X, X, X, X,  //
                                             X, X, X, X, X,  //
                                             X, o, o, o, X,  //
                                             X, o, o, o, X,  //
                                             X, X, X, X, X}));
}

}  // namespace
}  // namespace zelvan::framework
