// The resampler's column kernel with AVX2: eight samples a multiply-add.
#include "core/paint/resample_vector.h"

#if ZELVAN_X86

namespace zelvan::paint::resample::avx2 {

ZELVAN_TARGET_AVX2 ZELVAN_VECTOR_ENTRY void SumRows(uint8_t* out, const int16_t* const* rows, const int32_t* weights,
                                                    size_t taps, size_t from, size_t bytes) {
  size_t k = from;
  // Sixteen samples a step: two sums in flight per tap.
  for (; k + 16 <= bytes; k += 16) {
    __m256i low = _mm256_setzero_si256(), high = _mm256_setzero_si256();
    for (size_t t = 0; t < taps; ++t) {
      const __m256i w = _mm256_set1_epi32(weights[t]);
      const auto* pairs = reinterpret_cast<const __m256i*>(rows[t] + 2 * k);
      low = _mm256_add_epi32(low, _mm256_madd_epi16(_mm256_loadu_si256(pairs), w));
      high = _mm256_add_epi32(high, _mm256_madd_epi16(_mm256_loadu_si256(pairs + 1), w));
    }
    // packs works within halves: reorder the 64-bit quarters before the last pack.
    const __m256i words = _mm256_permute4x64_epi64(
        _mm256_packs_epi32(_mm256_srai_epi32(low, 16), _mm256_srai_epi32(high, 16)), 0xD8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + k),
                     _mm_packus_epi16(_mm256_castsi256_si128(words), _mm256_extracti128_si256(words, 1)));
  }
  for (; k + 8 <= bytes; k += 8) {
    __m256i sums = _mm256_setzero_si256();
    for (size_t t = 0; t < taps; ++t)
      sums = _mm256_add_epi32(
          sums, _mm256_madd_epi16(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[t] + 2 * k)),
                                  _mm256_set1_epi32(weights[t])));
    // Saturating packs clamp as FixedToByte does; the halves are packed in order.
    const __m256i shifted = _mm256_srai_epi32(sums, 16);
    const __m128i words = _mm_packs_epi32(_mm256_castsi256_si128(shifted), _mm256_extracti128_si256(shifted, 1));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + k), _mm_packus_epi16(words, words));
  }
  sse2::SumRows(out, rows, weights, taps, k, bytes);
}

}  // namespace zelvan::paint::resample::avx2

#endif
