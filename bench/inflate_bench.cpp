// Inflating zlib streams: zlib's inflate (the reference) against ours, on the
// same streams in the same run: filtered image rows (what PNG files hold),
// text-like data with long matches, and runs with short distances.
#include <zlib.h>

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "core/image/inflater.h"

namespace {

constexpr size_t kSize = size_t{8} << 20;

enum Kind { kImageRows, kWords, kRuns };

std::vector<uint8_t> Data(Kind kind) {
  std::mt19937 random(3);
  std::vector<uint8_t> data(kSize);
  const char* words[] = {"rename ", "skin ", "window ", "folder ", "zelvan "};
  for (size_t i = 0; i < kSize;) {
    if (kind == kImageRows) {
      // Sub-filtered gradients with noise: small values, few long matches.
      data[i] = static_cast<uint8_t>(i % 7681 == 0 ? 1 : (random() % 9) + ((i / 4) % 3));
      ++i;
    } else if (kind == kWords) {
      for (const char* w = words[random() % 5]; *w && i < kSize; ++w) data[i++] = static_cast<uint8_t>(*w);
    } else {
      const size_t period = 1 + random() % 6, run = 20 + random() % 300;
      const uint32_t pattern = random();
      for (size_t k = 0; k < run && i < kSize; ++k, ++i) data[i] = static_cast<uint8_t>(pattern >> (8 * (k % period % 4)));
    }
  }
  return data;
}

const std::vector<uint8_t>& Stream(Kind kind) {
  static std::vector<uint8_t> streams[3];
  std::vector<uint8_t>& s = streams[kind];
  if (s.empty()) {
    const std::vector<uint8_t> data = Data(kind);
    uLongf size = compressBound(data.size());
    s.resize(size);
    compress2(s.data(), &size, data.data(), data.size(), 6);
    s.resize(size);
  }
  return s;
}

void Zlib(benchmark::State& state) {
  const auto& stream = Stream(static_cast<Kind>(state.range(0)));
  std::vector<uint8_t> out(kSize);
  for (auto _ : state) {
    uLongf size = out.size();
    uncompress(out.data(), &size, stream.data(), stream.size());
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}

void Ours(benchmark::State& state) {
  const auto& stream = Stream(static_cast<Kind>(state.range(0)));
  std::vector<uint8_t> out(kSize);
  zelvan::image::TInflater inflater;
  for (auto _ : state) {
    inflater.Reset();
    const uint8_t* in = stream.data();
    size_t inLeft = stream.size(), outLeft = out.size();
    uint8_t* to = out.data();
    if (inflater.Inflate(in, inLeft, to, outLeft) != zelvan::image::TInflater::kStreamEnd) state.SkipWithError("not inflated");
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kSize));
}

BENCHMARK(Zlib)->Arg(kImageRows)->Arg(kWords)->Arg(kRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(Ours)->Arg(kImageRows)->Arg(kWords)->Arg(kRuns)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
