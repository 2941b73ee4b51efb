#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/image/jpeg_image.h"
#include "core/paint/texture.h"
#include "tests/core/paint/bitmap_fixture.h"
#include "tests/core/paint/image_part_fixture.h"
#include "tests/core/store/skin_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Bitmap32;
using testing::Filled32;
using testing::Pixels;
using testing::SkinParts;

constexpr uint32_t K = kKeyPixel;

// Tile pixel (x, y) of the 3 x 2 texture: opaque and distinct.
constexpr uint32_t T(int x, int y) { return 0xFF000001u + static_cast<uint32_t>(0x10 * y + x); }

std::unique_ptr<image::TWorkingBitmap> Texture3x2() { return Bitmap32(3, 2, {T(0, 0), T(1, 0), T(2, 0), T(0, 1), T(1, 1), T(2, 1)}); }

struct ModeCase {
  const char* name;
  int mode;
  TRect covered;   // what the texture paints
  TRect returned;  // the rect handed back
};

class FillTextureModes : public ::testing::TestWithParam<ModeCase> {};

// The rect {1, 1, 9, 8} (8 x 7) of a 10 x 9 canvas.
TEST_P(FillTextureModes, PaintOneBandAndHandBackTheRest) {
  const ModeCase& c = GetParam();
  SkinParts parts;
  const store::TsMaskData part = parts.Part(Texture3x2(), 1, 0);
  auto canvas = Filled32(10, 9, 0);
  TRect rect{1, 1, 9, 8};
  FillTexture(*canvas, rect, nullptr, c.mode, part);
  EXPECT_EQ(rect, c.returned);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool inside = x >= c.covered.Left && x < c.covered.Right && y >= c.covered.Top && y < c.covered.Bottom;
      EXPECT_EQ(canvas->Row32(y)[x] != 0, inside) << x << ", " << y;
    }
}

