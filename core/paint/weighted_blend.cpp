#include "core/paint/weighted_blend.h"

#include <algorithm>

#include "core/paint/blit_region.h"
#include "core/paint/pixel.h"
#include "core/paint/system_colors.h"

namespace zelvan::paint {
namespace {

using image::TPixelFormat;
using image::TWorkingBitmap;

bool Is32(const TWorkingBitmap& b) { return b.PixelFormat() == TPixelFormat::pf32bit; }
bool SameSize(const TWorkingBitmap& a, const TWorkingBitmap& b) {
  return a.Width() == b.Width() && a.Height() == b.Height();
}

uint8_t Mix(int a, int b, int w) { return static_cast<uint8_t>(WeightedMix(a, b, w)); }

// The hot loops work on bytes (B, G, R, A) so the compiler can vectorise them.
template <bool kOpaque>
void MaskRow(uint8_t* d, const uint8_t* s, const uint8_t* m, int width) {
  for (int i = 0; i < 4 * width; i += 4) {
    d[i] = Mix(d[i], s[i], m[i]);
    d[i + 1] = Mix(d[i + 1], s[i + 1], m[i + 1]);
    d[i + 2] = Mix(d[i + 2], s[i + 2], m[i + 2]);
    if (kOpaque) d[i + 3] = 255;
  }
}

void WeightRow(uint8_t* d, const uint8_t* s, int width, int w) {
  for (int i = 0; i < 4 * width; i += 4) {
    d[i] = Mix(d[i], s[i], w);
    d[i + 1] = Mix(d[i + 1], s[i + 1], w);
    d[i + 2] = Mix(d[i + 2], s[i + 2], w);
  }
}

}  // namespace

void BlendByMask(TWorkingBitmap& destination, TPoint destinationPoint, const TWorkingBitmap& source,
                 const TRect& imageRect, TPoint maskPoint, const TCacheInfo* cacheInfo) {
  if (!Is32(destination) || !Is32(source)) return;
  // Clip against the picture first, then cut what still falls outside the mask.
  TBlitRegion r = ClipBlit(destination, destinationPoint, source, {imageRect.Left, imageRect.Top},
                           imageRect.Width(), imageRect.Height());
  if (r.IsEmpty()) return;
  const TBlitRegion m = ClipBlit(destination, {r.DstX, r.DstY}, source,
                                 {maskPoint.X + r.SrcX - imageRect.Left, maskPoint.Y + r.SrcY - imageRect.Top},
                                 r.Width, r.Height);
  if (m.IsEmpty()) return;
  r = {m.DstX, m.DstY, r.SrcX + (m.DstX - r.DstX), r.SrcY + (m.DstY - r.DstY), m.Width, m.Height};
  const bool opaque = cacheInfo != nullptr && cacheInfo->Ready;
  for (int y = 0; y < r.Height; ++y) {
    uint8_t* d = destination.ScanLine(r.DstY + y) + 4 * static_cast<size_t>(r.DstX);
    const uint8_t* s = source.ScanLine(r.SrcY + y) + 4 * static_cast<size_t>(r.SrcX);
    const uint8_t* mask = source.ScanLine(m.SrcY + y) + 4 * static_cast<size_t>(m.SrcX);
    if (opaque)
      MaskRow<true>(d, s, mask, r.Width);
    else
      MaskRow<false>(d, s, mask, r.Width);
  }
}

void BlendBitmaps(TWorkingBitmap& destination, const TWorkingBitmap& source, uint8_t weight) {
  if (!SameSize(destination, source)) return;
  BlendBitmapAt(destination, source, weight, {0, 0}, {0, 0, source.Width(), source.Height()});
}

void BlendBitmapAt(TWorkingBitmap& destination, const TWorkingBitmap& source, uint8_t weight, TPoint destinationPoint,
                   const TRect& sourceRect) {
  if (!Is32(destination) || !Is32(source)) return;
  const TBlitRegion r = ClipBlit(destination, destinationPoint, source, {sourceRect.Left, sourceRect.Top},
                                 sourceRect.Width(), sourceRect.Height());
  for (int y = 0; y < r.Height; ++y)
    WeightRow(destination.ScanLine(r.DstY + y) + 4 * static_cast<size_t>(r.DstX),
              source.ScanLine(r.SrcY + y) + 4 * static_cast<size_t>(r.SrcX), r.Width, weight);
}

void BlendColorByMask(TWorkingBitmap& destination, const TWorkingBitmap& mask, TColor color) {
  if (!Is32(destination) || !Is32(mask) || !SameSize(destination, mask)) return;
  const uint32_t c = SwapRedBlue(ColorToRGB(color));
  const int cb = PixelB(c), cg = PixelG(c), cr = PixelR(c);
  for (int y = 0; y < destination.Height(); ++y) {
    uint8_t* d = destination.ScanLine(y);
    const uint8_t* m = mask.ScanLine(y);
    for (int i = 0; i < 4 * destination.Width(); i += 4) {
      d[i] = Mix(d[i], cb, m[i]);
      d[i + 1] = Mix(d[i + 1], cg, m[i + 1]);
      d[i + 2] = Mix(d[i + 2], cr, m[i + 2]);
    }
  }
}

void CrossFade(TWorkingBitmap& result, const TWorkingBitmap& first, const TWorkingBitmap& second, uint8_t weight,
               const TWorkingBitmap* weightBitmap) {
  if (!Is32(result) || !Is32(first) || !Is32(second) || !SameSize(first, second)) return;
  if (weightBitmap != nullptr && (!Is32(*weightBitmap) || !SameSize(first, *weightBitmap))) return;
  const int width = std::min(result.Width(), first.Width());
  const int height = std::min(result.Height(), first.Height());
  for (int y = 0; y < height; ++y) {
    uint8_t* out = result.ScanLine(y);
    const uint8_t* f = first.ScanLine(y);
    const uint8_t* s = second.ScanLine(y);
    if (weightBitmap != nullptr) {
      const uint8_t* k = weightBitmap->ScanLine(y);
      for (int i = 0; i < 4 * width; ++i) out[i] = Mix(f[i], s[i], k[i]);
    } else {
      for (int i = 0; i < 4 * width; ++i) out[i] = Mix(f[i], s[i], weight);
    }
  }
}

}  // namespace zelvan::paint
