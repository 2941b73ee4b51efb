#include "core/paint/button_glyph.h"

#include <gtest/gtest.h>

#include "core/image/bitmap32.h"
#include "tests/core/paint/bitmap_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Filled32;
using testing::Pixels;

struct PictureCase {
  int count, bits, state;
  bool enabled, down;
  int picture;
};

TEST(ClassicPictureIndex, FollowsTheStripAndTheState) {
  const PictureCase cases[] = {
      {3, 24, 3, true, false, 0},   // three pictures have no fourth look
      {4, 24, 3, true, false, 3},
      {2, 4, 1, true, false, 0},    // 4-bit strips have no hot picture
      {2, 8, 1, true, false, 1},
      {2, 24, 1, true, false, 1},
      {4, 24, 2, true, true, 3},    // pressed and Down
      {3, 24, 2, true, true, 1},
      {2, 24, 2, true, true, 1},
      {3, 24, 2, true, false, 2},
      {3, 4, 2, true, true, 0},
      {4, 24, 2, false, true, 0},   // disabled: always the first
      {4, 24, 0, true, false, 0},
      {1, 24, 2, true, true, 0},
      {0, 24, 3, true, false, 0},   // no pictures counts as one
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassicPictureIndex(c.count, c.bits, c.state, c.enabled, c.down), c.picture)
        << c.count << " pictures of " << c.bits << " bits, state " << c.state << (c.down ? " down" : "");
  }
}

TEST(AlphaPictureIndex, TakesTheStateUpToTheLastPicture) {
  const int cases[][3] = {{3, 3, 2}, {0, 3, 0}, {1, 3, 1}, {3, 4, 3}, {2, 1, 0}, {2, 0, 0}, {-1, 3, 0}};
  for (const auto& c : cases) EXPECT_EQ(AlphaPictureIndex(c[0], c[1]), c[2]) << c[0] << " of " << c[1];
}

// A 24-bit strip of `count` pictures 2 x 1, the first pixel of each picture
// its own colour, the second the see-through magenta... except the picture's
// bottom-left pixel is its first: so each picture's key is its colour and the
// other pixel shows. Pixels: colour c_i at x = 2i, 0x0000FF00 + i at 2i + 1.
std::unique_ptr<image::TWorkingBitmap> Strip24(int count, image::TPixelFormat format = image::TPixelFormat::pf24bit) {
  auto strip = std::make_unique<image::TWorkingBitmap>(2 * count, 1, format);
  uint8_t* row = strip->ScanLine(0);
  for (int i = 0; i < count; ++i) {
    uint8_t* key = row + 3 * (2 * i);
    key[0] = 0xFF, key[1] = 0x00, key[2] = 0xFF;  // magenta
    uint8_t* shown = key + 3;
    shown[0] = static_cast<uint8_t>(i), shown[1] = 0x80, shown[2] = 0x00;
  }
  return strip;
}

TEST(DrawClassicGlyph, CopiesThePictureOfTheStateWithoutItsKeyPixels) {
  const auto strip = Strip24(4);
  for (const auto& [state, down, picture] : {std::tuple{0, false, 0}, {1, false, 1}, {2, false, 2}, {2, true, 3}}) {
    auto target = Filled32(3, 1, 0x11111111);
    TClassicGlyph glyph;
    glyph.Count = 4, glyph.State = state, glyph.Down = down;
    DrawClassicGlyph(*strip, *target, {1, 0, 3, 1}, glyph);
    // Alpha is copied as it is: a classic copy has none.
    EXPECT_EQ(Pixels(*target), (std::vector<uint32_t>{0x11111111, 0x11111111, 0x00008000u + picture}))
        << "state " << state;
  }
}

