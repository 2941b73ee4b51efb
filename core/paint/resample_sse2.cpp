// The resampler's kernels with SSE2: four samples a multiply-add.
#include "core/paint/resample_vector.h"

#if ZELVAN_X86

namespace zelvan::paint::resample::sse2 {

#define ENTRY ZELVAN_TARGET_SSE2 ZELVAN_VECTOR_ENTRY

namespace {

// Four 32-bit sums as bytes in the low four lanes; the saturating packs
// clamp exactly as FixedToByte does (a sum of 0xFF0001 or more shifts to 255 or more).
ZELVAN_TARGET_SSE2 inline int SumsToBytes(__m128i sums) {
  const __m128i words = _mm_packs_epi32(_mm_srai_epi32(sums, 16), _mm_setzero_si128());
  return _mm_cvtsi128_si32(_mm_packus_epi16(words, words));
}

}  // namespace

ENTRY void Expand(const uint8_t* in, size_t bytes, int16_t* out) {
  const __m128i zero = _mm_setzero_si128();
  size_t k = 0;
  for (; k + 8 <= bytes; k += 8) {
    const __m128i s = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + k)), zero);
    const __m128i s128 = _mm_slli_epi16(s, 7);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * k), _mm_unpacklo_epi16(s, s128));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * k + 8), _mm_unpackhi_epi16(s, s128));
  }
  for (; k < bytes; ++k) {
    out[2 * k] = in[k];
    out[2 * k + 1] = static_cast<int16_t>(128 * in[k]);
  }
}

ENTRY void SumRows(uint8_t* out, const int16_t* const* rows, const int32_t* weights, size_t taps, size_t from,
                   size_t bytes) {
  size_t k = from;
  for (; k + 4 <= bytes; k += 4) {
    __m128i sums = _mm_setzero_si128();
    for (size_t t = 0; t < taps; ++t)
      sums = _mm_add_epi32(sums, _mm_madd_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[t] + 2 * k)),
                                                _mm_set1_epi32(weights[t])));
    const int four = SumsToBytes(sums);
    __builtin_memcpy(out + k, &four, 4);
  }
  for (; k < bytes; ++k) {
    int sum = 0;
    for (size_t t = 0; t < taps; ++t) {
      const int w = (weights[t] & 0xFFFF) + 128 * (weights[t] >> 16);
      sum += w * rows[t][2 * k];
    }
    out[k] = FixedToByte(sum);
  }
}

ENTRY void SumPixel(uint8_t* out, const int16_t* row, const int* index, const int32_t* weights, size_t taps) {
  __m128i sums = _mm_setzero_si128();
  for (size_t t = 0; t < taps; ++t)
    sums = _mm_add_epi32(sums, _mm_madd_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 8 * index[t])),
                                              _mm_set1_epi32(weights[t])));
  const int four = SumsToBytes(sums);
  __builtin_memcpy(out, &four, 4);
}

#undef ENTRY

}  // namespace zelvan::paint::resample::sse2

#endif
