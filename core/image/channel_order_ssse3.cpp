// Channel order with SSSE3 byte shuffles: four pixels a step, the remainder
// by the plain loops. Loads never reach past the row's last byte.
#include "core/image/channel_order.h"
#include "core/simd/target.h"

#if ZELVAN_X86

namespace zelvan::image::ssse3 {
namespace {

#define SSSE3 ZELVAN_TARGET_SSSE3

SSSE3 inline __m128i Load(const uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
SSSE3 inline void Store(uint8_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

#undef SSSE3

}  // namespace

#define ENTRY ZELVAN_TARGET_SSSE3 ZELVAN_VECTOR_ENTRY

ENTRY void SwapRedBlue24(const uint8_t* in, uint8_t* out, int count) {
  const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 12, 13, 14, 15);
  int i = 0;
  // Sixteen bytes read, twelve written: the last four belong to the next step.
  for (; 3 * i + 16 <= 3 * count; i += 4) {
    const __m128i swapped = _mm_shuffle_epi8(Load(in + 3 * i), order);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 3 * i), swapped);
    const int tail = _mm_cvtsi128_si32(_mm_srli_si128(swapped, 8));
    __builtin_memcpy(out + 3 * i + 8, &tail, 4);
  }
  reference::SwapRedBlue24(in + 3 * i, out + 3 * i, count - i);
}

ENTRY void SwapRedBlue32(const uint8_t* in, uint8_t* out, int count) {
  const __m128i order = _mm_setr_epi8(2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
  int i = 0;
  for (; i + 4 <= count; i += 4) Store(out + 4 * i, _mm_shuffle_epi8(Load(in + 4 * i), order));
  reference::SwapRedBlue32(in + 4 * i, out + 4 * i, count - i);
}

ENTRY void Widen24To32(const uint8_t* in, uint8_t* out, int count, uint8_t alpha) {
  // Index -128 (0x80) makes a zero byte, which alpha then fills.
  const __m128i spread = _mm_setr_epi8(0, 1, 2, -128, 3, 4, 5, -128, 6, 7, 8, -128, 9, 10, 11, -128);
  const __m128i alphas = _mm_set1_epi32(static_cast<int>(uint32_t{alpha} << 24));
  int i = 0;
  for (; 3 * i + 16 <= 3 * count; i += 4)
    Store(out + 4 * i, _mm_or_si128(_mm_shuffle_epi8(Load(in + 3 * i), spread), alphas));
  reference::Widen24To32(in + 3 * i, out + 4 * i, count - i, alpha);
}

#undef ENTRY

}  // namespace zelvan::image::ssse3

#endif
