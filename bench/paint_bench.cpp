// The pixel routines on a 1920 x 1080 frame and, for the blends, also on a
// 3840 x 2160 one (larger than the caches), each against memcpy of the same
// number of bytes in the same run (compare bytes_per_second); the fade frame
// at control sizes against a block copy.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "core/image/bitmap32.h"
#include "core/paint/alpha_blend.h"
#include "core/paint/block_transfer.h"
#include "core/paint/fade_progress.h"
#include "core/paint/fill.h"
#include "core/paint/gradient_paint.h"
#include "core/paint/mask_painting.h"
#include "core/paint/resample.h"
#include "core/paint/weighted_blend.h"
#include "core/store/skin_store.h"

namespace {

using zelvan::image::TWorkingBitmap;
namespace paint = zelvan::paint;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int64_t kFrameBytes = int64_t{kWidth} * kHeight * 4;
constexpr int kLargeHeight = 2160;  // the blends also run on a 3840 x 2160 frame

// The frame a blend benchmark works on: its height is the argument, 16:9.
struct TFrame {
  int Width, Height;
  int64_t Bytes() const { return int64_t{Width} * Height * 4; }
};
TFrame FrameOf(const benchmark::State& state) {
  const int height = static_cast<int>(state.range(0));
  return {height * 16 / 9, height};
}

std::unique_ptr<TWorkingBitmap> Noise(int width, int height, uint32_t seed) {
  auto bitmap = zelvan::image::CreateBmp32(width, height);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->Row32(y)[x] = static_cast<uint32_t>(random());
  return bitmap;
}

void SetFrameBytes(benchmark::State& state, int64_t bytes = kFrameBytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * bytes);
}

void BM_MemcpyReference(benchmark::State& state) {
  const auto bytes = static_cast<size_t>(state.range(0));
  std::vector<uint8_t> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  SetFrameBytes(state, state.range(0));
}
BENCHMARK(BM_MemcpyReference)->Arg(kFrameBytes)->Arg(TFrame{kLargeHeight * 16 / 9, kLargeHeight}.Bytes());

void BM_BlendByMask(benchmark::State& state) {
  const TFrame f = FrameOf(state);
  auto destination = Noise(f.Width, f.Height, 1);
  const auto skin = Noise(f.Width, 2 * f.Height, 2);  // picture over mask
  for (auto _ : state) {
    paint::BlendByMask(*destination, {0, 0}, *skin, {0, 0, f.Width, f.Height}, {0, f.Height});
    benchmark::ClobberMemory();
  }
  SetFrameBytes(state, f.Bytes());
}
BENCHMARK(BM_BlendByMask)->Arg(kHeight)->Arg(kLargeHeight);

// Source-over blits of a whole frame by the source's alpha.
using TAlphaBlit = void (*)(TWorkingBitmap& destination, const TWorkingBitmap& source);

void BM_AlphaBlit(benchmark::State& state, TAlphaBlit blit) {
  const TFrame f = FrameOf(state);
  auto destination = Noise(f.Width, f.Height, 1);
  const auto source = Noise(f.Width, f.Height, 3);
  for (auto _ : state) {
    blit(*destination, *source);
    benchmark::ClobberMemory();
  }
  SetFrameBytes(state, f.Bytes());
}

paint::TRect Whole(const TWorkingBitmap& b) { return {0, 0, b.Width(), b.Height()}; }
BENCHMARK_CAPTURE(BM_AlphaBlit, AlphaBlendOver, [](TWorkingBitmap& d, const TWorkingBitmap& s) {
  paint::AlphaBlendOver(Whole(d), Whole(s), d, false, {}, s);
})->Arg(kHeight)->Arg(kLargeHeight);
BENCHMARK_CAPTURE(BM_AlphaBlit, DrawAlphaImage, [](TWorkingBitmap& d, const TWorkingBitmap& s) {
  paint::DrawAlphaImage(Whole(d), Whole(s), d, false, 0, paint::kNoColorValue, false, {}, s);
})->Arg(kHeight)->Arg(kLargeHeight);

// A fixed weight and a weight bitmap.
void BM_CrossFade(benchmark::State& state) {
  const TFrame f = FrameOf(state);
  auto result = zelvan::image::CreateBmp32(f.Width, f.Height);
  const auto first = Noise(f.Width, f.Height, 4);
  const auto second = Noise(f.Width, f.Height, 5);
  const auto weights = state.range(1) != 0 ? Noise(f.Width, f.Height, 6) : nullptr;
  for (auto _ : state) {
    paint::CrossFade(*result, *first, *second, 100, weights.get());
    benchmark::ClobberMemory();
  }
  SetFrameBytes(state, f.Bytes());
}
BENCHMARK(BM_CrossFade)->ArgNames({"h", "weights"})->Args({kHeight, 0})->Args({kLargeHeight, 0})->Args({kHeight, 1})->Args({kLargeHeight, 1});

