// One frame of a control's state fade (the old picture mixed with the new)
// at a button's size (75 x 25) and a form's (531 x 420), each against a block
// copy of the same size in the same run (compare the times per frame).
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "core/image/bitmap32.h"
#include "core/paint/block_transfer.h"
#include "core/paint/fade_progress.h"

namespace {

using zelvan::image::TWorkingBitmap;

std::unique_ptr<TWorkingBitmap> Noise(int width, int height, uint32_t seed) {
  auto bitmap = zelvan::image::CreateBmp32(width, height);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->Row32(y)[x] = static_cast<uint32_t>(random());
  return bitmap;
}

void BM_FadeFrame(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  const auto from = Noise(width, height, 1), to = Noise(width, height, 2);
  auto frame = zelvan::image::CreateBmp32(width, height);
  zelvan::paint::TFadeProgress fade;
  fade.Start(10, false, zelvan::paint::fdUp);
  for (auto _ : state) {
    zelvan::paint::MakeFadeFrame(*frame, *from, *to, fade.Weight());
    fade.FadeLevel = fade.FadeLevel % 10 + 1;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FadeFrame)->ArgNames({"w", "h"})->Args({75, 25})->Args({531, 420});

void BM_BlockCopyReference(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  const auto from = Noise(width, height, 1);
  auto frame = zelvan::image::CreateBmp32(width, height);
  for (auto _ : state) {
    zelvan::paint::CopyBlock(*frame, {0, 0}, *from, {0, 0, width, height});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BlockCopyReference)->ArgNames({"w", "h"})->Args({75, 25})->Args({531, 420});

}  // namespace

BENCHMARK_MAIN();
