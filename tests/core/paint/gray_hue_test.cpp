#include <gtest/gtest.h>

#include "core/paint/gray.h"
#include "core/paint/hue_saturation.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Pixels;

TEST(MakeGray, AveragesTheChannelsByIntegerDivisionAndKeepsAlpha) {
  auto bitmap = Bitmap32(2, 1, {0x80FF0102, 0x00FF00FF});
  MakeGray(*bitmap);
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0x80565656, 0x00AAAAAA}));  // 258 div 3, 510 div 3
}

TEST(MakeGrayExceptKey, LeavesPixelsEqualToTheKeyAsAWhole) {
  auto bitmap = Bitmap32(3, 1, {0x00FF00FF, 0x01FF00FF, 0x00030000});
  MakeGrayExceptKey(*bitmap, 0x00FF00FF);
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0x00FF00FF, 0x01AAAAAA, 0x00010101}));
}

TEST(ChangeHue, RotatesThroughTheSectorsRoundingHalfToEven) {
  const struct {
    int offset;
    uint32_t pixel, expected;
  } cases[] = {
      {120, 0x80FF0000, 0x8000FF00},  // red to green, alpha kept
      {60, 0x00FF0000, 0x00FFFF00},   // red to yellow
      {30, 0x00FD0000, 0x00FD7E00},   // t = 253 * 0.5 = 126.5 -> 126
      {120, 0x00FF00FF, 0x00FFFF00},  // magenta (300) + 120 wraps to 60
      {-120, 0x00FF0000, 0x000000FF}, // red turned backwards is blue (240), not magenta
      {-420, 0x0000FF00, 0x00FFFF00}, // green (120) - 420 = -300, the same hue as 60: yellow
      {45, 0x00808080, 0x00808080},   // grays, black and white stay
      {45, 0x00000000, 0x00000000},
      {45, 0xFFFFFFFF, 0xFFFFFFFF},
  };
  for (const auto& c : cases) EXPECT_EQ(ChangeHue(c.offset, c.pixel), c.expected) << std::hex << c.pixel;
}

TEST(ChangeSaturation, PushesAwayFromOrTowardGray) {
  const struct {
    int amount;
    uint32_t pixel, expected;
  } cases[] = {
      {-100, 0x40FF0000, 0x40555555},  // gray at the average, alpha kept
      {-100, 0x000A141F, 0x00141414},  // avg 20.33 -> 20
      {50, 0x00010203, 0x00000204},    // 0.5 -> 0, 3.5 -> 4
      {100, 0x00FA0000, 0x00FF0000},   // clamped to 0..255
      {100, 0x00808080, 0x00808080},
  };
  for (const auto& c : cases) EXPECT_EQ(ChangeSaturation(c.amount, c.pixel), c.expected) << std::hex << c.pixel;
}

TEST(ChangeColorHueAndSaturation, WorkInColourOrderAndIgnoreZero) {
  EXPECT_EQ(ChangeColorHue(0x000000FF, 120), 0x0000FF00u);
  EXPECT_EQ(ChangeColorHue(0x00FF0000, 120), 0x000000FFu);  // blue to red
  EXPECT_EQ(ChangeColorSaturation(0x000000FF, -100), 0x00555555u);
  EXPECT_EQ(ChangeColorHue(0xFF00000F, 0), 0xFF00000Fu);
  EXPECT_EQ(ChangeColorSaturation(0xFF00000F, 0), 0xFF00000Fu);
}

TEST(ChangeBitmapHue, SkipsKeyAndGrayPixels) {
  auto bitmap = Bitmap32(4, 1, {0x00FF0000, 0x00FF00FF, 0x00777777, 0x01FF00FF});
  ChangeBitmapHue(bitmap.get(), 120);
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0x0000FF00, 0x00FF00FF, 0x00777777, 0x01FFFF00}));
  ChangeBitmapSaturation(bitmap.get(), -100);
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0x00555555, 0x00FF00FF, 0x00777777, 0x01AAAAAA}));
  ChangeBitmapHue(nullptr, 120);
  ChangeBitmapSaturation(nullptr, 50);
}

}  // namespace
}  // namespace zelvan::paint
