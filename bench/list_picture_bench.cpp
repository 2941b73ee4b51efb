// A 32-bit glyph made without the cache (decode and resample) against the
// cached copy; DrawClassicGlyph against a keyed block copy of the same size.
#include <benchmark/benchmark.h>

#include "core/image/bitmap32.h"
#include "core/image/list_picture.h"
#include "core/paint/button_glyph.h"
#include "core/paint/keyed_copy.h"
#include "tools/common/png_writer.h"

namespace {

using namespace zelvan;

std::vector<uint8_t> StripPng() {
  png::PngRecipe recipe;
  recipe.width = 48, recipe.height = 16, recipe.colorType = 6;
  for (int y = 0; y < 16; ++y) {
    std::vector<uint8_t> row;
    for (int x = 0; x < 48; ++x)
      row.insert(row.end(), {uint8_t(x * 5), uint8_t(y * 15), uint8_t(90), uint8_t(x * y)});
    recipe.rows.push_back(row);
  }
  return png::WritePng(recipe);
}

void BM_Glyph32Uncached(benchmark::State& state) {
  image::TListPicture picture;
  picture.Data = StripPng();
  for (auto _ : state) benchmark::DoNotOptimize(picture.Bitmap32(72, 24, false));
}
BENCHMARK(BM_Glyph32Uncached);

void BM_Glyph32Cached(benchmark::State& state) {
  image::TListPicture picture;
  picture.Data = StripPng();
  picture.Bitmap32(72, 24, true);
  for (auto _ : state) benchmark::DoNotOptimize(picture.Bitmap32(72, 24, true));
}
BENCHMARK(BM_Glyph32Cached);

std::unique_ptr<image::TWorkingBitmap> Strip24() {
  auto strip = std::make_unique<image::TWorkingBitmap>(64, 16, image::TPixelFormat::pf24bit);
  for (int y = 0; y < 16; ++y)
    for (size_t i = 0; i < strip->Stride(); ++i) strip->ScanLine(y)[i] = static_cast<uint8_t>(i * 7 + y);
  return strip;
}

void BM_DrawClassicGlyph(benchmark::State& state) {
  const auto strip = Strip24();
  auto target = image::CreateBmp32(32, 32);
  paint::TClassicGlyph glyph;
  glyph.Count = 4, glyph.State = 1;
  for (auto _ : state) paint::DrawClassicGlyph(*strip, *target, {8, 8, 24, 24}, glyph);
}
BENCHMARK(BM_DrawClassicGlyph);

// The reference: the whole strip copied with a key, no conversion, no picture choice.
void BM_KeyedBlockCopy(benchmark::State& state) {
  const auto strip = Strip24();
  auto target = image::CreateBmp32(32, 32);
  for (auto _ : state) paint::CopyWithKey(*target, *strip, 8, 8, paint::kKeyColor);
}
BENCHMARK(BM_KeyedBlockCopy);

}  // namespace

BENCHMARK_MAIN();
