#include "core/paint/blend_kernels.h"

#include <algorithm>

#include "core/paint/pixel.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#define ZELVAN_KERNELS_SSE2 1
#else
#define ZELVAN_KERNELS_SSE2 0
#endif

namespace zelvan::paint::kernels {

namespace reference {

void MaskBlendRow(uint8_t* d, const uint8_t* s, const uint8_t* m, int width, bool opaque) {
  for (size_t i = 0; i < 4 * static_cast<size_t>(width); i += 4) {
    for (size_t c = 0; c < 3; ++c) d[i + c] = static_cast<uint8_t>(WeightedMix(d[i + c], s[i + c], m[i + c]));
    if (opaque) d[i + 3] = 255;
  }
}

void WeightBlendRow(uint8_t* d, const uint8_t* s, int width, int w) {
  for (size_t i = 0; i < 4 * static_cast<size_t>(width); i += 4)
    for (size_t c = 0; c < 3; ++c) d[i + c] = static_cast<uint8_t>(WeightedMix(d[i + c], s[i + c], w));
}

void MixBytes(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, int w, size_t count) {
  for (size_t i = 0; i < count; ++i)
    out[i] = static_cast<uint8_t>(WeightedMix(a[i], b[i], weights != nullptr ? weights[i] : w));
}

void AlphaOverRow(uint32_t* d, const uint32_t* s, int width, TAlphaRule rule, int fade) {
  for (int i = 0; i < width; ++i) {
    const uint32_t p = s[i], q = d[i];
    const int a = PixelA(p), da = PixelA(q);
    const int k = fade != 0 ? (100 - fade) * a / 100 : a;
    const int alpha = rule == TAlphaRule::kUnion ? da + a * (255 - da) / 255
                      : rule == TAlphaRule::kMax ? std::max(da, a)
                                                 : da;
    d[i] = MakePixel(WeightedMix(PixelR(p), PixelR(q), k), WeightedMix(PixelG(p), PixelG(q), k),
                     WeightedMix(PixelB(p), PixelB(q), k), alpha);
  }
}

}  // namespace reference

#if ZELVAN_KERNELS_SSE2
namespace {

// (a * w + b * (256 - w)) shr 8 on eight 16-bit lanes.
inline __m128i Mix16(__m128i a, __m128i b, __m128i w) {
  const __m128i rest = _mm_sub_epi16(_mm_set1_epi16(256), w);
  return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(a, w), _mm_mullo_epi16(b, rest)), 8);
}

inline __m128i MixBytes16(__m128i a, __m128i b, __m128i w) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i lo = Mix16(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), _mm_unpacklo_epi8(w, zero));
  const __m128i hi = Mix16(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), _mm_unpackhi_epi8(w, zero));
  return _mm_packus_epi16(lo, hi);
}

inline __m128i Load(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
inline void Store(void* p, __m128i v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }

const __m128i kAlphaBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));

// Two pixels in 16-bit lanes: lanes 3 and 7 hold alpha.
__m128i AlphaOver2(__m128i s, __m128i d, TAlphaRule rule, int fade) {
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

}  // namespace
#endif

void MaskBlendRow(uint8_t* d, const uint8_t* s, const uint8_t* m, int width, bool opaque) {
  int x = 0;
#if ZELVAN_KERNELS_SSE2
  for (; x + 4 <= width; x += 4) {
    const size_t at = 4 * static_cast<size_t>(x);
    const __m128i dv = Load(d + at);
    const __m128i mixed = MixBytes16(dv, Load(s + at), Load(m + at));
    const __m128i alpha = opaque ? kAlphaBytes : _mm_and_si128(dv, kAlphaBytes);
    Store(d + at, _mm_or_si128(_mm_andnot_si128(kAlphaBytes, mixed), alpha));
  }
#endif
  const size_t at = 4 * static_cast<size_t>(x);
  reference::MaskBlendRow(d + at, s + at, m + at, width - x, opaque);
}

void WeightBlendRow(uint8_t* d, const uint8_t* s, int width, int w) {
  int x = 0;
#if ZELVAN_KERNELS_SSE2
  const __m128i weight = _mm_set1_epi8(static_cast<char>(w));
  for (; x + 4 <= width; x += 4) {
    const size_t at = 4 * static_cast<size_t>(x);
    const __m128i dv = Load(d + at);
    const __m128i mixed = MixBytes16(dv, Load(s + at), weight);
    Store(d + at, _mm_or_si128(_mm_andnot_si128(kAlphaBytes, mixed), _mm_and_si128(dv, kAlphaBytes)));
  }
#endif
  const size_t at = 4 * static_cast<size_t>(x);
  reference::WeightBlendRow(d + at, s + at, width - x, w);
}

void MixBytes(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, int w, size_t count) {
  size_t i = 0;
#if ZELVAN_KERNELS_SSE2
  const __m128i uniform = _mm_set1_epi8(static_cast<char>(w));
  for (; i + 16 <= count; i += 16)
    Store(out + i, MixBytes16(Load(a + i), Load(b + i), weights != nullptr ? Load(weights + i) : uniform));
#endif
  reference::MixBytes(out + i, a + i, b + i, weights != nullptr ? weights + i : nullptr, w, count - i);
}

void AlphaOverRow(uint32_t* d, const uint32_t* s, int width, TAlphaRule rule, int fade) {
  int x = 0;
#if ZELVAN_KERNELS_SSE2
  const __m128i zero = _mm_setzero_si128();
  for (; x + 4 <= width; x += 4) {
    const __m128i sv = Load(s + x);
    // Four transparent source pixels change nothing (common around glyphs).
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(sv, kAlphaBytes), zero)) == 0xFFFF) continue;
    const __m128i dv = Load(d + x);
    const __m128i lo = AlphaOver2(_mm_unpacklo_epi8(sv, zero), _mm_unpacklo_epi8(dv, zero), rule, fade);
    const __m128i hi = AlphaOver2(_mm_unpackhi_epi8(sv, zero), _mm_unpackhi_epi8(dv, zero), rule, fade);
    Store(d + x, _mm_packus_epi16(lo, hi));
  }
#endif
  reference::AlphaOverRow(d + x, s + x, width - x, rule, fade);
}

}  // namespace zelvan::paint::kernels
