// The blend kernels 16 bytes at a time (SSE2). The shift by 8 is kept
// exactly: ((a - b) * w + b * 256) shr 8 == (a * w + b * (256 - w)) shr 8,
// whose terms never exceed 255 * 256 and so fit 16-bit lanes.
#include "core/paint/blend_kernels_vector.h"

#include <algorithm>

#if ZELVAN_X86

namespace zelvan::paint::kernels {
namespace sse2 {
namespace {

#define SSE2 ZELVAN_TARGET_SSE2
#define ENTRY ZELVAN_TARGET_SSE2 ZELVAN_VECTOR_ENTRY

// (a * w + b * (256 - w)) shr 8 on eight 16-bit lanes.
SSE2 inline __m128i Mix16(__m128i a, __m128i b, __m128i w) {
  const __m128i rest = _mm_sub_epi16(_mm_set1_epi16(256), w);
  return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, w), _mm_mullo_epi16(b, rest)), 8);
}

SSE2 inline __m128i MixBytes16(__m128i a, __m128i b, __m128i w) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i lo = Mix16(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), _mm_unpacklo_epi8(w, zero));
  const __m128i hi = Mix16(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), _mm_unpackhi_epi8(w, zero));
  return _mm_packus_epi16(lo, hi);
}

SSE2 inline __m128i Load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
SSE2 inline void Store(void* p, __m128i v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }
SSE2 inline __m128i AlphaBytes() { return _mm_set1_epi32(static_cast<int>(0xFF000000u)); }

// Two pixels in 16-bit lanes: lanes 3 and 7 hold alpha.
SSE2 inline __m128i AlphaOver2(__m128i s, __m128i d, TAlphaRule rule, int fade) {
  const __m128i alphaLanes = _mm_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0);
  const __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(s, 0xFF), 0xFF);  // each pixel's alpha in all lanes
  __m128i k = a;
  if (fade != 0) {
    // (100 - fade) * A div 100, exact for products up to 25500 as (x * 41944) shr 22.
    const __m128i product = _mm_mullo_epi16(a, _mm_set1_epi16(static_cast<int16_t>(100 - fade)));
    k = _mm_srli_epi16(_mm_mulhi_epu16(product, _mm_set1_epi16(static_cast<int16_t>(41944))), 6);
  }
  const __m128i blended = Mix16(s, d, k);
  __m128i alpha = d;
  if (rule == TAlphaRule::kUnion) {
    // t div 255 == (t + 1 + t shr 8) shr 8 for 0 <= t <= 65025.
    const __m128i t = _mm_mullo_epi16(a, _mm_sub_epi16(_mm_set1_epi16(255), d));
    const __m128i quotient = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(t, _mm_set1_epi16(1)), _mm_srli_epi16(t, 8)), 8);
    alpha = _mm_add_epi16(d, quotient);
  } else if (rule == TAlphaRule::kMax) {
    alpha = _mm_max_epi16(d, a);
  }
  return _mm_or_si128(_mm_andnot_si128(alphaLanes, blended), _mm_and_si128(alphaLanes, alpha));
}

ENTRY void MaskBlendRow(uint8_t* d, const uint8_t* s, const uint8_t* m, int width, bool opaque) {
  const __m128i alphaBytes = AlphaBytes();
  int x = 0;
  for (; x + 4 <= width; x += 4) {
    const size_t at = 4 * static_cast<size_t>(x);
    const __m128i dv = Load(d + at);
    const __m128i mixed = MixBytes16(dv, Load(s + at), Load(m + at));
    const __m128i alpha = opaque ? alphaBytes : _mm_and_si128(dv, alphaBytes);
    Store(d + at, _mm_or_si128(_mm_andnot_si128(alphaBytes, mixed), alpha));
  }
  const size_t at = 4 * static_cast<size_t>(x);
  reference::MaskBlendRow(d + at, s + at, m + at, width - x, opaque);
}

ENTRY void WeightBlendRow(uint8_t* d, const uint8_t* s, int width, int w) {
  const __m128i alphaBytes = AlphaBytes();
  const __m128i weight = _mm_set1_epi8(static_cast<char>(w));
  int x = 0;
  for (; x + 4 <= width; x += 4) {
    const size_t at = 4 * static_cast<size_t>(x);
    const __m128i dv = Load(d + at);
    const __m128i mixed = MixBytes16(dv, Load(s + at), weight);
    Store(d + at, _mm_or_si128(_mm_andnot_si128(alphaBytes, mixed), _mm_and_si128(dv, alphaBytes)));
  }
  const size_t at = 4 * static_cast<size_t>(x);
  reference::WeightBlendRow(d + at, s + at, width - x, w);
}

ENTRY void MixBytes(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, int w, size_t count,
                    TStores stores) {
  const __m128i uniform = _mm_set1_epi8(static_cast<char>(w));
  size_t i = 0;
  if (stores == TStores::kStreaming) {
    i = std::min(count, BytesToBoundary(out, 16));
    reference::MixBytes(out, a, b, weights, w, i);
    for (; i + 16 <= count; i += 16) {
      const __m128i mixed = MixBytes16(Load(a + i), Load(b + i), weights != nullptr ? Load(weights + i) : uniform);
      _mm_stream_si128(reinterpret_cast<__m128i*>(out + i), mixed);
    }
    _mm_sfence();  // they are weakly ordered: done before the frame is handed on
  } else {
    for (; i + 16 <= count; i += 16)
      Store(out + i, MixBytes16(Load(a + i), Load(b + i), weights != nullptr ? Load(weights + i) : uniform));
  }
  reference::MixBytes(out + i, a + i, b + i, weights != nullptr ? weights + i : nullptr, w, count - i);
}

ENTRY void AlphaOverRow(uint32_t* d, const uint32_t* s, int width, TAlphaRule rule, int fade) {
  const __m128i alphaBytes = AlphaBytes();
  const __m128i zero = _mm_setzero_si128();
  int x = 0;
  for (; x + 4 <= width; x += 4) {
    const __m128i sv = Load(s + x);
    // Four transparent source pixels change nothing (common around glyphs).
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(sv, alphaBytes), zero)) == 0xFFFF) continue;
    const __m128i dv = Load(d + x);
    const __m128i lo = AlphaOver2(_mm_unpacklo_epi8(sv, zero), _mm_unpacklo_epi8(dv, zero), rule, fade);
    const __m128i hi = AlphaOver2(_mm_unpackhi_epi8(sv, zero), _mm_unpackhi_epi8(dv, zero), rule, fade);
    Store(d + x, _mm_packus_epi16(lo, hi));
  }
  reference::AlphaOverRow(d + x, s + x, width - x, rule, fade);
}

#undef SSE2
#undef ENTRY

}  // namespace
}  // namespace sse2

const TRowKernels kSse2Rows = {sse2::MaskBlendRow, sse2::WeightBlendRow, sse2::MixBytes, sse2::AlphaOverRow};

}  // namespace zelvan::paint::kernels

#endif
