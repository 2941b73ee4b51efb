// PNG unfiltering with SSE2 for rows of 3- and 4-byte pixels (RGB, RGBA,
// gray and alpha at 16 bits), and for "up" at any pixel size. Sub is a
// prefix sum over a block of pixels; average and Paeth depend on the pixel
// just decoded, so they go one pixel at a time in vector lanes. Average of
// 3-byte pixels goes byte by byte with the pixel just decoded kept in
// registers, which measured faster than vector lanes: reading three bytes
// costs two loads, and four bytes would overlap the last store.
#include <cstring>

#include "core/image/png_rows.h"
#include "core/simd/target.h"

#if ZELVAN_X86

namespace zelvan::image::png::sse2 {
namespace {

#define SSE2 ZELVAN_TARGET_SSE2

// One pixel of 3 or 4 bytes in the low lanes, the rest zero. The size is a
// constant so the copies become plain moves.
template <size_t pixelBytes>
SSE2 inline __m128i LoadPixel(const uint8_t* p) {
  uint32_t v = 0;
  std::memcpy(&v, p, pixelBytes);
  return _mm_cvtsi32_si128(static_cast<int>(v));
}

template <size_t pixelBytes>
SSE2 inline void StorePixel(uint8_t* p, __m128i v) {
  const auto bits = static_cast<uint32_t>(_mm_cvtsi128_si32(v));
  std::memcpy(p, &bits, pixelBytes);
}

template <size_t pixelBytes>
SSE2 void Sub(uint8_t* row, size_t bytes) {
  // Four pixels a block: each adds the sum of the pixels before it.
  const size_t block = 4 * pixelBytes;
  __m128i last = _mm_setzero_si128();  // the decoded pixel before the block
  size_t i = 0;
  for (; i + 16 <= bytes; i += block) {
    __m128i x = _mm_add_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i)), last);
    if constexpr (pixelBytes == 4) {
      x = _mm_add_epi8(x, _mm_slli_si128(x, 4));
      x = _mm_add_epi8(x, _mm_slli_si128(x, 8));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), x);
      last = _mm_srli_si128(x, 12);
    } else {
      x = _mm_add_epi8(x, _mm_slli_si128(x, 3));
      x = _mm_add_epi8(x, _mm_slli_si128(x, 6));
      x = _mm_add_epi8(x, _mm_slli_si128(x, 12));
      // Only the twelve bytes of the block: the next ones are still filtered.
      _mm_storel_epi64(reinterpret_cast<__m128i*>(row + i), x);
      StorePixel<4>(row + i + 8, _mm_srli_si128(x, 8));
      last = _mm_and_si128(_mm_srli_si128(x, 9), _mm_cvtsi32_si128(0xFFFFFF));
    }
  }
  for (; i < bytes; i += pixelBytes) {
    const __m128i x = _mm_add_epi8(LoadPixel<pixelBytes>(row + i), last);
    StorePixel<pixelBytes>(row + i, x);
    last = x;
  }
}

SSE2 void Up(uint8_t* row, const uint8_t* previous, size_t bytes) {
  size_t i = 0;
  for (; i + 16 <= bytes; i += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(previous + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), _mm_add_epi8(x, b));
  }
  for (; i < bytes; ++i) row[i] = static_cast<uint8_t>(row[i] + previous[i]);
}

SSE2 inline __m128i Abs16(__m128i x) { return _mm_max_epi16(x, _mm_sub_epi16(_mm_setzero_si128(), x)); }

