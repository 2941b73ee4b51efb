#include <gtest/gtest.h>

#include "core/paint/disabled_look.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Pixels;

TEST(PaintDisabled, GrayedTurnsTheWholeBitmapGray) {
  auto bitmap = Bitmap32(2, 1, {0x80FF0000, 0x000000FF});
  PaintDisabled(*bitmap, dkGrayed, {{0, 0}, 0}, {0, 0, 1, 1}, {});
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0x80555555, 0x00555555}));
}

TEST(PaintDisabled, BlendedOverAReadyParentKeepsFortyPercentOfTheControl) {
  // Parent pixel behind control column c is parent column X + position + c = 2 + c.
  const auto parent = Bitmap32(4, 1, {0, 0, 0x00C8C8C8, 0x00FF00FF});
  auto bitmap = Bitmap32(2, 1, {0x33646464, 0x33646464});
  PaintDisabled(*bitmap, dkBlended, {{1, 0}, 0}, {0, 0, 2, 1}, {parent.get(), 1, 0, kKeyColor, true});
  // 200 - 0.4 * (200 - 100) = 160; the key pixel of the parent is skipped.
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0x33A0A0A0, 0x33646464}));
}

TEST(PaintDisabled, BlendedWithoutParentPictureGoesHalfwayToTheFillOrParentColour) {
  auto toFill = Bitmap32(1, 1, {0x00C8C8C8});
  PaintDisabled(*toFill, dkBlended, {{0, 0}, 0x00FFFFFF}, {0, 0, 0, 0}, {nullptr, 0, 0, 0x000000, false});
  EXPECT_EQ(Pixels(*toFill)[0], 0x00646464u);
  auto toParent = Bitmap32(1, 1, {0x00C8C8C8});
  PaintDisabled(*toParent, dkBlended | dkGrayed, {{0, 0}, 0x000000}, {0, 0, 0, 0}, {});
  EXPECT_EQ(Pixels(*toParent)[0], 0x00646464u);
}

}  // namespace
}  // namespace zelvan::paint