constexpr int kCovered = kRectCovered;
INSTANTIATE_TEST_SUITE_P(Cases, FillTextureModes,
                         ::testing::Values(ModeCase{"tile", 0, {1, 1, 9, 8}, {1, 1, kCovered, 8}},
                                           ModeCase{"stretch", 1, {1, 1, 9, 8}, {1, 1, kCovered, 8}},
                                           ModeCase{"top_row", 2, {1, 1, 9, 3}, {1, 3, 9, 8}},
                                           ModeCase{"left_column", 3, {1, 1, 4, 8}, {4, 1, 9, 8}},
                                           ModeCase{"stretched_top_row", 4, {1, 1, 9, 3}, {1, 3, 9, 8}},
                                           ModeCase{"stretched_left_column", 5, {1, 1, 4, 8}, {4, 1, 9, 8}},
                                           ModeCase{"bottom_row", 6, {1, 6, 9, 8}, {1, 1, 9, 6}},
                                           ModeCase{"right_column", 7, {6, 1, 9, 8}, {1, 1, 6, 8}},
                                           ModeCase{"unknown_mode_is_right_column", 8, {6, 1, 9, 8}, {1, 1, 6, 8}},
                                           // 7 rows hold 3 whole rows of 2; the last row stays.
                                           ModeCase{"whole_rows", 10, {1, 1, 9, 7}, {1, 1, kCovered, 8}}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(FillTexture, TilesFromTheBandCornerAndStretchesByNearestPixel) {
  SkinParts parts;
  const store::TsMaskData part = parts.Part(Texture3x2(), 1, 0);
  auto row = [&](int mode, int y) {
    auto canvas = Filled32(10, 9, 0);
    TRect rect{1, 1, 9, 8};
    FillTexture(*canvas, rect, nullptr, mode, part);
    return std::vector<uint32_t>(canvas->Row32(y) + 1, canvas->Row32(y) + 9);
  };
  const std::vector<uint32_t> tiledRow0{T(0, 0), T(1, 0), T(2, 0), T(0, 0), T(1, 0), T(2, 0), T(0, 0), T(1, 0)};
  EXPECT_EQ(row(0, 1), tiledRow0);
  EXPECT_EQ(row(6, 6), tiledRow0);  // the bottom row starts two rows above the rect's bottom
  EXPECT_EQ(row(0, 7), (std::vector<uint32_t>{T(0, 0), T(1, 0), T(2, 0), T(0, 0), T(1, 0), T(2, 0), T(0, 0), T(1, 0)}));
  EXPECT_EQ(row(1, 4), (std::vector<uint32_t>{T(0, 1), T(0, 1), T(0, 1), T(1, 1), T(1, 1), T(2, 1), T(2, 1), T(2, 1)}));
}

TEST(FillTexture, TopRowOfATenHighTextureHandsBackRowsTenToForty) {
  SkinParts parts;
  const store::TsMaskData part = parts.Part(Filled32(2, 10, 0xFF0000AA), 1, 0);
  auto canvas = Filled32(5, 40, 0);
  TRect rect{0, 0, 5, 40};
  FillTexture(*canvas, rect, nullptr, 2, part);
  EXPECT_EQ(rect, (TRect{0, 10, 5, 40}));
  EXPECT_EQ(canvas->Row32(9)[4], 0xFF0000AAu);
  EXPECT_EQ(canvas->Row32(10)[0], 0u);
}

TEST(FillTexture, APatternCoversTheRectAndAPartWithoutManagerNothing) {
  SkinParts parts;
  store::TsMaskData part = parts.Part(Texture3x2(), 1, 0);
  part.Manager = nullptr;
  const auto pattern = Bitmap32(2, 1, {5, 6});
  auto canvas = Filled32(4, 1, 0);
  TRect rect{1, 0, 4, 1};
  FillTexture(*canvas, rect, pattern.get(), 0, part);
  EXPECT_EQ(Pixels(*canvas), (std::vector<uint32_t>{0, 5, 6, 5}));
  EXPECT_EQ(rect.Right, kRectCovered);

  const image::TWorkingBitmap empty(0, 0);
  TRect untouched{0, 0, 4, 1};
  FillTexture(*canvas, untouched, &empty, 0, part);
  EXPECT_EQ(untouched, (TRect{0, 0, 4, 1}));
  EXPECT_EQ(Pixels(*canvas), (std::vector<uint32_t>{0, 5, 6, 5}));
}

// A 2 x 2 tile [K, A; A, A] over a mask of 0 in a 5 x 3 bitmap of D0; the
// parent's picture P(x, y) lies at the same place.
struct MaskedCase {
  const char* name;
  int mode;
  bool ready;
  std::vector<uint32_t> expected;
  TRect returned;
};

class FillMaskedTextureModes : public ::testing::TestWithParam<MaskedCase> {};

constexpr uint32_t A = 0xFF0000A0, D0 = 0x11223344;
constexpr uint32_t P(int x, int y) { return 0x80000000u + static_cast<uint32_t>(0x10 * y + x); }

TEST_P(FillMaskedTextureModes, TileWholeTilesAndFillFromTheParent) {
  const MaskedCase& c = GetParam();
  SkinParts parts;
  const store::TsMaskData part = parts.Part(Bitmap32(2, 4, {K, A, A, A, 0, 0, 0, 0}), 1, 1);
  auto parent = image::CreateBmp32(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) parent->Row32(y)[x] = P(x, y);
  auto bitmap = Filled32(5, 3, D0);
  TRect rect{0, 0, 5, 3};
  FillMaskedTexture(*bitmap, rect, {parent.get(), 0, 0, 0x00332211, c.ready}, c.mode, part);
  EXPECT_EQ(Pixels(*bitmap), c.expected);
  EXPECT_EQ(rect, c.returned);
}

constexpr uint32_t F = 0x00112233;   // FillColor for a key pixel: pixel order, all four bytes
constexpr uint32_t Fs = 0xFF112233;  // a strip filled with FillColor
constexpr uint32_t a = 0x110000A0;   // A blended without Ready: the destination's alpha
const TRect kHandedNothing{0, 0, kRectCovered, 3};
INSTANTIATE_TEST_SUITE_P(
    Cases, FillMaskedTextureModes,
    ::testing::Values(MaskedCase{"rows_of_whole_height_with_the_parent",
                                 0,
                                 true,
                                 {P(0, 0), A, P(2, 0), A, P(4, 0), A, A, A, A, A, D0, D0, D0, D0, D0},
                                 kHandedNothing},
                      MaskedCase{"rows_of_whole_height_with_fill_color",
                                 0,
                                 false,
                                 {F, a, F, a, F, a, a, a, a, a, D0, D0, D0, D0, D0},
                                 kHandedNothing},
                      MaskedCase{"whole_tiles_then_strips_from_the_parent",
                                 10,
                                 true,
                                 {P(0, 0), A, P(2, 0), A, P(4, 0), A, A, A, A, P(4, 1), P(0, 2), P(1, 2), P(2, 2),
                                  P(3, 2), P(4, 2)},
                                 kHandedNothing},
                      MaskedCase{"whole_tiles_then_strips_of_fill_color",
                                 10,
                                 false,
                                 {F, a, F, a, Fs, a, a, a, a, Fs, Fs, Fs, Fs, Fs, Fs},
                                 kHandedNothing},
                      MaskedCase{"other_modes_paint_nothing", 3, true, std::vector<uint32_t>(15, D0), {0, 0, 5, 3}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TilePattern, JpegPatternsAreExpandedAndTiledInsideTheRectOnly) {
  const image::TJpegImage jpeg = image::ReadJpegHeader(store::testing::SolidJpeg(3, 2, 0x808080));
  const uint32_t color = image::GetPixel32(*image::DecodeJpeg(jpeg), 0, 0);
  auto canvas = Filled32(6, 5, 0);
  EXPECT_TRUE(TilePattern(*canvas, {1, 1, 5, 4}, jpeg));
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(canvas->Row32(y)[x], x >= 1 && x < 5 && y >= 1 && y < 4 ? color : 0u) << x << ", " << y;

  image::TJpegImage damaged = jpeg;
  damaged.Data.resize(damaged.Data.size() / 3);
  auto untouched = Filled32(6, 5, 0);
  EXPECT_FALSE(TilePattern(*untouched, {0, 0, 6, 5}, damaged));
  EXPECT_EQ(Pixels(*untouched), std::vector<uint32_t>(30, 0u));
}

}  // namespace
}  // namespace zelvan::paint