void BM_BlendBitmaps(benchmark::State& state) {
  const TFrame f = FrameOf(state);
  auto destination = Noise(f.Width, f.Height, 1);
  const auto source = Noise(f.Width, f.Height, 3);
  for (auto _ : state) {
    paint::BlendBitmaps(*destination, *source, 100);
    benchmark::ClobberMemory();
  }
  SetFrameBytes(state, f.Bytes());
}
BENCHMARK(BM_BlendBitmaps)->Arg(kHeight)->Arg(kLargeHeight);

void BM_FillRect32(benchmark::State& state) {
  auto bitmap = zelvan::image::CreateBmp32(kWidth, kHeight);
  for (auto _ : state) {
    paint::FillRect32(*bitmap, {0, 0, kWidth, kHeight}, 0x00336699, 255);
    benchmark::ClobberMemory();
  }
  SetFrameBytes(state);
}
BENCHMARK(BM_FillRect32);

void BM_PaintGradient(benchmark::State& state) {
  auto bitmap = zelvan::image::CreateBmp32(kWidth, kHeight);
  const auto kind = static_cast<int32_t>(state.range(0));
  const paint::TsGradArray gradient = {{0x00FFFFFF, 0x00C0C0C0, 40, kind, 0}, {0x00C0C0C0, 0x00808080, 60, 0, 0}};
  for (auto _ : state) {
    paint::PaintGradient(*bitmap, {0, 0, kWidth, kHeight}, gradient);
    benchmark::ClobberMemory();
  }
  SetFrameBytes(state);
}
BENCHMARK(BM_PaintGradient)->Arg(paint::kGradientVertical)->Arg(paint::kGradientHorizontal);

// Up is measured against the bytes it writes (4 frames), down against those it reads.
void BM_ResampleMitchell(benchmark::State& state) {
  const bool up = state.range(0) == 2;
  const auto source = Noise(kWidth, kHeight, 6);
  std::unique_ptr<TWorkingBitmap> destination;
  const int width = up ? kWidth * 2 : kWidth / 2;
  const int height = up ? kHeight * 2 : kHeight / 2;
  for (auto _ : state) {
    paint::Resample(*source, destination, width, paint::TFilterKind::fkMitchell, height);
    benchmark::DoNotOptimize(destination.get());
  }
  SetFrameBytes(state, up ? kFrameBytes * 4 : kFrameBytes);
}
BENCHMARK(BM_ResampleMitchell)->ArgName("up")->Arg(2)->Arg(0);

// Nine-slice painting of a 32 x 32 frame part with its mask below it, margins
// 8, key pixels in the outer corners: a button (75 x 25) and a form
// (800 x 600), edges and centre tiled (DrawMode 4) or stretched (5). Frames
// per second in "fps"; bytes_per_second counts the rect's bytes, to set
// against the memcpy reference.
void BM_DrawMaskRect(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  zelvan::store::TSkinSettings settings;
  const zelvan::store::TsSkinStore manager({}, settings);
  zelvan::store::TsMaskData part;
  part.Bmp = Noise(32, 64, 7);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      uint32_t& pixel = part.Bmp->Row32(y)[x];
      const bool corner = (x < 2 || x >= 30) && (y < 2 || y >= 30);
      pixel = corner ? paint::kKeyPixel : pixel | 0xFF000000u;
    }
  part.R = {0, 0, 32, 64};
  part.ImageCount = 1;
  part.MaskType = 1;
  part.WL = part.WT = part.WR = part.WB = 8;
  part.DrawMode = static_cast<int16_t>(state.range(2));
  part.CornerType = 1;
  part.Manager = &manager;
  auto parent = Noise(width, height, 8);
  auto bitmap = zelvan::image::CreateBmp32(width, height);
  const paint::TCacheInfo info{parent.get(), 0, 0, paint::kKeyColor, true};
  for (auto _ : state) {
    paint::DrawMaskRect(*bitmap, {0, 0, width, height}, true, 1, part, info);
    benchmark::ClobberMemory();
  }
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  SetFrameBytes(state, int64_t{width} * height * 4);
}
BENCHMARK(BM_DrawMaskRect)
    ->ArgNames({"w", "h", "mode"})
    ->Args({75, 25, 4})
    ->Args({75, 25, 5})
    ->Args({800, 600, 4})
    ->Args({800, 600, 5});

// One frame of a control's state fade at a button's size (75 x 25) and a
// form's (531 x 420), against a block copy of the same size (compare times).
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
