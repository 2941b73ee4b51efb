#include "core/image/list_picture.h"

#include <gtest/gtest.h>

#include "core/image/bitmap32.h"
#include "tests/core/paint/bitmap_fixture.h"
#include "tools/common/png_writer.h"

namespace zelvan::image {
namespace {

using paint::testing::Bitmap32;
using paint::testing::Pixels;

// An RGB picture w x h: the bottom-left pixel and every pixel of its colour
// (the left column) dark blue, the rest orange.
std::vector<uint8_t> RgbPng(int width, int height) {
  png::PngRecipe recipe;
  recipe.width = width, recipe.height = height, recipe.colorType = 2;
  for (int y = 0; y < height; ++y) {
    std::vector<uint8_t> row;
    for (int x = 0; x < width; ++x) {
      if (x == 0) row.insert(row.end(), {0x00, 0x00, 0x40});
      else row.insert(row.end(), {0xFF, 0x80, 0x00});
    }
    recipe.rows.push_back(row);
  }
  return png::WritePng(recipe);
}

TEST(SniffImageFormat, KnowsPngBySignatureAndIconByZerosAndExtension) {
  const auto pngBytes = RgbPng(1, 1);
  const uint8_t icon[] = {0, 0, 1, 0};
  const uint8_t bmp[] = {'B', 'M', 0, 0};
  EXPECT_EQ(SniffImageFormat(pngBytes.data(), pngBytes.size(), u"dat"), TsImageFormat::ifPNG);
  EXPECT_EQ(SniffImageFormat(icon, sizeof icon, u"IcO"), TsImageFormat::ifICO);
  EXPECT_EQ(SniffImageFormat(icon, sizeof icon, u"png"), std::nullopt);
  EXPECT_EQ(SniffImageFormat(bmp, sizeof bmp, u"ico"), std::nullopt);
  EXPECT_EQ(SniffImageFormat(icon, 1, u"ico"), std::nullopt);
}

TEST(FixIconAlpha, GivesAlphaToAllButTheBottomLeftColour) {
  auto bitmap = Bitmap32(2, 2, {0x00FFFFFF, 0x00000010, 0x00000010, 0x00123456});
  FixIconAlpha(*bitmap);
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0xFFFFFFFF, 0x00000010, 0x00000010, 0xFF123456}));

  auto withAlpha = Bitmap32(2, 1, {0x01000000, 0x00FFFFFF});
  FixIconAlpha(*withAlpha);
  EXPECT_EQ(Pixels(*withAlpha), (std::vector<uint32_t>{0x01000000, 0x00FFFFFF}));
}

TEST(GlyphModeSize, SquareStatesSideBySide) {
  struct Case {
    int w, h, count, width;
  };
  const Case cases[] = {{48, 16, 3, 16}, {16, 16, 1, 16}, {40, 16, 1, 40}, {48, 0, 1, 48}, {48, -2, 1, 48},
                        {0, 16, 1, 0}};
  for (const Case& c : cases) {
    const TGlyphModeSize size = GlyphModeSize(c.w, c.h);
    EXPECT_EQ(size.ImageCount, c.count) << c.w << " x " << c.h;
    EXPECT_EQ(size.Width, c.width) << c.w << " x " << c.h;
    EXPECT_EQ(size.Height, c.h);
  }
}

TEST(ResizeTo32, StretchesPicturesTooSmallToFilterAndRefusesEmptySizes) {
  auto column = Bitmap32(1, 2, {0xFF000001, 0xFF000002});
  const auto wide = ResizeTo32(*column, 3, 4);
  ASSERT_TRUE(wide);
  EXPECT_EQ(Pixels(*wide), (std::vector<uint32_t>{0xFF000001, 0xFF000001, 0xFF000001, 0xFF000001, 0xFF000001,
                                                  0xFF000001, 0xFF000002, 0xFF000002, 0xFF000002, 0xFF000002,
                                                  0xFF000002, 0xFF000002}));
  EXPECT_EQ(ResizeTo32(*column, 0, 4), nullptr);
  EXPECT_EQ(ResizeTo32(*column, 4, -1), nullptr);
  auto square = Bitmap32(2, 2, {0xFF808080, 0xFF808080, 0xFF808080, 0xFF808080});
  const auto larger = ResizeTo32(*square, 5, 5);
  ASSERT_TRUE(larger);
  EXPECT_EQ(GetPixel32(*larger, 2, 2), 0xFF808080u);
}

TEST(TListPicture, ARgbPictureAtItsOwnSizeIsSeeThroughWhereItHasTheBottomLeftColour) {
  TListPicture picture;
  picture.Data = RgbPng(3, 2);
  ASSERT_TRUE(picture.ReadSize());
  EXPECT_EQ(picture.OrigWidth, 3);
  EXPECT_EQ(picture.OrigHeight, 2);
  const auto bitmap = picture.Bitmap32(3, 2, false);
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0x00000040, 0xFFFF8000, 0xFFFF8000, 0x00000040, 0xFFFF8000,
                                                    0xFFFF8000}));
  EXPECT_EQ(picture.CacheBmp(), nullptr);
}

TEST(TListPicture, KeepsTheLastSizeAndDecodesOnlyForAnother) {
  TListPicture picture;
  picture.Data = RgbPng(4, 4);
  const auto first = picture.Bitmap32(8, 8, true);
  ASSERT_TRUE(first);
  const TWorkingBitmap* kept = picture.CacheBmp();
  ASSERT_NE(kept, nullptr);
  // Spoil the data: a request of the kept size must not need them.
  const auto data = picture.Data;
  picture.Data.assign(data.size(), 0);
  const auto again = picture.Bitmap32(8, 8, true);
  ASSERT_TRUE(again);
  EXPECT_EQ(Pixels(*again), Pixels(*first));
  EXPECT_EQ(picture.CacheBmp(), kept);
  EXPECT_NE(again.get(), kept);  // a copy, the cache stays the item's

  EXPECT_EQ(picture.Bitmap32(4, 4, true), nullptr);  // another size decodes: the data are broken now
  EXPECT_EQ(picture.CacheBmp(), nullptr);
  picture.Data = data;
  EXPECT_EQ(picture.Bitmap32(0, 4, true), nullptr);
}

}  // namespace
}  // namespace zelvan::image
