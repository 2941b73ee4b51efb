#include "core/simd/cpu_features.h"

#include <algorithm>
#include <atomic>

#include "core/simd/target.h"

#if ZELVAN_X86
#include <cpuid.h>
#endif

namespace zelvan::simd {
namespace {

std::atomic<TLevel> g_cap{TLevel::kAvx2};

#if ZELVAN_X86
// The operating system saves the YMM registers on task switches (XCR0 bits 1, 2).
bool SavesYmmState() {
  unsigned low = 0, high = 0;
  __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  return (low & 6u) == 6u;
}

TLevel Detect() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return TLevel::kPlain;
  if ((d & bit_SSE2) == 0) return TLevel::kPlain;
  if ((c & bit_SSSE3) == 0) return TLevel::kSse2;
  const bool osxsave = (c & bit_OSXSAVE) != 0 && (c & bit_AVX) != 0;
  unsigned a7 = 0, b7 = 0, c7 = 0, d7 = 0;
  if (osxsave && __get_cpuid_count(7, 0, &a7, &b7, &c7, &d7) && (b7 & bit_AVX2) != 0 && SavesYmmState())
    return TLevel::kAvx2;
  return TLevel::kSsse3;
}
#else
TLevel Detect() { return TLevel::kPlain; }
#endif

}  // namespace

TLevel Detected() {
  static const TLevel detected = Detect();
  return detected;
}

TLevel Active() { return std::min(Detected(), g_cap.load(std::memory_order_relaxed)); }

TLevel SetCap(TLevel level) { return g_cap.exchange(level, std::memory_order_relaxed); }

}  // namespace zelvan::simd
