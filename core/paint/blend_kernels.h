#pragma once
// Row kernels of the integer blends. Each has a plain loop (the reference)
// and vector versions (SSE2, AVX2) that give the same bytes; each call takes
// the widest one that simd::Active() allows.

#include <cstddef>
#include <cstdint>

namespace zelvan::paint::kernels {

// B, G, R of d := ((d - s) * m + s * 256) shr 8 with m the mask's byte of the
// same channel; alpha kept, or 255 when opaque.
void MaskBlendRow(uint8_t* d, const uint8_t* s, const uint8_t* m, int width, bool opaque);

// B, G, R of d := ((d - s) * w + s * 256) shr 8; alpha kept.
void WeightBlendRow(uint8_t* d, const uint8_t* s, int width, int w);

// How a kernel writes its output. Streaming stores send it to memory past
// the caches: no read of the old output line first, and the inputs stay
// cached; worth it only when the output is larger than the caches anyway.
enum class TStores { kCached, kStreaming };

// All bytes: out := ((a - b) * k + b * 256) shr 8, k = weights[i] or, without
// a weight row, w.
void MixBytes(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, int w, size_t count,
              TStores stores = TStores::kCached);

// What happens to the destination alpha DA under a source alpha A.
enum class TAlphaRule {
  kUnion,  // DA + A * (255 - DA) div 255
  kMax,    // max(DA, A)
  kKeep,
};

// B, G, R of d := ((S - D) * k + D * 256) shr 8 where k = A, or with fade p
// in 1..100 k = (100 - p) * A div 100. A source alpha of 0 changes nothing.
void AlphaOverRow(uint32_t* d, const uint32_t* s, int width, TAlphaRule rule, int fade);

// The plain loops, for tests that compare them with the vector versions.
namespace reference {
void MaskBlendRow(uint8_t* d, const uint8_t* s, const uint8_t* m, int width, bool opaque);
void WeightBlendRow(uint8_t* d, const uint8_t* s, int width, int w);
void MixBytes(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, int w, size_t count);
void AlphaOverRow(uint32_t* d, const uint32_t* s, int width, TAlphaRule rule, int fade);
}  // namespace reference

}  // namespace zelvan::paint::kernels
