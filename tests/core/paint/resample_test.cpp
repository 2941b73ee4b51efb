#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <stdexcept>

#include "core/paint/resample.h"
#include "core/simd/cpu_features.h"
#include "tests/core/paint/bitmap_fixture.h"
#include "tests/core/simd_levels.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Pixels;

// Two identical rows of [0, 255] in the blue channel, widened to 4 columns.
std::vector<uint32_t> WidenedRow(TFilterKind kind) {
  const auto source = Bitmap32(2, 2, {0xFF000000, 0xFF0000FF, 0xFF000000, 0xFF0000FF});
  std::unique_ptr<image::TWorkingBitmap> destination;
  Resample(*source, destination, 4, kind, 2);
  EXPECT_EQ(destination->Width(), 4);
  EXPECT_EQ(destination->Height(), 2);
  const auto pixels = Pixels(*destination);
  return {pixels.begin(), pixels.begin() + 4};
}

TEST(Resample, FiltersWithSixteenBitWeightsAndMirroredEdges) {
  // Centres 0, 0.5, 1, 1.5. Triangle: halves at 0.5 give 255 * 32768 >> 16 = 127.
  // Mitchell taps: at 0: 8/9 and 1/18 (58254, 3641 to sample 1 twice) -> 28;
  // at 0.5: 35044 each side and -2276 twice mirrored onto sample 1 -> 118;
  // at 1: 3641 + 58254 + 3641 -> 240; at 1.5: 70088 on sample 1 saturates to 255.
  const struct {
    TFilterKind kind;
    std::vector<uint32_t> row;
  } cases[] = {
      {TFilterKind::fkTriangle, {0xFF000000, 0xFF00007F, 0xFF0000FF, 0xFF0000FF}},
      {TFilterKind::fkHermite, {0xFF000000, 0xFF00007F, 0xFF0000FF, 0xFF0000FF}},
      {TFilterKind::fkMitchell, {0xFF00001C, 0xFF000076, 0xFF0000F0, 0xFF0000FF}},
  };
  for (const auto& c : cases) EXPECT_EQ(WidenedRow(c.kind), c.row) << static_cast<int>(c.kind);
}

TEST(Resample, ShrinksWithTheFilterWidenedByTheScale) {
  // 4 -> 2 columns with the triangle: scale 0.5, taps at distance 0 (32768),
  // 1 (16384 each side, the left one mirrored): out 0 = (2 * 16384 * v1 + 32768 * v0) >> 16.
  const auto source = Bitmap32(4, 2, {0xFF000000, 0xFF000064, 0xFF0000C8, 0xFF0000FF,  //
                                      0xFF000000, 0xFF000064, 0xFF0000C8, 0xFF0000FF});
  std::unique_ptr<image::TWorkingBitmap> destination;
  Resample(*source, destination, 2, TFilterKind::fkTriangle, 1);
  ASSERT_EQ(destination->Width(), 2);
  ASSERT_EQ(destination->Height(), 1);
  // Column 0: (2 * 16384 * 100) >> 16 = 50. Column 1 (centre 2): (16384 * (100 + 255) + 32768 * 200) >> 16 = 188.
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0xFF000032, 0xFF0000BC}));
}

TEST(Resample, RefusesSourcesBelowTwoByTwo) {
  const auto thin = Bitmap32(1, 5, {});
  std::unique_ptr<image::TWorkingBitmap> destination;
  try {
    Resample(*thin, destination, 4, TFilterKind::fkMitchell, 4);
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Source bitmap is too small");
  }
  EXPECT_THROW(Resample(*Bitmap32(5, 1, {}), destination, 4, TFilterKind::fkMitchell, 0), std::runtime_error);
  EXPECT_EQ(destination, nullptr);
}

TEST(Resample, SameSizeCopiesAndZeroHeightDoesNothing) {
  const auto source = Bitmap32(2, 2, {1, 2, 3, 4});
  std::unique_ptr<image::TWorkingBitmap> destination;
  Resample(*source, destination, 5, TFilterKind::fkMitchell, 0);
  EXPECT_EQ(destination, nullptr);
  Resample(*source, destination, 2, TFilterKind::fkMitchell, 2);
  ASSERT_NE(destination, nullptr);
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{1, 2, 3, 4}));
}

TEST(Resample, ProcessesOtherFormatsAsThreeChannels) {
  image::TWorkingBitmap source(2, 2, image::TPixelFormat::pf8bit);  // gray ramp palette
  for (int y = 0; y < 2; ++y) {
    source.ScanLine(y)[0] = 0;
    source.ScanLine(y)[1] = 200;
  }
  std::unique_ptr<image::TWorkingBitmap> destination;
  Resample(source, destination, 3, TFilterKind::fkTriangle, 2);
  ASSERT_EQ(destination->PixelFormat(), image::TPixelFormat::pf24bit);
  // Centre 2/3 of the way: weights 21845 and 43691 -> (43691 * 200) >> 16 = 133.
  const uint8_t* row = destination->ScanLine(1);
  EXPECT_EQ(row[3], 133);
  EXPECT_EQ(row[4], 133);
  EXPECT_EQ(row[5], 133);
}

// Every filter, up and down, 32- and 24-bit, on noise at random sizes with
// destination widths 1 to 67: each vector level gives the plain loops' bytes,
// also on the second call, which reuses the kept weights.
TEST(Resample, EveryVectorPathMatchesThePlainLoops) {
  std::mt19937 random(17);
  for (int width = 1; width <= 67; ++width) {
    const int sourceWidth = 2 + static_cast<int>(random() % 40), sourceHeight = 2 + static_cast<int>(random() % 30);
    const int height = 1 + static_cast<int>(random() % 50);
    const auto format = width % 3 == 0 ? image::TPixelFormat::pf24bit : image::TPixelFormat::pf32bit;
    image::TWorkingBitmap source(sourceWidth, sourceHeight, format);
    for (int y = 0; y < sourceHeight; ++y)
      for (size_t i = 0; i < source.Stride(); ++i) source.ScanLine(y)[i] = static_cast<uint8_t>(random() % 3 ? random() : 255 * (random() % 2));
    const auto kind = static_cast<TFilterKind>(width % 7);
    std::unique_ptr<image::TWorkingBitmap> expected;
    {
      const simd::TCapScope plain(simd::TLevel::kPlain);
      Resample(source, expected, width, kind, height);
    }
    for (simd::TLevel level : zelvan::testing::VectorLevels()) {
      const simd::TCapScope cap(level);
      for (int call = 0; call < 2; ++call) {
        std::unique_ptr<image::TWorkingBitmap> actual;
        Resample(source, actual, width, kind, height);
        ASSERT_EQ(actual->PixelFormat(), expected->PixelFormat());
        for (int y = 0; y < height; ++y)
          ASSERT_EQ(0, std::memcmp(actual->ScanLine(y), expected->ScanLine(y), actual->Stride()))
              << sourceWidth << "x" << sourceHeight << " to " << width << "x" << height << ", kind "
              << static_cast<int>(kind) << ", level " << static_cast<int>(level) << ", row " << y;
      }
    }
  }
}

}  // namespace
}  // namespace zelvan::paint
