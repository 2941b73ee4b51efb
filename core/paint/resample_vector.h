#pragma once
// The resampler's vector kernels. Samples are widened once into 16-bit pairs
// (s, 128 s), and each 16.16 weight w is split into the pair (w & 127, w >> 7),
// so one multiply-add of pairs gives w * s exactly in 32 bits.

#include <cstddef>
#include <cstdint>

#include "core/simd/target.h"

namespace zelvan::paint::resample {

// (w & 127) in the low half, (w >> 7) in the high half; |w| <= 65536.
constexpr int32_t SplitWeight(int w) {
  return static_cast<int32_t>(static_cast<uint32_t>(w & 127) | (static_cast<uint32_t>(w >> 7) << 16));
}

#if ZELVAN_X86
namespace sse2 {
// out[2k], out[2k + 1] := in[k], 128 * in[k] for k < bytes.
void Expand(const uint8_t* in, size_t bytes, int16_t* out);
// out[k] := the sample of sum over t of w_t * rows[t][k], for from <= k < bytes,
// with split weights; rows expanded.
void SumRows(uint8_t* out, const int16_t* const* rows, const int32_t* weights, size_t taps, size_t from,
             size_t bytes);
// One output pixel of four channels from an expanded row: the sum over taps
// of the split weight times pixel index[t].
void SumPixel(uint8_t* out, const int16_t* row, const int* index, const int32_t* weights, size_t taps);
}  // namespace sse2
namespace avx2 {
void SumRows(uint8_t* out, const int16_t* const* rows, const int32_t* weights, size_t taps, size_t from,
             size_t bytes);
}  // namespace avx2
#endif

// The byte a 16.16 sum stands for: 0 below 0, 255 from 0xFF0001 on.
inline uint8_t FixedToByte(int sum) {
  if (sum < 0) return 0;
  if (sum >= 0xFF0001) return 255;
  return static_cast<uint8_t>(sum >> 16);
}

}  // namespace zelvan::paint::resample
