#include "core/paint/weighted_blend.h"

#include <algorithm>
#include <vector>

#include "core/image/bitmap32.h"
#include "core/paint/blend_kernels.h"
#include "core/paint/blit_region.h"
#include "core/paint/system_colors.h"

namespace zelvan::paint {
namespace {

using image::TWorkingBitmap;

// A result frame this large (a 3840 x 2160 one has 33 MB) is out of the
// last-level cache before anyone reads it again, while the cross-fade reads
// two or three frames as large: it is written with streaming stores. Smaller
// frames stay cached for the blit that follows.
constexpr size_t kStreamingFrameBytes = size_t{16} << 20;

using image::Is32;
bool SameSize(const TWorkingBitmap& a, const TWorkingBitmap& b) {
  return a.Width() == b.Width() && a.Height() == b.Height();
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
    kernels::MaskBlendRow(d, s, mask, r.Width, opaque);
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
    kernels::WeightBlendRow(destination.ScanLine(r.DstY + y) + 4 * static_cast<size_t>(r.DstX),
                            source.ScanLine(r.SrcY + y) + 4 * static_cast<size_t>(r.SrcX), r.Width, weight);
}

void BlendColorByMask(TWorkingBitmap& destination, const TWorkingBitmap& mask, TColor color) {
  if (!Is32(destination) || !Is32(mask) || !SameSize(destination, mask)) return;
  // The colour as a row of pixels, blended like a picture under its mask.
  const std::vector<uint32_t> colorRow(static_cast<size_t>(destination.Width()), SwapRedBlue(ColorToRGB(color)));
  for (int y = 0; y < destination.Height(); ++y)
    kernels::MaskBlendRow(destination.ScanLine(y), reinterpret_cast<const uint8_t*>(colorRow.data()),
                          mask.ScanLine(y), destination.Width(), false);
}

void CrossFade(TWorkingBitmap& result, const TWorkingBitmap& first, const TWorkingBitmap& second, uint8_t weight,
               const TWorkingBitmap* weightBitmap) {
  if (!Is32(result) || !Is32(first) || !Is32(second) || !SameSize(first, second)) return;
  if (weightBitmap != nullptr && (!Is32(*weightBitmap) || !SameSize(first, *weightBitmap))) return;
  const int width = std::min(result.Width(), first.Width());
  const int height = std::min(result.Height(), first.Height());
  const size_t bytes = 4 * static_cast<size_t>(width);
  const auto stores = bytes * static_cast<size_t>(height) >= kStreamingFrameBytes ? kernels::TStores::kStreaming
                                                                                  : kernels::TStores::kCached;
  for (int y = 0; y < height; ++y)
    kernels::MixBytes(result.ScanLine(y), first.ScanLine(y), second.ScanLine(y),
                      weightBitmap != nullptr ? weightBitmap->ScanLine(y) : nullptr, weight, bytes, stores);
}

}  // namespace zelvan::paint