template <size_t pixelBytes>
SSE2 void Paeth(uint8_t* row, const uint8_t* previous, size_t bytes) {
  // In 16-bit lanes: p = a + b - c, so |p - a| = |b - c|, |p - b| = |a - c|
  // and |p - c| = |(b - c) + (a - c)|. Ties prefer a, then b.
  const __m128i zero = _mm_setzero_si128();
  __m128i a = zero, c = zero;
  for (size_t i = 0; i < bytes; i += pixelBytes) {
    const __m128i b = _mm_unpacklo_epi8(LoadPixel<pixelBytes>(previous + i), zero);
    const __m128i bc = _mm_sub_epi16(b, c), ac = _mm_sub_epi16(a, c);
    const __m128i pa = Abs16(bc), pb = Abs16(ac), pc = Abs16(_mm_add_epi16(bc, ac));
    const __m128i takeA = _mm_andnot_si128(_mm_or_si128(_mm_cmpgt_epi16(pa, pb), _mm_cmpgt_epi16(pa, pc)),
                                           _mm_set1_epi16(-1));
    const __m128i takeB = _mm_andnot_si128(_mm_cmpgt_epi16(pb, pc), _mm_set1_epi16(-1));
    const __m128i bOrC = _mm_or_si128(_mm_and_si128(takeB, b), _mm_andnot_si128(takeB, c));
    const __m128i predicted = _mm_or_si128(_mm_and_si128(takeA, a), _mm_andnot_si128(takeA, bOrC));
    const __m128i x = _mm_add_epi8(LoadPixel<pixelBytes>(row + i), _mm_packus_epi16(predicted, zero));
    StorePixel<pixelBytes>(row + i, x);
    a = _mm_unpacklo_epi8(x, zero);
    c = b;
  }
}

// (a + b) shr 1 per byte: avg rounds up, so take back the odd bit.
SSE2 inline __m128i FloorMean(__m128i a, __m128i b) {
  return _mm_sub_epi8(_mm_avg_epu8(a, b), _mm_and_si128(_mm_xor_si128(a, b), _mm_set1_epi8(1)));
}

SSE2 void Average4(uint8_t* row, const uint8_t* previous, size_t bytes) {
  __m128i a = _mm_setzero_si128();
  for (size_t i = 0; i < bytes; i += 4) {
    a = _mm_add_epi8(LoadPixel<4>(row + i), FloorMean(a, LoadPixel<4>(previous + i)));
    StorePixel<4>(row + i, a);
  }
}

// The left pixel never goes through memory: each byte waits only for the
// same byte of the pixel before, not for a store to be read back.
void Average3(uint8_t* row, const uint8_t* previous, size_t bytes) {
  unsigned a0 = 0, a1 = 0, a2 = 0;
  for (size_t i = 0; i < bytes; i += 3) {
    a0 = (row[i] + ((a0 + previous[i]) >> 1)) & 0xFFu;
    a1 = (row[i + 1] + ((a1 + previous[i + 1]) >> 1)) & 0xFFu;
    a2 = (row[i + 2] + ((a2 + previous[i + 2]) >> 1)) & 0xFFu;
    row[i] = static_cast<uint8_t>(a0);
    row[i + 1] = static_cast<uint8_t>(a1);
    row[i + 2] = static_cast<uint8_t>(a2);
  }
}

template <size_t pixelBytes>
SSE2 void UnfilterPixels(int type, uint8_t* row, const uint8_t* previous, size_t bytes) {
  if (type == 1)
    Sub<pixelBytes>(row, bytes);
  else if (type == 3 && pixelBytes == 4)
    Average4(row, previous, bytes);
  else if (type == 3)
    Average3(row, previous, bytes);
  else
    Paeth<pixelBytes>(row, previous, bytes);
}

#undef SSE2

}  // namespace

ZELVAN_TARGET_SSE2 ZELVAN_VECTOR_ENTRY bool Unfilter(int type, uint8_t* row, const uint8_t* previous, size_t bytes,
                                                     size_t pixelBytes) {
  if (type == 2) {
    Up(row, previous, bytes);
    return true;
  }
  if ((type != 1 && type != 3 && type != 4) || (pixelBytes != 3 && pixelBytes != 4) || bytes % pixelBytes != 0)
    return false;
  if (pixelBytes == 3)
    UnfilterPixels<3>(type, row, previous, bytes);
  else
    UnfilterPixels<4>(type, row, previous, bytes);
  return true;
}

}  // namespace zelvan::image::png::sse2

#endif
