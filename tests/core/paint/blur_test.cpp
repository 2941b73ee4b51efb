#include <gtest/gtest.h>

#include <cstring>

#include "core/paint/blur.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Plane;
using testing::Plane8;

TEST(BlurGray8, UniformAreasKeepTheirLevel) {
  for (const double radius : {0.3, 1.0, 2.5, 7.0, 40.0}) {
    for (const uint8_t level : {uint8_t{255}, uint8_t{77}}) {
      image::TWorkingBitmap plane(9, 7, image::TPixelFormat::pf8bit);
      for (int y = 0; y < 7; ++y) std::memset(plane.ScanLine(y), level, 9);
      BlurGray8(plane, radius);
      EXPECT_EQ(Plane8(plane), std::vector<uint8_t>(63, level)) << "radius " << radius;
    }
  }
}

TEST(BlurGray8, SpreadsADotOverTheTrimmedKernel) {
  // Radius 1 keeps taps -2..2: exp(-2), exp(-0.5), 1 normalised to
  // 0.05449, 0.24420, 0.40262; results are truncated.
  auto plane = Plane(7, 1, {0, 0, 0, 255, 0, 0, 0});
  BlurGray8(*plane, 1.0);
  EXPECT_EQ(Plane8(*plane), (std::vector<uint8_t>{0, 13, 62, 102, 62, 13, 0}));
}

TEST(BlurGray8, RepeatsEdgeSamples) {
  auto plane = Plane(3, 1, {255, 0, 0});
  BlurGray8(*plane, 1.0);
  // Left: 255 * (0.05449 + 0.24420 + 0.40262); middle: 255 * (0.05449 + 0.24420).
  EXPECT_EQ(Plane8(*plane), (std::vector<uint8_t>{178, 76, 13}));
}

TEST(BlurGray8, IgnoresOtherFormatsAndNonPositiveRadii) {
  auto plane = Plane(3, 1, {0, 255, 0});
  BlurGray8(*plane, 0.0);
  BlurGray8(*plane, -2.0);
  EXPECT_EQ(Plane8(*plane), (std::vector<uint8_t>{0, 255, 0}));
  auto bitmap = testing::Bitmap32(3, 1, {0, 0xFFFFFFFF, 0});
  BlurGray8(*bitmap, 1.0);
  EXPECT_EQ(testing::Pixels(*bitmap), (std::vector<uint32_t>{0, 0xFFFFFFFF, 0}));
}

}  // namespace
}  // namespace zelvan::paint