TEST(DrawClassicGlyph, ASingleGlyphWithBlendKeepsItsShareOfColourAndSkipsItsKey) {
  // Bottom-left is the key: the left column of the lower row.
  auto strip = std::make_unique<image::TWorkingBitmap>(2, 2, image::TPixelFormat::pf24bit);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) {
      uint8_t* p = strip->ScanLine(y) + 3 * x;
      const bool key = x == 0;
      p[0] = key ? 0x40 : 0xC8, p[1] = key ? 0x20 : 0xC8, p[2] = key ? 0x10 : 0xC8;
    }
  TClassicGlyph glyph;
  glyph.Blend = 30;
  auto target = Filled32(2, 2, 0x80000000);
  DrawClassicGlyph(*strip, *target, {0, 0, 2, 2}, glyph);
  // 200 - 0.3 * 200 = 140 = 0x8C: 70 % of the colour over black; alpha kept.
  EXPECT_EQ(Pixels(*target), (std::vector<uint32_t>{0x80000000, 0x808C8C8C, 0x80000000, 0x808C8C8C}));

  glyph.State = 1;  // hot: copied opaque
  target = Filled32(2, 2, 0x80000000);
  DrawClassicGlyph(*strip, *target, {0, 0, 2, 2}, glyph);
  EXPECT_EQ(Pixels(*target), (std::vector<uint32_t>{0x80000000, 0xFFC8C8C8, 0x80000000, 0xFFC8C8C8}));

  glyph.State = 0, glyph.Enabled = false, glyph.Disabled = dgGrayed | dgBlended;
  target = Filled32(2, 2, 0x80000000);
  DrawClassicGlyph(*strip, *target, {0, 0, 2, 2}, glyph);
  EXPECT_EQ(Pixels(*target), (std::vector<uint32_t>{0x80000000, 0x80646464, 0x80000000, 0x80646464}));
}

TEST(DrawClassicGlyph, DisabledStripsShowTheFirstPictureFadedByBlend) {
  const auto strip = Strip24(3);
  TClassicGlyph glyph;
  glyph.Count = 3, glyph.Enabled = false, glyph.State = 2;
  auto target = Filled32(1, 1, 0);
  DrawClassicGlyph(*strip, *target, {-1, 0, 1, 1}, glyph);
  EXPECT_EQ(Pixels(*target), (std::vector<uint32_t>{0x00008000}));

  glyph.State = 0, glyph.Blend = 50;
  target = Filled32(2, 1, 0xFF000000);
  DrawClassicGlyph(*strip, *target, {0, 0, 2, 1}, glyph);
  EXPECT_EQ(Pixels(*target), (std::vector<uint32_t>{0xFF000000, 0xFF004000}));
}

TEST(FadeAlpha, KeepsTheShareOfAlphaLeftByBlend) {
  auto bitmap = testing::Bitmap32(3, 1, {0xFF102030, 0x80102030, 0x00102030});
  FadeAlpha(*bitmap, 30);
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0xB2102030, 0x59102030, 0x00102030}));
}

std::vector<std::pair<int, int>> Points(const std::vector<TPoint>& pixels) {
  std::vector<std::pair<int, int>> out;
  for (const TPoint& p : pixels) out.emplace_back(p.X, p.Y);
  return out;
}

TEST(SmallArrowPixels, DownArrowIsEightWideAndFourHighCentred) {
  const auto pixels = Points(SmallArrowPixels({0, 0, 16, 16}, 8));
  std::vector<std::pair<int, int>> expected;
  // x0 = (16 - 6) div 2 - 1 = 4, y0 = (16 - 3) div 2 - 1 = 5.
  for (int i = 0; i < 4; ++i)
    for (int x = 4 + i; x <= 11 - i; ++x) expected.emplace_back(x, 5 + i);
  EXPECT_EQ(pixels, expected);
  EXPECT_EQ(pixels.front(), (std::pair{4, 5}));
  EXPECT_EQ(pixels[pixels.size() - 2], (std::pair{7, 8}));
  EXPECT_EQ(pixels.back(), (std::pair{8, 8}));
}

TEST(SmallArrowPixels, RightArrowIsFourWideAndSevenHigh) {
  const auto pixels = Points(SmallArrowPixels({10, 20, 17, 30}, 4));
  // x0 = 10 + (7 - 3) div 2 = 12, y0 = 20 + (10 - 6) div 2 = 22.
  std::vector<std::pair<int, int>> expected;
  for (int i = 0; i < 4; ++i)
    for (int y = 22 + i; y <= 28 - i; ++y) expected.emplace_back(12 + i, y);
  EXPECT_EQ(pixels, expected);
  EXPECT_EQ(pixels.size(), 16u);
  EXPECT_TRUE(SmallArrowPixels({0, 0, 16, 16}, 2).empty());
}

}  // namespace
}  // namespace zelvan::paint
