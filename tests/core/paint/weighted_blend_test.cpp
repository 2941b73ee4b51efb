#include <gtest/gtest.h>

#include "core/paint/weighted_blend.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Pixels;

// Picture row over mask row, as skin images hold them.
std::unique_ptr<image::TWorkingBitmap> PictureAndMask() {
  return Bitmap32(2, 2, {0x00000000, 0x000032FA,  //
                         0x00FFFFFF, 0x008000FF});
}

TEST(BlendByMask, KeepsMaskOver256OfTheDestination) {
  const auto source = PictureAndMask();
  auto destination = Bitmap32(2, 1, {0x00FFFFFF, 0x33C8640A});
  BlendByMask(*destination, {0, 0}, *source, {0, 0, 2, 1}, {0, 1});
  // M = 255 over D = 255, S = 0 gives 254. Second pixel per channel:
  // R (200 - 0) * 128 >> 8 = 100; G M = 0 gives S = 50;
  // B ((10 - 250) * 255 + 250 * 256) >> 8 = 2800 >> 8 = 10.
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0x00FEFEFE, 0x3364320A}));
}

TEST(BlendByMask, ReadyCacheInfoMakesWrittenPixelsOpaque) {
  const auto source = PictureAndMask();
  auto destination = Bitmap32(2, 1, {0x00FFFFFF, 0x33C8640A});
  TCacheInfo ready;
  ready.Ready = true;
  BlendByMask(*destination, {0, 0}, *source, {0, 0, 2, 1}, {0, 1}, &ready);
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0xFFFEFEFE, 0xFF64320A}));
}

TEST(BlendByMask, NegativeDestinationCutsThePictureAndItsMaskAlike) {
  const auto source = PictureAndMask();
  auto destination = Bitmap32(2, 1, {0x33C8640A, 0x12345678});
  BlendByMask(*destination, {-1, 0}, *source, {0, 0, 2, 1}, {0, 1});
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0x3364320A, 0x12345678}));
  // A mask block reaching below the source is cut too: nothing is left here.
  BlendByMask(*destination, {0, 0}, *source, {0, 0, 2, 1}, {0, 2});
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0x3364320A, 0x12345678}));
}

TEST(BlendBitmaps, BlendsSameSizedBitmapsOnly) {
  auto destination = Bitmap32(2, 1, {0x11C80000, 0x22000064});
  const auto source = Bitmap32(2, 1, {0xEE000000, 0xEE0000FF});
  BlendBitmaps(*destination, *source, 255);
  // 200 * 255 >> 8 = 199; (100 - 255) * 255 + 255 * 256 = 25755 >> 8 = 100; alpha kept.
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0x11C70000, 0x22000064}));
  const auto wider = Bitmap32(3, 1, {});
  BlendBitmaps(*destination, *wider, 0);
  EXPECT_EQ(Pixels(*destination)[0], 0x11C70000u);
}

TEST(BlendBitmapAt, BlendsTheClippedSourceRectAtThePoint) {
  auto destination = Bitmap32(3, 1, {0x00646464, 0x00646464, 0x00646464});
  const auto source = Bitmap32(2, 1, {0x00C9C9C9, 0x00000000});
  BlendBitmapAt(*destination, *source, 128, {2, 0}, {0, 0, 2, 1});
  // ((100 - 201) * 128 + 201 * 256) >> 8 = 38528 >> 8 = 150 (a division by 255 would give 151).
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0x00646464, 0x00646464, 0x00969696}));
}

TEST(BlendColorByMask, BlendsTowardTheColourByTheMaskChannels) {
  auto destination = Bitmap32(2, 1, {0x00000000, 0x7FFFFFFF});
  const auto mask = Bitmap32(2, 1, {0x00000000, 0x00FF8000});
  BlendColorByMask(*destination, *mask, 0x0000FF);  // red, in colour order
  // M = 0 gives the colour; G: (255 * 128) >> 8 = 127; B: M 0 gives 0.
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0x00FF0000, 0x7FFF7F00}));
  BlendColorByMask(*destination, *Bitmap32(1, 1, {}), 0);
  EXPECT_EQ(Pixels(*destination)[0], 0x00FF0000u);
}

TEST(CrossFade, WeighsAllFourBytesByWeightOrByTheWeightBitmap) {
  const auto first = Bitmap32(1, 1, {0x80FF6400});
  const auto second = Bitmap32(1, 1, {0x00000000});
  auto result = Bitmap32(1, 1, {0x12345678});
  CrossFade(*result, *first, *second, 255);
  EXPECT_EQ(Pixels(*result)[0], 0x7FFE6300u);
  const auto weights = Bitmap32(1, 1, {0x00FF8000});
  CrossFade(*result, *first, *second, 255, weights.get());
  EXPECT_EQ(Pixels(*result)[0], 0x00FE3200u);  // A k 0, R k 255, G (100 * 128) >> 8, B k 0

  const auto other = Bitmap32(2, 1, {});
  CrossFade(*result, *first, *other, 0);
  EXPECT_EQ(Pixels(*result)[0], 0x00FE3200u);
}

}  // namespace
}  // namespace zelvan::paint
