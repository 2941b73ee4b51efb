#include "framework/graphics/triangle_gradient_fill.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/image/bitmap32.h"
#include "core/paint/gradient_paint.h"
#include "framework/graphics/paint_platform_hooks.h"

namespace zelvan::framework {
namespace {

class TriangleGradient : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(PlatformHasGradientFill());
    InstallPaintPlatformHooks();
  }
  void TearDown() override { paint::SetTriangleGradientFill(nullptr); }
};

TEST_F(TriangleGradient, OnePiecePaintsTheWholeRectInItsFirstColour) {
  auto bitmap = image::CreateBmp32(12, 10);
  paint::PaintGradient(*bitmap, {2, 1, 10, 9}, {{0x00336699, 0x00FFFFFF, 100, 2, 0}});
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 2 && x < 10 && y >= 1 && y < 9;
      EXPECT_EQ(image::GetPixel32(*bitmap, x, y), inside ? 0xFF996633u : 0u) << x << "," << y;
    }
}

int Distance(uint32_t a, uint32_t b) {
  int d = 0;
  for (int shift = 0; shift < 24; shift += 8)
    d = std::max(d, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
  return d;
}

TEST_F(TriangleGradient, CornersAndCentreTakeTheirPiecesColours) {
  auto bitmap = image::CreateBmp32(41, 41);
  // Vertex 0 (top left) red, 1 (centre) green, 2 (top right) blue, 3 and 4 repeat blue.
  paint::PaintGradient(*bitmap, {0, 0, 41, 41},
                       {{0x000000FF, 0, 0, 2, 0}, {0x0000FF00, 0, 0, 0, 0}, {0x00FF0000, 0, 0, 0, 0}});
  EXPECT_LE(Distance(image::GetPixel32(*bitmap, 0, 0), 0xFF0000), 16);
  EXPECT_LE(Distance(image::GetPixel32(*bitmap, 20, 20), 0x00FF00), 16);
  EXPECT_LE(Distance(image::GetPixel32(*bitmap, 40, 0), 0x0000FF), 16);
  EXPECT_LE(Distance(image::GetPixel32(*bitmap, 0, 40), 0x0000FF), 16);
  EXPECT_EQ(image::GetPixel32(*bitmap, 5, 30) >> 24, 0xFFu);
}

}  // namespace
}  // namespace zelvan::framework
