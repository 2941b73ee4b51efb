// UTF-8 to UTF-16 conversion of file-name-like Chinese text, against a plain
// copy of the same bytes as the reference.
#include "core/text/utf.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::string SampleText() {
  std::string text;
  while (text.size() < 64 * 1024) text += "\xE7\x85\xA7\xE7\x89\x87_0042.jpg ";  // 照片_0042.jpg
  return text;
}

void BM_MemcpyReference(benchmark::State& state) {
  const std::string text = SampleText();
  std::vector<char> out(text.size());
  for (auto _ : state) {
    std::memcpy(out.data(), text.data(), text.size());
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_MemcpyReference);

void BM_Utf8ToUtf16(benchmark::State& state) {
  const std::string text = SampleText();
  for (auto _ : state) {
    auto out = zelvan::text::Utf8ToUtf16(text);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Utf8ToUtf16);

}  // namespace

BENCHMARK_MAIN();
