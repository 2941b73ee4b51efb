#include "core/paint/mask_painting.h"

#include <algorithm>
#include <cstdint>

#include "core/image/bitmap32.h"
#include "core/paint/blend_kernels.h"
#include "core/paint/blit_region.h"
#include "core/paint/frame_region.h"
#include "core/paint/block_transfer.h"
#include "core/paint/image_part.h"
#include "core/paint/keyed_copy.h"
#include "core/paint/skin_blits.h"
#include "core/paint/weighted_blend.h"

namespace zelvan::paint {
namespace {

using image::TWorkingBitmap;
using store::TsMaskData;

using image::Is32;

// A w x h rect at point, its far edges held inside the int range.
TRect RectAt(TPoint point, int width, int height) {
  return {point.X, point.Y, static_cast<int>(std::min<int64_t>(int64_t{point.X} + width, INT32_MAX)),
          static_cast<int>(std::min<int64_t>(int64_t{point.Y} + height, INT32_MAX))};
}

bool SizeFitsInt(const TRect& r) {
  return int64_t{r.Right} - r.Left <= INT32_MAX && int64_t{r.Bottom} - r.Top <= INT32_MAX;
}

// The first piece.Width() x piece.Height() pixels of a source slice.
TRect LeadingPart(const TRect& source, const TRect& piece) {
  return {source.Left, source.Top, source.Left + piece.Width(), source.Top + piece.Height()};
}

TRect Inclusive(const TRect& r) { return {r.Left, r.Top, r.Right - 1, r.Bottom - 1}; }

// Margins wider than size together: the excess comes off both, the far one
// taking the odd pixel. Where one margin alone is wider than the rect that
// still leaves too much; the rest comes off so no slice leaves the rect.
void FitMargins(int& nearSide, int& farSide, int size) {
  nearSide = std::max(nearSide, 0);
  farSide = std::max(farSide, 0);
  const int excess = nearSide + farSide - size;
  if (excess > 0) {
    nearSide = std::max(0, nearSide - excess / 2);
    farSide = std::max(0, farSide - excess / 2 - excess % 2);
  }
  nearSide = std::min(nearSide, size);
  farSide = std::min(farSide, size - nearSide);
}

enum class TSliceKind { kCorner, kEdge, kCentre };

struct TSlice {
  TRect Source;
  TRect Target;
  TSliceKind Kind;
};

// The nine slices of a state image over rect in painting order, empty ones
// left out; none when the image cannot hold the margins.
std::vector<TSlice> NineSlices(const TRect& rect, const TRect& image, const TsMaskData& part, bool withCentre) {
  int L = part.WL, T = part.WT, Rm = part.WR, Bm = part.WB;
  FitMargins(L, Rm, rect.Width());
  FitMargins(T, Bm, rect.Height());
  const int w = image.Width(), h = image.Height(), sx = image.Left, sy = image.Top;
  const int cw = w - L - Rm, ch = h - T - Bm;
  if (w <= 0 || h <= 0 || cw < 0 || ch < 0) return {};
  const int l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
  const int cx = sx + L + cw;  // first source column of the right slices
  std::vector<TSlice> slices = {
      {{sx, sy, sx + L, sy + T}, {l, t, l + L, t + T}, TSliceKind::kCorner},
      {{sx, sy + T, sx + L, sy + T + ch}, {l, t + T, l + L, b - Bm}, TSliceKind::kEdge},
      {{sx + L, sy, cx, sy + T}, {l + L, t, r - Rm, t + T}, TSliceKind::kEdge},
      {{sx, sy + h - Bm, sx + L, sy + h}, {l, b - Bm, l + L, b}, TSliceKind::kCorner},
      {{sx + L, sy + h - Bm, cx, sy + h}, {l + L, b - Bm, r - Rm, b}, TSliceKind::kEdge},
      {{cx, sy + h - Bm, sx + w, sy + h}, {r - Rm, b - Bm, r, b}, TSliceKind::kCorner},
      {{cx, sy, sx + w, sy + T}, {r - Rm, t, r, t + T}, TSliceKind::kCorner},
      {{cx, sy + T, sx + w, sy + T + ch}, {r - Rm, t + T, r, b - Bm}, TSliceKind::kEdge},
  };
  if (withCentre) slices.push_back({{sx + L, sy + T, cx, sy + T + ch}, {l + L, t + T, r - Rm, b - Bm}, TSliceKind::kCentre});
  std::erase_if(slices, [](const TSlice& s) { return s.Source.IsEmpty() || s.Target.IsEmpty(); });
  return slices;
}

// A corner of DrawMaskRectRegion: key pixels become cut-out runs, the rest is
// blended by the mask (maskOffset > 0) or copied.
void PaintCornerCuttingKeys(TWorkingBitmap& bitmap, const TSlice& slice, const TWorkingBitmap& source, int maskOffset,
                            std::vector<TRect>& cutOut) {
  const TBlitRegion r = ClipBlitRectsWithMask(bitmap, slice.Target, source, slice.Source, maskOffset);
  for (int row = 0; row < r.Height; ++row) {
    const int y = r.DstY + row;
    uint32_t* d = bitmap.Row32(y) + r.DstX;
    const uint32_t* s = source.Row32(r.SrcY + row) + r.SrcX;
    const uint32_t* m = source.Row32(r.SrcY + maskOffset + row) + r.SrcX;
    AppendKeyRuns(s, r.Width, r.DstX, y, cutOut);
    for (int i = 0; i < r.Width; ++i) {
      if (s[i] == kKeyPixel) continue;
      if (maskOffset > 0)
        kernels::MaskBlendRow(reinterpret_cast<uint8_t*>(d + i), reinterpret_cast<const uint8_t*>(s + i),
                              reinterpret_cast<const uint8_t*>(m + i), 1, false);
      else
        d[i] = s[i];
    }
  }
}

}  // namespace

void DrawMaskGlyph(TWorkingBitmap& bitmap, TPoint point, int state, const TCacheInfo& cacheInfo,
                   const TsMaskData& part, int mode) {
  if (part.Manager == nullptr || !Is32(bitmap)) return;
  const TRect image = StateRect(part, state);
  if (image.IsEmpty()) return;
  const TRect target = RectAt(point, image.Width(), image.Height());
  if (part.Bmp) {
    if (part.Bmp->Width() >= part.R.Right && part.Bmp->Height() >= part.R.Bottom)
      BlitGlyph(target, image, bitmap, part, mode, *part.Bmp);
    return;
  }
  const TWorkingBitmap* master = PartBitmap(part);
  if (master == nullptr) return;
  if (part.MaskType > 0)
    BlitGlyph(target, image, bitmap, part, mode, *master);
  else if (mode == 1)
    BlitKeyed(bitmap, *master, point.X, true, cacheInfo, kKeyColor, Inclusive(image), point.Y);
  else
    BlendFromSource(bitmap, point.X, point.Y, kKeyColor, 0.5, image, *master);  // half strength
}

void DrawMaskRect(TWorkingBitmap& bitmap, const TRect& rect, bool cornersFromParent, int state,
                  const TsMaskData& part, const TCacheInfo& cacheInfo, TFrameCorners corners) {
  if (state == 0 && (part.DrawMode & 2) != 0) return;
  if (!SizeFitsInt(rect) || rect.Width() < 2 || rect.Height() < 2 || !Is32(bitmap)) return;
  const TWorkingBitmap* source = PartBitmap(part);
  if (source == nullptr) return;
  const bool stretch = (part.DrawMode & 1) != 0;
  const bool masked = part.MaskType != 0;
  const int maskOffset = StateHeight(part);
  const bool cornerFill = corners == TFrameCorners::kFromParent || (cornersFromParent && part.CornerType > 0);
  const TRect visible{0, 0, bitmap.Width(), bitmap.Height()};
  for (const TSlice& slice : NineSlices(rect, StateRect(part, state), part, (part.DrawMode & 4) != 0)) {
    if (slice.Kind == TSliceKind::kCorner) {
      if (masked)
        BlitMasked(slice.Target, slice.Source, bitmap, part, cornerFill, cacheInfo, *source);
      else
        BlitKeyed(bitmap, *source, slice.Target.Left, cornerFill, cacheInfo, kKeyColor, Inclusive(slice.Source),
                  slice.Target.Top);
    } else if (stretch) {
      if (masked)
        StretchMaskedEdge(bitmap, slice.Target, *source, slice.Source, maskOffset, slice.Kind == TSliceKind::kCentre);
      else
        StretchNearest(bitmap, slice.Target, *source, slice.Source);
    } else if (masked) {
      ForEachTile(slice.Target, slice.Source.Width(), slice.Source.Height(), visible, [&](const TRect& piece) {
        BlitMasked(piece, LeadingPart(slice.Source, piece), bitmap, part, false, TCacheInfo{}, *source);
      });
    } else {
      TileBlock(bitmap, slice.Target, *source, slice.Source);
    }
  }
}

void DrawMaskRectRegion(TWorkingBitmap& bitmap, std::vector<TRect>& cutOut, int state, const TsMaskData& part) {
  if (!Is32(bitmap) || bitmap.Width() < 2 || bitmap.Height() < 2) return;
  const TWorkingBitmap* source = PartBitmap(part);
  if (source == nullptr) return;
  TRect image = StateRect(part, state);
  if (part.ImageCount < 1) {
    image = part.Bmp ? TRect{0, 0, source->Width(), source->Height()} : part.R;
    image.Bottom = image.Top + StateHeightIn(image, part.MaskType);
  }
  const int maskOffset = part.MaskType == 1 ? image.Height() : 0;
  const bool stretch = (part.DrawMode & 1) != 0;
  const TRect whole{0, 0, bitmap.Width(), bitmap.Height()};
  for (const TSlice& slice : NineSlices(whole, image, part, (part.DrawMode & 4) != 0)) {
    if (slice.Kind == TSliceKind::kCorner) {
      PaintCornerCuttingKeys(bitmap, slice, *source, maskOffset, cutOut);
    } else if (stretch) {
      StretchMaskedEdge(bitmap, slice.Target, *source, slice.Source, maskOffset, slice.Kind == TSliceKind::kCentre);
    } else if (maskOffset > 0) {
      ForEachTile(slice.Target, slice.Source.Width(), slice.Source.Height(), whole, [&](const TRect& piece) {
        const TRect from = LeadingPart(slice.Source, piece);
        BlendByMask(bitmap, {piece.Left, piece.Top}, *source, from, {from.Left, from.Top + maskOffset});
      });
    } else {
      TileBlock(bitmap, slice.Target, *source, slice.Source);
    }
  }
}

}  // namespace zelvan::paint
