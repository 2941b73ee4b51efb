#include <gtest/gtest.h>

#include "core/paint/alpha_blend.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Filled32;
using testing::Pixels;

constexpr uint32_t K = kKeyPixel;
constexpr uint32_t kOpaqueBlue = 0xFF0000FF;
constexpr uint32_t kBlueOverBlack = 0xFF0000FE;  // 255 * 255 >> 8; alpha 0 + 255 * 255 div 255

TEST(AlphaBlendOver, BlendsBySourceAlphaAndRaisesDestinationAlpha) {
  auto destination = Bitmap32(2, 1, {0x40000080, 0x40000080});
  const auto source = Bitmap32(2, 1, {0x80FF0000, 0x00FFFFFF});
  AlphaBlendOver({0, 0, 2, 1}, {0, 0, 2, 1}, *destination, false, {}, *source);
  // R 255 * 128 >> 8 = 127; B ((0 - 128) * 128 + 128 * 256) >> 8 = 64;
  // alpha 64 + 128 * 191 div 255 = 64 + 95. A zero alpha changes nothing.
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0x9F7F0040, 0x40000080}));
}

TEST(AlphaBlendOver, NegativeCoordinatesShiftBothRects) {
  auto destination = Bitmap32(2, 1, {0, 0});
  const auto source = Bitmap32(3, 1, {kOpaqueBlue, 0x80FF0000, kOpaqueBlue});
  AlphaBlendOver({-1, 0, 1, 1}, {0, 0, 2, 1}, *destination, false, {}, *source);
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0x807F0000, 0}));
}

struct KeyCase {
  const char* name;
  bool ready, fillKey;
  int parentX, parentY;
  std::vector<uint32_t> expected;
};

class AlphaBlendOverKeys : public ::testing::TestWithParam<KeyCase> {};

// Source row [key, blue, key, blue] over black; the parent is 2 x 2.
TEST_P(AlphaBlendOverKeys, FollowTheParentPixelRules) {
  const KeyCase& c = GetParam();
  const auto parent = Bitmap32(2, 2, {0x000A0B0C, 0x001A1B1C, 0x002A2B2C, 0x003A3B3C});
  TCacheInfo info{parent.get(), c.parentX, c.parentY, kKeyColor, c.ready};
  auto destination = Filled32(4, 1, 0);
  const auto source = Bitmap32(4, 1, {K, kOpaqueBlue, K, kOpaqueBlue});
  AlphaBlendOver({0, 0, 4, 1}, {0, 0, 4, 1}, *destination, c.fillKey, info, *source);
  EXPECT_EQ(Pixels(*destination), c.expected);
}

const uint32_t B = kBlueOverBlack;
INSTANTIATE_TEST_SUITE_P(
    Cases, AlphaBlendOverKeys,
    ::testing::Values(
        // Parent columns 0, 1, 2: column 2 is beyond the parent's right edge and ends the row.
        KeyCase{"inside_then_past_right_edge", true, true, 0, 0, {0xFF0A0B0C, B, 0, 0}},
        KeyCase{"row_below_parent_skips_key_pixels", true, true, 0, 2, {0, B, 0, B}},
        KeyCase{"row_above_parent_ends_the_row", true, true, 0, -1, {0, 0, 0, 0}},
        KeyCase{"column_left_of_parent_skips", true, true, -2, 1, {0, B, 0xFF2A2B2C, B}},
        KeyCase{"key_skipped_without_fill_flag", true, false, 0, 0, {0, B, 0, B}},
        KeyCase{"no_key_test_when_not_ready", false, true, 0, 0, {0, B, 0, B}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(DrawAlphaImage, BlendPercentZeroTakesTheLargerAlpha) {
  auto destination = Bitmap32(1, 1, {0x40000080});
  const auto source = Bitmap32(1, 1, {0x80FF0000});
  DrawAlphaImage({0, 0, 1, 1}, {0, 0, 1, 1}, *destination, false, 0, kNoColorValue, false, {}, *source);
  EXPECT_EQ(Pixels(*destination)[0], 0x807F0040u);
}

TEST(DrawAlphaImage, BlendPercentFadesTheSourceAndKeepsDestinationAlpha) {
  auto destination = Bitmap32(1, 1, {0x40000080});
  const auto source = Bitmap32(1, 1, {0x80FF0000});
  DrawAlphaImage({0, 0, 1, 1}, {0, 0, 1, 1}, *destination, false, 50, kNoColorValue, false, {}, *source);
  // k = 50 * 128 div 100 = 64: R 255 * 64 >> 8 = 63; B (-128 * 64 + 128 * 256) >> 8 = 96.
  EXPECT_EQ(Pixels(*destination)[0], 0x403F0060u);
}

TEST(DrawAlphaImage, TintGraysTheSourceThenScalesByTheTintChannels) {
  auto destination = Bitmap32(1, 1, {0});
  const auto source = Bitmap32(1, 1, {0xFF306090});
  DrawAlphaImage({0, 0, 1, 1}, {0, 0, 1, 1}, *destination, false, 0, 0x000080FF, false, {}, *source);
  // g = (48 + 96 + 144) div 3 = 96; tinted R 96, G Round(96 * 128 / 255) = 48, B 0; then * 255 >> 8.
  EXPECT_EQ(Pixels(*destination)[0], 0xFF5F2F00u);
}

TEST(DrawAlphaImage, KeyPixelsTakeTheParentWhenReady) {
  const auto parent = Bitmap32(1, 1, {0x00123456});
  auto destination = Bitmap32(2, 1, {0, 0});
  const auto source = Bitmap32(2, 1, {K, K});
  DrawAlphaImage({0, 0, 2, 1}, {0, 0, 2, 1}, *destination, false, 0, kNoColorValue, true,
                 {parent.get(), 0, 0, kKeyColor, true}, *source);
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{0xFF123456, 0}));
}

TEST(DrawAlphaImage, ReflectionFadesTheLowerHalfBelowAGap) {
  auto destination = Filled32(1, 10, 0);
  const auto source = Filled32(1, 6, kOpaqueBlue);
  DrawAlphaImage({0, 0, 1, 6}, {0, 0, 1, 6}, *destination, true, 40, kNoColorValue, false, {}, *source);
  // Image: k = 60 * 255 div 100 = 153, 255 * 153 >> 8 = 152. Reflection rows 7 and 8
  // (n = min(6 div 2 - 1, 10 - 6 - 1) = 2): M = 60 * 255 div 300 = 51, then
  // 51 * 170 div 255 = 34 after the fade drops by 255 div 3.
  const uint32_t I = 0x00000098;
  EXPECT_EQ(Pixels(*destination), (std::vector<uint32_t>{I, I, I, I, I, I, 0, 0x32, 0x21, 0}));
}

}  // namespace
}  // namespace zelvan::paint
