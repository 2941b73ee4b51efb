#include <gtest/gtest.h>

#include "core/paint/alpha_channel.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Pixels;
using testing::Plane8;

TEST(SetRectAlpha, SetsAlphaInTheRectAndCanSkipKeyPixels) {
  const std::initializer_list<uint32_t> start = {0x00123456, 0x00FF00FF, 0x01FF00FF, 0x00123456};
  auto skipping = Bitmap32(4, 1, start);
  SetRectAlpha(*skipping, {0, 0, 3, 1}, 0xC0, true);
  EXPECT_EQ(Pixels(*skipping), (std::vector<uint32_t>{0xC0123456, 0x00FF00FF, 0xC0FF00FF, 0x00123456}));
  auto all = Bitmap32(4, 1, start);
  SetRectAlpha(*all, {-1, -1, 9, 9}, 0xC0, false);
  EXPECT_EQ(Pixels(*all)[1], 0xC0FF00FFu);
  EXPECT_EQ(Pixels(*all)[3], 0xC0123456u);
}

TEST(PremultiplyAlpha, ScalesColourByAlphaShr8) {
  auto bitmap = Bitmap32(3, 1, {0x80FF4001, 0x00FFFFFF, 0xFFFFFFFF});
  PremultiplyAlpha(*bitmap);
  // 255 * 128 >> 8 = 127, 64 * 128 >> 8 = 32, 1 * 128 >> 8 = 0; alpha 255 keeps 255/256.
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0x807F2000, 0x00000000, 0xFFFEFEFE}));

  auto partial = Bitmap32(2, 1, {0x80FF4001, 0x80FF4001});
  PremultiplyAlpha(*partial, {1, 0, 5, 1});
  EXPECT_EQ(Pixels(*partial), (std::vector<uint32_t>{0x80FF4001, 0x807F2000}));
}

TEST(CopyChannel, MovesOneBytePlaneBothWays) {
  auto bitmap = Bitmap32(2, 2, {0x11223344, 0x55667788, 0x99AABBCC, 0xDDEEFF00});
  image::TWorkingBitmap plane(2, 2, image::TPixelFormat::pf8bit);
  CopyChannel(*bitmap, plane, 3, TChannelCopy::ToPlane);
  EXPECT_EQ(Plane8(plane), (std::vector<uint8_t>{0x11, 0x55, 0x99, 0xDD}));
  CopyChannel(*bitmap, plane, 0, TChannelCopy::FromPlane);
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0x11223311, 0x55667755, 0x99AABB99, 0xDDEEFFDD}));

  image::TWorkingBitmap wide(2, 2, image::TPixelFormat::pf24bit);
  CopyChannel(*bitmap, wide, 1, TChannelCopy::FromPlane);  // not an 8-bit plane: nothing
  EXPECT_EQ(Pixels(*bitmap)[0], 0x11223311u);
}

}  // namespace
}  // namespace zelvan::paint
