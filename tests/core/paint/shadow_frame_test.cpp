#include "core/paint/shadow_frame.h"

#include <gtest/gtest.h>

#include "bitmap_fixture.h"
#include "core/image/bitmap32.h"
#include "core/paint/pixel.h"

namespace zelvan::paint {
namespace {

using testing::Filled32;

// A 5 x 5 template of black whose alpha names the pixel (10 y + x + 1); its
// top-left pixel is red at half alpha, to see the premultiplication.
std::unique_ptr<image::TWorkingBitmap> Template() {
  auto t = image::CreateBmp32(5, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) image::SetPixel32(*t, x, y, MakePixel(0, 0, 0, 10 * y + x + 1));
  image::SetPixel32(*t, 0, 0, MakePixel(200, 0, 0, 128));
  return t;
}

uint32_t Source(int x, int y) { return MakePixel(0, 0, 0, 10 * y + x + 1); }

TEST(ShadowFrame, CornersStayEdgesStretchAndTheFormsRectIsClear) {
  auto target = Filled32(9, 7, 0xFFFFFFFF);  // what was there before must go
  const TRect hole{3, 2, 6, 5};
  PaintShadowFrame(*target, *Template(), {2, 2, 2, 2}, hole);
  // Columns 0-1 and 7-8 are the template's 0-1 and 3-4, the middle ones its
  // column 2; rows likewise.
  const auto from = [](int d, int length) { return d < 2 ? d : d >= length - 2 ? d - (length - 5) : 2; };
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 9; ++x) {
      const bool inHole = x >= hole.Left && x < hole.Right && y >= hole.Top && y < hole.Bottom;
      const uint32_t expected = inHole ? 0 : (x == 0 && y == 0) ? MakePixel(100, 0, 0, 128) : Source(from(x, 9), from(y, 7));
      EXPECT_EQ(image::GetPixel32(*target, x, y), expected) << x << "," << y;
    }
  }
}

TEST(ShadowFrame, SlicesWiderThanTheWindowShrinkAndOddTemplatesLeaveItClear) {
  auto small = Filled32(3, 3, 0xFFFFFFFF);
  PaintShadowFrame(*small, *Template(), {2, 2, 2, 2}, {});
  // One near column and row, two far ones (the far side takes the odd pixel).
  EXPECT_EQ(image::GetPixel32(*small, 0, 0), MakePixel(100, 0, 0, 128));
  EXPECT_EQ(image::GetPixel32(*small, 1, 1), Source(3, 3));
  EXPECT_EQ(image::GetPixel32(*small, 2, 2), Source(4, 4));

  auto target = Filled32(4, 4, 0xFFFFFFFF);
  image::TWorkingBitmap plane(5, 5, image::TPixelFormat::pf8bit);
  PaintShadowFrame(*target, plane, {2, 2, 2, 2}, {});
  for (uint32_t p : testing::Pixels(*target)) EXPECT_EQ(p, 0u);
}

}  // namespace
}  // namespace zelvan::paint
