#include "core/paint/skin_blits.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <memory>
#include <vector>

#include "core/image/bitmap32.h"
#include "core/paint/blend_kernels.h"
#include "core/paint/blit_region.h"
#include "core/paint/block_transfer.h"
#include "core/paint/image_part.h"
#include "core/paint/parent_pixel.h"
#include "core/paint/pixel.h"
#include "core/paint/resample.h"
#include "core/paint/system_colors.h"

namespace zelvan::paint {
namespace {

using image::TWorkingBitmap;

using image::Is32;

uint8_t* Bytes(uint32_t* p) { return reinterpret_cast<uint8_t*>(p); }
const uint8_t* Bytes(const uint32_t* p) { return reinterpret_cast<const uint8_t*>(p); }

// The pixel a colour argument fills with: pixel order, all four bytes.
uint32_t FillPixel(TColor color) { return SwapRedBlue(ColorToRGB(color)); }

bool InsideSource(const TRect& r, int extraRows, const TWorkingBitmap& source) {
  return r.Left >= 0 && r.Top >= 0 && r.Left < r.Right && r.Top < r.Bottom && r.Right <= source.Width() &&
         int64_t{r.Bottom} + extraRows <= source.Height();
}

// r of source from rowOffset rows further down, widened or heightened to 2 by
// repeating its only column or row, as the resampler needs.
std::unique_ptr<TWorkingBitmap> Excerpt(const TWorkingBitmap& source, const TRect& r, int rowOffset) {
  const int width = r.Width(), height = r.Height();
  auto out = image::CreateBmp32(std::max(width, 2), std::max(height, 2));
  for (int y = 0; y < out->Height(); ++y) {
    const uint32_t* s = source.Row32(r.Top + rowOffset + std::min(y, height - 1)) + r.Left;
    uint32_t* d = out->Row32(y);
    for (int x = 0; x < out->Width(); ++x) d[x] = s[std::min(x, width - 1)];
  }
  return out;
}

// The stretched slice and mask, blended over the visible rows.
void BlendStretched(TWorkingBitmap& destination, const TRect& visible, const TPoint& origin,
                    const TWorkingBitmap& picture, const TWorkingBitmap& mask) {
  const int skip = visible.Left - origin.X;
  for (int y = visible.Top; y < visible.Bottom; ++y)
    kernels::MaskBlendRow(Bytes(destination.Row32(y) + visible.Left), Bytes(picture.Row32(y - origin.Y) + skip),
                          Bytes(mask.Row32(y - origin.Y) + skip), visible.Width(), true);
}

void BlendOnePixel(TWorkingBitmap& destination, const TRect& visible, uint32_t pixel, uint32_t mask) {
  const int maskRed = PixelR(mask);
  if (maskRed == 255) return;
  const std::vector<uint32_t> pictureRow(static_cast<size_t>(visible.Width()), pixel | 0xFF000000u);
  const std::vector<uint32_t> maskRow(pictureRow.size(), mask);
  for (int y = visible.Top; y < visible.Bottom; ++y) {
    uint32_t* d = destination.Row32(y) + visible.Left;
    if (maskRed == 0)
      std::copy(pictureRow.begin(), pictureRow.end(), d);
    else
      kernels::MaskBlendRow(Bytes(d), Bytes(pictureRow.data()), Bytes(maskRow.data()), visible.Width(), true);
  }
}

void BlendNearest(TWorkingBitmap& destination, const TRect& destinationRect, const TRect& visible,
                  const TWorkingBitmap& source, const TRect& sourceRect, int maskOffset) {
  const std::vector<int> columns = NearestIndexes(int64_t{visible.Left} - destinationRect.Left, visible.Width(),
                                                  sourceRect.Width(), destinationRect.Width());
  const std::vector<int> rows = NearestIndexes(int64_t{visible.Top} - destinationRect.Top, visible.Height(),
                                               sourceRect.Height(), destinationRect.Height());
  std::vector<uint32_t> picture(columns.size()), mask(columns.size());
  for (int y = visible.Top; y < visible.Bottom; ++y) {
    const int sy = sourceRect.Top + rows[static_cast<size_t>(y - visible.Top)];
    const uint32_t* s = source.Row32(sy) + sourceRect.Left;
    const uint32_t* m = source.Row32(sy + maskOffset) + sourceRect.Left;
    for (size_t x = 0; x < columns.size(); ++x) {
      picture[x] = s[columns[x]];
      mask[x] = m[columns[x]];
    }
    kernels::MaskBlendRow(Bytes(destination.Row32(y) + visible.Left), Bytes(picture.data()), Bytes(mask.data()),
                          visible.Width(), true);
  }
}

}  // namespace

void BlitMasked(const TRect& destinationRect, const TRect& sourceRect, TWorkingBitmap& destination,
                const store::TsMaskData& part, bool fillFromParent, const TCacheInfo& cacheInfo,
                const TWorkingBitmap& source) {
  const int maskOffset = StateHeight(part);
  if (part.MaskType <= 0 || maskOffset <= 0 || !Is32(destination) || !Is32(source)) return;
  const TBlitRegion r = ClipBlitRectsWithMask(destination, destinationRect, source, sourceRect, maskOffset);
  const bool ready = cacheInfo.Ready;
  const uint32_t fill = FillPixel(cacheInfo.FillColor);
  for (int row = 0; row < r.Height; ++row) {
    const int y = r.DstY + row;
    uint32_t* d = destination.Row32(y) + r.DstX;
    const uint32_t* s = source.Row32(r.SrcY + row) + r.SrcX;
    const uint32_t* m = source.Row32(r.SrcY + maskOffset + row) + r.SrcX;
    if (ready && !fillFromParent) {
      kernels::MaskBlendRow(Bytes(d), Bytes(s), Bytes(m), r.Width, true);
      continue;
    }
    // Runs of picture pixels go through the row kernel; key pixels one by one.
    for (int i = 0; i < r.Width;) {
      int end = i;
      while (end < r.Width && s[end] != kKeyPixel) ++end;
      kernels::MaskBlendRow(Bytes(d + i), Bytes(s + i), Bytes(m + i), end - i, ready);
      for (i = end; i < r.Width && s[i] == kKeyPixel; ++i) {
        if (!fillFromParent) continue;
        if (!ready) {
          d[i] = fill;
          continue;
        }
        const TParentPixel parent = LookupParentPixel(cacheInfo, r.DstX + i, y);
        if (parent.Place == TParentPlace::Inside) d[i] = parent.Pixel;
      }
    }
  }
}

void BlitKeyed(TWorkingBitmap& destination, const TWorkingBitmap& source, int x, bool fillFromParent,
               const TCacheInfo& cacheInfo, TColor key, const TRect& sourceRect, int y) {
  if (!Is32(destination) || !Is32(source)) return;
  const int64_t width = int64_t{sourceRect.Right} - sourceRect.Left + 1;
  const int64_t height = int64_t{sourceRect.Bottom} - sourceRect.Top + 1;
  if (width <= 0 || height <= 0) return;
  const TBlitRegion r = ClipBlit(destination, {x, y}, source, {sourceRect.Left, sourceRect.Top},
                                 static_cast<int>(std::min<int64_t>(width, INT32_MAX)),
                                 static_cast<int>(std::min<int64_t>(height, INT32_MAX)));
  enum class TKeyRule { kInPlace, kParent, kSkip, kFill };
  const bool parent = fillFromParent && cacheInfo.Ready && cacheInfo.Bmp != nullptr;
  const TKeyRule rule = parent             ? (cacheInfo.Bmp == &destination ? TKeyRule::kInPlace : TKeyRule::kParent)
                        : cacheInfo.Ready ? TKeyRule::kSkip
                                          : TKeyRule::kFill;
  const uint32_t keyPixel = FillPixel(key);
  const uint32_t fill = FillPixel(cacheInfo.FillColor);
  // Painting into the parent's own picture: key pixels already show it.
  const uint32_t opaque = rule == TKeyRule::kInPlace ? 0xFF000000u : 0;
  for (int row = 0; row < r.Height; ++row) {
    uint32_t* d = destination.Row32(r.DstY + row) + r.DstX;
    const uint32_t* s = source.Row32(r.SrcY + row) + r.SrcX;
    for (int i = 0; i < r.Width; ++i) {
      if (s[i] != keyPixel) {
        d[i] = s[i] | opaque;
      } else if (rule == TKeyRule::kFill) {
        d[i] = fill;
      } else if (rule == TKeyRule::kParent) {
        const TParentPixel p = LookupParentPixel(cacheInfo, r.DstX + i, r.DstY + row);
        if (p.Place == TParentPlace::Inside) d[i] = p.Pixel;
      }
    }
  }
}

void BlitGlyph(const TRect& destinationRect, const TRect& sourceRect, TWorkingBitmap& destination,
               const store::TsMaskData& part, int mode, const TWorkingBitmap& source) {
  if (!Is32(destination) || !Is32(source)) return;
  const int maskOffset = part.MaskType > 0 ? StateHeight(part) : 0;
  if (part.MaskType > 0 && maskOffset <= 0) return;
  const TBlitRegion r = ClipBlitRectsWithMask(destination, destinationRect, source, sourceRect, maskOffset);
  const int raise = mode == 1 ? 0 : 100;  // a faded glyph lets more of the background through
  for (int row = 0; row < r.Height; ++row) {
    uint32_t* d = destination.Row32(r.DstY + row) + r.DstX;
    const uint32_t* s = source.Row32(r.SrcY + row) + r.SrcX;
    const uint32_t* m = source.Row32(r.SrcY + maskOffset + row) + r.SrcX;
    for (int i = 0; i < r.Width; ++i) {
      if (s[i] == kKeyPixel) continue;
      if (maskOffset == 0) {
        d[i] = s[i];
        continue;
      }
      const int maskRed = PixelR(m[i]);
      if (maskRed == 255) continue;
      auto weight = [raise](int mc) { return std::min(mc + raise, 255); };
      const uint32_t p = d[i];
      const int alpha = PixelA(p) + (((255 - PixelA(p)) * (255 - maskRed)) >> 8);
      d[i] = MakePixel(WeightedMix(PixelR(p), PixelR(s[i]), weight(maskRed)),
                       WeightedMix(PixelG(p), PixelG(s[i]), weight(PixelG(m[i]))),
                       WeightedMix(PixelB(p), PixelB(s[i]), weight(PixelB(m[i]))), alpha);
    }
  }
}

void StretchMaskedEdge(TWorkingBitmap& destination, const TRect& destinationRect, const TWorkingBitmap& source,
                       const TRect& sourceRect, int maskOffset, bool centre) {
  if (!Is32(destination) || !Is32(source) || maskOffset < 0) return;
  if (destinationRect.Left < 0 || destinationRect.Top < 0 || destinationRect.IsEmpty()) return;
  if (destination.Width() < 2 || destination.Height() < 2) return;
  if (!InsideSource(sourceRect, maskOffset, source)) return;
  if (maskOffset == 0) {
    StretchNearest(destination, destinationRect, source, sourceRect);
    return;
  }
  const TRect visible = ClipToSize(destinationRect, destination.Width(), destination.Height());
  if (visible.IsEmpty()) return;
  const int sw = sourceRect.Width(), sh = sourceRect.Height();
  const int dw = destinationRect.Width(), dh = destinationRect.Height();  // Left, Top >= 0: no overflow
  if (centre && sw == 1 && sh == 1) {
    BlendOnePixel(destination, visible, source.Row32(sourceRect.Top)[sourceRect.Left],
                  source.Row32(sourceRect.Top + maskOffset)[sourceRect.Left]);
    return;
  }
  // Filters only where nearest neighbour would drop whole rows or columns of
  // a slice that is otherwise kept, and for the large centre.
  const bool shrinksOneWay = (dw < sw && dh == sh) || (dh < sh && dw == sw);
  if (!(shrinksOneWay || centre) || dw <= 1 || dh <= 1) {
    BlendNearest(destination, destinationRect, visible, source, sourceRect, maskOffset);
    return;
  }
  try {
    std::unique_ptr<TWorkingBitmap> picture, mask;
    Resample(*Excerpt(source, sourceRect, 0), picture, dw, TFilterKind::fkMitchell, dh);
    Resample(*Excerpt(source, sourceRect, maskOffset), mask, dw, TFilterKind::fkHermite, dh);
    BlendStretched(destination, visible, {destinationRect.Left, destinationRect.Top}, *picture, *mask);
  } catch (const std::exception&) {
    // A destination too large for a working bitmap: nothing is painted.
  }
}

}  // namespace zelvan::paint
