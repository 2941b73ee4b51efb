#include "skin/image/png_draw.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/io/stream.h"
#include "framework/graphics/bitmap.h"
#include "tools/common/png_writer.h"

namespace {

using zelvan::image::TPNGGraphic;
using zelvan::png::PngRecipe;
using zelvan::png::WritePng;

std::unique_ptr<TPNGGraphic> Decode(const PngRecipe& recipe) {
  zelvan::io::TMemoryStream stream(WritePng(recipe));
  auto png = std::make_unique<TPNGGraphic>();
  png->LoadFromStream(stream);
  return png;
}

// A white 32-bit canvas to draw on.
std::unique_ptr<TBitmap> WhiteCanvas(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf32bit);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(bitmap->ScanLine(y));
    for (int x = 0; x < width; ++x) row[x] = 0x00FFFFFF;
  }
  return bitmap;
}

uint32_t Rgb(TBitmap& bitmap, int x, int y) {
  GdiFlush();
  return reinterpret_cast<uint32_t*>(bitmap.ScanLine(y))[x] & 0xFFFFFF;
}

// Opaque red, transparent blue, half-transparent black, opaque green.
PngRecipe FourPixels() {
  PngRecipe recipe;
  recipe.width = 2;
  recipe.height = 2;
  recipe.colorType = 6;
  recipe.rows = {{255, 0, 0, 255, 0, 0, 255, 0}, {0, 0, 0, 128, 0, 255, 0, 255}};
  return recipe;
}

TEST(DrawPNGGraphic, LaysThePictureOverTheCanvasByItsAlpha) {
  const auto png = Decode(FourPixels());
  auto canvas = WhiteCanvas(6, 6);
  DrawPNGGraphic(canvas->Canvas(), RECT{1, 1, 3, 3}, *png);
  EXPECT_EQ(Rgb(*canvas, 1, 1), 0xFF0000u);  // opaque red
  EXPECT_EQ(Rgb(*canvas, 2, 1), 0xFFFFFFu);  // fully transparent: the canvas shows
  const uint32_t half = Rgb(*canvas, 1, 2);
  EXPECT_GT(half & 0xFF, 0x60u);             // half black over white: a middle gray
  EXPECT_LT(half & 0xFF, 0xA0u);
  EXPECT_EQ(Rgb(*canvas, 2, 2), 0x00FF00u);
  EXPECT_EQ(Rgb(*canvas, 0, 0), 0xFFFFFFu);  // nothing outside the rect
  EXPECT_EQ(Rgb(*canvas, 3, 3), 0xFFFFFFu);
}

TEST(DrawPNGGraphic, StretchesColourAndAlphaPlanesTogether) {
  const auto png = Decode(FourPixels());
  auto canvas = WhiteCanvas(4, 4);
  DrawPNGGraphic(canvas->Canvas(), RECT{0, 0, 4, 4}, *png);
  for (const auto& [x, y] : {std::pair{0, 0}, {1, 1}}) EXPECT_EQ(Rgb(*canvas, x, y), 0xFF0000u);
  for (const auto& [x, y] : {std::pair{2, 0}, {3, 1}}) EXPECT_EQ(Rgb(*canvas, x, y), 0xFFFFFFu);
  for (const auto& [x, y] : {std::pair{2, 2}, {3, 3}}) EXPECT_EQ(Rgb(*canvas, x, y), 0x00FF00u);
}

TEST(DrawPNGGraphic, DrawsPicturesWithoutAlphaAsTheyAre) {
  PngRecipe recipe;
  recipe.width = 2;
  recipe.colorType = 2;
  recipe.rows = {{0x12, 0x34, 0x56, 0xAB, 0xCD, 0xEF}};
  const auto png = Decode(recipe);
  auto canvas = WhiteCanvas(3, 2);
  DrawPNGGraphic(canvas->Canvas(), RECT{1, 1, 3, 2}, *png);
  EXPECT_EQ(Rgb(*canvas, 1, 1), 0x123456u);
  EXPECT_EQ(Rgb(*canvas, 2, 1), 0xABCDEFu);
  EXPECT_EQ(Rgb(*canvas, 0, 1), 0xFFFFFFu);
}

TEST(DrawPNGGraphic, ReflectionFadesBelowTheRectOnly) {
  PngRecipe recipe;
  recipe.width = 1;
  recipe.height = 8;
  recipe.colorType = 6;
  recipe.rows.assign(8, {0, 0, 0, 255});  // opaque black column
  auto png = Decode(recipe);
  png->Reflected = true;
  auto canvas = WhiteCanvas(1, 16);
  DrawPNGGraphic(canvas->Canvas(), RECT{0, 0, 1, 8}, *png);
  EXPECT_EQ(Rgb(*canvas, 0, 7), 0u);
  const uint32_t mirrored = Rgb(*canvas, 0, 9);  // a faded black below the picture
  EXPECT_NE(mirrored, 0xFFFFFFu);
  EXPECT_NE(mirrored, 0u);
  for (int y = 12; y < 16; ++y) EXPECT_EQ(Rgb(*canvas, 0, y), 0xFFFFFFu) << y;  // past half the height
}

TEST(DrawPNGGraphic, NothingToDrawLeavesTheCanvasAlone) {
  TPNGGraphic empty;
  auto canvas = WhiteCanvas(2, 2);
  DrawPNGGraphic(canvas->Canvas(), RECT{0, 0, 2, 2}, empty);
  const auto png = Decode(FourPixels());
  DrawPNGGraphic(canvas->Canvas(), RECT{1, 1, 1, 2}, *png);
  EXPECT_EQ(Rgb(*canvas, 1, 1), 0xFFFFFFu);
}

}  // namespace
