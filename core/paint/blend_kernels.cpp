#include "core/paint/blend_kernels.h"

#include <algorithm>

#include "core/paint/blend_kernels_vector.h"
#include "core/paint/pixel.h"
#include "core/simd/cpu_features.h"

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

namespace {

void PlainMixBytes(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, int w, size_t count,
                   TStores) {
  reference::MixBytes(out, a, b, weights, w, count);
}

constexpr TRowKernels kPlainRows = {reference::MaskBlendRow, reference::WeightBlendRow, PlainMixBytes,
                                    reference::AlphaOverRow};

const TRowKernels& Rows() {
#if ZELVAN_X86
  switch (simd::Active()) {
    case simd::TLevel::kAvx2:
      return kAvx2Rows;
    case simd::TLevel::kSsse3:
    case simd::TLevel::kSse2:
      return kSse2Rows;
    case simd::TLevel::kPlain:
      break;
  }
#endif
  return kPlainRows;
}

}  // namespace

void MaskBlendRow(uint8_t* d, const uint8_t* s, const uint8_t* m, int width, bool opaque) {
  Rows().MaskBlendRow(d, s, m, width, opaque);
}

void WeightBlendRow(uint8_t* d, const uint8_t* s, int width, int w) { Rows().WeightBlendRow(d, s, width, w); }

void MixBytes(uint8_t* out, const uint8_t* a, const uint8_t* b, const uint8_t* weights, int w, size_t count,
              TStores stores) {
  Rows().MixBytes(out, a, b, weights, w, count, stores);
}

void AlphaOverRow(uint32_t* d, const uint32_t* s, int width, TAlphaRule rule, int fade) {
  Rows().AlphaOverRow(d, s, width, rule, fade);
}

}  // namespace zelvan::paint::kernels
