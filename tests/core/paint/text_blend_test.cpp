#include <gtest/gtest.h>

#include "core/paint/text_blend.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Pixels;
using testing::Plane;

TEST(BlendTextMask, LaysTheColourThroughTheMaskChannelsWhereTheMaskIsNotWhite) {
  auto target = Bitmap32(4, 1, {0x00102030, 0x11405060, 0x22FFFFFF, 0x33808080});
  // Black, white, white with an alpha byte (still white), and R 255 G 128 B 0.
  const auto mask = Bitmap32(4, 1, {0x00000000, 0x00FFFFFF, 0xFFFFFFFF, 0x00FF8000});
  BlendTextMask(*target, {0, 0}, *mask, 0x0000FF);  // red, in colour order
  // Last pixel: R ((128 - 255) * 255 + 255 * 256) >> 8 = 128; G (128 * 128) >> 8 = 64; B mask 0 gives 0.
  EXPECT_EQ(Pixels(*target), (std::vector<uint32_t>{0xFFFF0000, 0x11405060, 0x22FFFFFF, 0xFF804000}));
}

TEST(BlendTextMask, ResolvesSystemColoursAndClipsBothWays) {
  auto target = Bitmap32(2, 1, {0x00000000, 0x00000000});
  const auto mask = Bitmap32(3, 1, {0x00FFFFFF, 0x00000000, 0x00000000});
  // The mask's first column hangs off the left edge, its last off the right.
  BlendTextMask(*target, {-1, 0}, *mask, 0xFF000002);  // active caption, classic (10, 36, 106)
  EXPECT_EQ(Pixels(*target), (std::vector<uint32_t>{0xFF0A246A, 0xFF0A246A}));
  auto untouched = Bitmap32(2, 1, {0x12345678, 0x12345678});
  BlendTextMask(*untouched, {0, -1}, *mask, 0);
  BlendTextMask(*untouched, {2, 0}, *mask, 0);
  EXPECT_EQ(Pixels(*untouched), (std::vector<uint32_t>{0x12345678, 0x12345678}));
}

TEST(BlendGlow, MovesTowardTheGlowColourByTheInverseOfThePlane) {
  auto target = Bitmap32(4, 1, {0x00646464, 0x80C8C8C8, 0x10101010, 0xFF000000});
  const auto glow = Plane(4, 1, {0, 255, 128, 51});
  BlendGlow(*target, {0, 0}, *glow, 0x00FF00);  // green
  // Third pixel: G 255 + 128 * (16 - 255) div 255 = 255 - 119 (truncated toward zero);
  // R, B 128 * 16 div 255 = 8; A 16 + 127 * 239 div 255 = 135.
  EXPECT_EQ(Pixels(*target), (std::vector<uint32_t>{0xFF00FF00, 0x80C8C8C8, 0x87088808, 0xFF00CC00}));
}

TEST(BlendGlow, ClipsToTheTargetAndTakesOnlyEightBitPlanes) {
  auto target = Bitmap32(2, 2, {});
  const auto glow = Plane(2, 2, {0, 0, 0, 0});
  BlendGlow(*target, {1, 1}, *glow, 0xFF000002);
  EXPECT_EQ(Pixels(*target), (std::vector<uint32_t>{0, 0, 0, 0xFF0A246A}));
  const auto wide = Bitmap32(2, 2, {});
  BlendGlow(*target, {0, 0}, *wide, 0x00FF00);
  EXPECT_EQ(Pixels(*target)[0], 0u);
}

}  // namespace
}  // namespace zelvan::paint
