// The blend kernels 32 bytes at a time (AVX2), with the arithmetic of the
// SSE2 versions. Unpacking and packing work within each 128-bit half, so the
// pairs unpacklo/unpackhi and packus keep every byte in its place.
#include "core/paint/blend_kernels_vector.h"

#include <algorithm>

#if ZELVAN_X86

namespace zelvan::paint::kernels {
namespace avx2 {
namespace {

#define AVX2 ZELVAN_TARGET_AVX2
#define ENTRY ZELVAN_TARGET_AVX2 ZELVAN_VECTOR_ENTRY

AVX2 inline __m256i Mix16(__m256i a, __m256i b, __m256i w) {
  const __m256i rest = _mm256_sub_epi16(_mm256_set1_epi16(256), w);
  return _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(a, w), _mm256_mullo_epi16(b, rest)), 8);
}

AVX2 inline __m256i MixBytes32(__m256i a, __m256i b, __m256i w) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i lo =
      Mix16(_mm256_unpacklo_epi8(a, zero), _mm256_unpacklo_epi8(b, zero), _mm256_unpacklo_epi8(w, zero));
  const __m256i hi =
      Mix16(_mm256_unpackhi_epi8(a, zero), _mm256_unpackhi_epi8(b, zero), _mm256_unpackhi_epi8(w, zero));
  return _mm256_packus_epi16(lo, hi);
}

AVX2 inline __m256i Load(const void* p) { return _mm256_loadu_si256(static_cast<const __m256i*>(p)); }
AVX2 inline void Store(void* p, __m256i v) { _mm256_storeu_si256(static_cast<__m256i*>(p), v); }
AVX2 inline __m256i AlphaBytes() { return _mm256_set1_epi32(static_cast<int>(0xFF000000u)); }

// Four pixels in 16-bit lanes: lanes 3, 7, 11 and 15 hold alpha.
AVX2 inline __m256i AlphaOver4(__m256i s, __m256i d, TAlphaRule rule, int fade) {
  const __m256i alphaLanes = _mm256_set1_epi64x(static_cast<int64_t>(0xFFFF000000000000u));
  const __m256i a = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(s, 0xFF), 0xFF);
  __m256i k = a;
  if (fade != 0) {
    const __m256i product = _mm256_mullo_epi16(a, _mm256_set1_epi16(static_cast<int16_t>(100 - fade)));
    k = _mm256_srli_epi16(_mm256_mulhi_epu16(product, _mm256_set1_epi16(static_cast<int16_t>(41944))), 6);
  }
  const __m256i blended = Mix16(s, d, k);
  __m256i alpha = d;
  if (rule == TAlphaRule::kUnion) {
    const __m256i t = _mm256_mullo_epi16(a, _mm256_sub_epi16(_mm256_set1_epi16(255), d));
    alpha = _mm256_add_epi16(
        d, _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(t, _mm256_set1_epi16(1)), _mm256_srli_epi16(t, 8)), 8));
  } else if (rule == TAlphaRule::kMax) {
    alpha = _mm256_max_epi16(d, a);
  }
  return _mm256_blendv_epi8(blended, alpha, alphaLanes);
}

ENTRY void MaskBlendRow(uint8_t* d, const uint8_t* s, const uint8_t* m, int width, bool opaque) {
  const __m256i alphaBytes = AlphaBytes();
  int x = 0;
  for (; x + 8 <= width; x += 8) {
    const size_t at = 4 * static_cast<size_t>(x);
    const __m256i dv = Load(d + at);
    const __m256i mixed = MixBytes32(dv, Load(s + at), Load(m + at));
    Store(d + at, _mm256_blendv_epi8(mixed, opaque ? alphaBytes : dv, alphaBytes));
  }
  kSse2Rows.MaskBlendRow(d + 4 * static_cast<size_t>(x), s + 4 * static_cast<size_t>(x),
                         m + 4 * static_cast<size_t>(x), width - x, opaque);
}

ENTRY void WeightBlendRow(uint8_t* d, const uint8_t* s, int width, int w) {
  const __m256i alphaBytes = AlphaBytes();
  const __m256i weight = _mm256_set1_epi8(static_cast<char>(w));
  int x = 0;
  for (; x + 8 <= width; x += 8) {
    const size_t at = 4 * static_cast<size_t>(x);
    const __m256i dv = Load(d + at);
    Store(d + at, _mm256_blendv_epi8(MixBytes32(dv, Load(s + at), weight), dv, alphaBytes));
  }
  kSse2Rows.WeightBlendRow(d + 4 * static_cast<size_t>(x), s + 4 * static_cast<size_t>(x), width - x, w);
}

ENTRY void MixBytes(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, int w, size_t count,
                    TStores stores) {
  const __m256i uniform = _mm256_set1_epi8(static_cast<char>(w));
  size_t i = 0;
  if (stores == TStores::kStreaming) {
    i = std::min(count, BytesToBoundary(out, 32));
    kSse2Rows.MixBytes(out, a, b, weights, w, i, TStores::kCached);
    for (; i + 32 <= count; i += 32) {
      const __m256i mixed = MixBytes32(Load(a + i), Load(b + i), weights != nullptr ? Load(weights + i) : uniform);
      _mm256_stream_si256(reinterpret_cast<__m256i*>(out + i), mixed);
    }
    _mm_sfence();  // they are weakly ordered: done before the frame is handed on
  } else {
    for (; i + 32 <= count; i += 32)
      Store(out + i, MixBytes32(Load(a + i), Load(b + i), weights != nullptr ? Load(weights + i) : uniform));
  }
  kSse2Rows.MixBytes(out + i, a + i, b + i, weights != nullptr ? weights + i : nullptr, w, count - i,
                     TStores::kCached);
}

ENTRY void AlphaOverRow(uint32_t* d, const uint32_t* s, int width, TAlphaRule rule, int fade) {
  const __m256i alphaBytes = AlphaBytes();
  const __m256i zero = _mm256_setzero_si256();
  int x = 0;
  for (; x + 8 <= width; x += 8) {
    const __m256i sv = Load(s + x);
    // Eight transparent source pixels change nothing.
    if (_mm256_testz_si256(sv, alphaBytes)) continue;
    const __m256i dv = Load(d + x);
    const __m256i lo = AlphaOver4(_mm256_unpacklo_epi8(sv, zero), _mm256_unpacklo_epi8(dv, zero), rule, fade);
    const __m256i hi = AlphaOver4(_mm256_unpackhi_epi8(sv, zero), _mm256_unpackhi_epi8(dv, zero), rule, fade);
    Store(d + x, _mm256_packus_epi16(lo, hi));
  }
  kSse2Rows.AlphaOverRow(d + x, s + x, width - x, rule, fade);
}

#undef AVX2
#undef ENTRY

}  // namespace
}  // namespace avx2

const TRowKernels kAvx2Rows = {avx2::MaskBlendRow, avx2::WeightBlendRow, avx2::MixBytes, avx2::AlphaOverRow};

}  // namespace zelvan::paint::kernels

#endif
