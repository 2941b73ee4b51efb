#include <gtest/gtest.h>

#include "core/paint/fade_progress.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Filled32;
using testing::Pixels;

// Frames a fade makes from here on, as the fade timer steps it.
int FramesLeft(TFadeProgress fade) {
  int frames = 0;
  for (; fade.InRange() && frames < 1000; ++fade.FadeLevel) ++frames;
  return frames;
}

struct StartCase {
  const char* what;
  TFadeDirection before;
  int levelBefore, iterationsBefore;
  int fadingIterations;
  bool half;
  int frames;
};

TEST(FadeProgress, FrameCounts) {
  const StartCase cases[] = {
      {"a fresh fade of 10", fdNone, 1, 0, 10, false, 10},
      {"a press or release: half", fdNone, 1, 0, 10, true, 5},
      {"half of an odd count", fdNone, 1, 0, 7, true, 3},
      {"reversed after 4 of 10 up", fdUp, 5, 10, 10, false, 4},
      {"reversed after 4 of 10 down", fdDown, 5, 10, 10, false, 6},
      {"reversed after 4, half", fdUp, 5, 10, 10, true, 2},
      {"reversed before any frame", fdUp, 1, 10, 10, false, 1},
      {"reversed once finished", fdUp, 11, 10, 10, false, 10},
      {"no iterations in the skin", fdNone, 1, 0, 0, false, 1},
      {"one iteration, half", fdNone, 1, 0, 1, true, 1},
  };
  for (const auto& c : cases) {
    TFadeProgress fade;
    fade.Direction = c.before;
    fade.FadeLevel = c.levelBefore;
    fade.Iterations = c.iterationsBefore;
    fade.Start(c.fadingIterations, c.half, fdUp);
    EXPECT_EQ(FramesLeft(fade), c.frames) << c.what;
    EXPECT_EQ(fade.FadeLevel, 1) << c.what;
    EXPECT_EQ(fade.Direction, fdUp) << c.what;
  }
}

TEST(FadeProgress, WeightsClimbToTheNewPictureExactly) {
  TFadeProgress fade;
  fade.Start(4, false, fdUp);
  std::vector<int> weights;
  for (; fade.InRange(); ++fade.FadeLevel) weights.push_back(fade.Weight());
  EXPECT_EQ(weights, (std::vector<int>{63, 127, 191, 255}));
}

TEST(FadeProgress, LastFrameIsTheNewPictureByteForByte) {
  const auto from = Bitmap32(2, 1, {0xFF102030, 0x80FFFFFF});
  const auto to = Bitmap32(2, 1, {0x00A0B0C0, 0xFF000001});
  auto frame = Filled32(2, 1, 0);
  MakeFadeFrame(*frame, *from, *to, 255);
  EXPECT_EQ(Pixels(*frame), Pixels(*to));
  // Halfway: from keeps 127/256 of each byte, e.g. blue (0x30 - 0xC0) * 127 + 0xC0 * 256 >> 8 = 0x78.
  MakeFadeFrame(*frame, *from, *to, 128);
  EXPECT_EQ(Pixels(*frame)[0], 0x7E586878u);
}

TEST(FadeProgress, PicturesOfDifferentSizesLeaveTheFrame) {
  const auto from = Filled32(2, 2, 0xFF000000);
  const auto to = Filled32(3, 2, 0xFFFFFFFF);
  auto frame = Filled32(2, 2, 0x12345678);
  MakeFadeFrame(*frame, *from, *to, 255);
  EXPECT_EQ(Pixels(*frame), std::vector<uint32_t>(4, 0x12345678));
}

}  // namespace
}  // namespace zelvan::paint
