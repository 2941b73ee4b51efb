#include <gtest/gtest.h>

#include "core/paint/color_tone.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Filled32;
using testing::Pixels;

TEST(BlendRectWithColor, IncludesRightAndBottomClampedToTheBitmapAndRoundsHalfToEven) {
  auto bitmap = Filled32(3, 3, 0x80050301);
  BlendRectWithColor(*bitmap, {1, 1, 5, 5}, 50, 0x000000);
  const uint32_t o = 0x80050301, b = 0x80020200;  // 2.5 -> 2, 1.5 -> 2, 0.5 -> 0
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{o, o, o, o, b, b, o, b, b}));

  auto single = Filled32(2, 2, 0x00646464);
  BlendRectWithColor(*single, {1, 0, 1, 0}, 30, 0x00C8C8C8);  // 0.3 * 100 + 0.7 * 200 = 170
  EXPECT_EQ(Pixels(*single), (std::vector<uint32_t>{0x00646464, 0x00AAAAAA, 0x00646464, 0x00646464}));
}

TEST(FadeRectToColor, MovesByPercentOfTheDistanceAndSetsAlpha) {
  auto bitmap = Bitmap32(2, 2, {0x00C80B09, 0x00C80B09, 0x00C80B09, 0x00C80B09});
  FadeRectToColor(*bitmap, {1, 0, 9, 1}, 0x000000, 0x7F, 50);
  // 200 -> 100, 11 -> 5.5 -> 6, 9 -> 4.5 -> 4; only the half-open rect inside the bitmap.
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0x00C80B09, 0x7F640604, 0x00C80B09, 0x00C80B09}));
  FadeRectToColor(*bitmap, {0, 1, 1, 2}, 0x640000, 0xFF, 30);  // blue toward 100: 9 - 30 * (9 - 100) / 100 = 36.3
  EXPECT_EQ(Pixels(*bitmap)[2], 0xFF8C0824u);                 // 200 -> 140, 11 -> 7.7 -> 8
}

TEST(BlendBitmapWithColor, KeepsTheShareXOfEveryPixelButTheKey) {
  auto bitmap = Bitmap32(3, 1, {0x40000001, 0x00FF00FF, 0x01FF00FF});
  BlendBitmapWithColor(*bitmap, 0x00FFFFFF, 0.5);
  // 0.5 * (0 - 255) + 255 = 127.5 -> 128; 0.5 * (1 - 255) + 255 = 128.
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0x40808080, 0x00FF00FF, 0x01FF80FF}));
}

}  // namespace
}  // namespace zelvan::paint
