#include <gtest/gtest.h>

#include "core/paint/fill.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Filled32;
using testing::Pixels;

TEST(FillRect32, WritesColourInPixelOrderWithAlphaClippedToTheBitmap) {
  auto bitmap = Filled32(3, 2, 0x11111111);
  FillRect32(*bitmap, {-5, 1, 2, 9}, 0x00332211, 0x80);
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0x11111111, 0x11111111, 0x11111111,  //
                                                    0x80112233, 0x80112233, 0x11111111}));
}

TEST(FillRect32, ResolvesSystemColoursAndKeepsTheTopByteOutOfAlpha) {
  auto bitmap = Filled32(2, 1, 0);
  FillRect32(*bitmap, {0, 0, 1, 1}, 0xFF000005, 255);  // window: white
  FillRect32(*bitmap, {1, 0, 2, 1}, 0x1F000001, 0x40);
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0xFFFFFFFF, 0x40010000}));
}

TEST(FillFrame32, PaintsTheFourStripsAndLeavesTheInside) {
  auto bitmap = Filled32(5, 5, 0);
  FillFrame32(*bitmap, {0, 0, 5, 5}, 1, 2, 1, 1, 0x0000FF);
  const uint32_t o = 0, X = 0xFFFF0000;
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{X, X, X, X, X,  //
                                                    X, X, X, X, X,  //
                                                    X, o, o, o, X,  //
                                                    X, o, o, o, X,  //
                                                    X, X, X, X, X}));
  const auto strips = FrameStrips({10, 20, 30, 40}, 1, 2, 3, 4);
  EXPECT_EQ(strips[0], (TRect{10, 20, 30, 22}));  // top, full width
  EXPECT_EQ(strips[1], (TRect{10, 22, 11, 40}));  // left, below the top
  EXPECT_EQ(strips[2], (TRect{11, 36, 30, 40}));  // bottom, right of the left strip
  EXPECT_EQ(strips[3], (TRect{27, 22, 30, 36}));  // right, between top and bottom
}

}  // namespace
}  // namespace zelvan::paint
