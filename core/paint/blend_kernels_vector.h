#pragma once
// The vector versions of the blend kernels, one table per instruction level;
// blend_kernels.cpp picks one per call by simd::Active().

#include "core/paint/blend_kernels.h"
#include "core/simd/target.h"

namespace zelvan::paint::kernels {

struct TRowKernels {
  void (*MaskBlendRow)(uint8_t* d, const uint8_t* s, const uint8_t* m, int width, bool opaque);
  void (*WeightBlendRow)(uint8_t* d, const uint8_t* s, int width, int w);
  void (*MixBytes)(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, int w, size_t count,
                   TStores stores);
  void (*AlphaOverRow)(uint32_t* d, const uint32_t* s, int width, TAlphaRule rule, int fade);
};

// Bytes from p to the next multiple of alignment (a power of two); 0 when p
// is one. Streaming stores need aligned addresses.
inline size_t BytesToBoundary(const void* p, size_t alignment) {
  return (alignment - reinterpret_cast<uintptr_t>(p) % alignment) % alignment;
}

#if ZELVAN_X86
extern const TRowKernels kSse2Rows;
extern const TRowKernels kAvx2Rows;
#endif

}  // namespace zelvan::paint::kernels
