#include "core/paint/item_frame.h"

#include <algorithm>
#include <cstdint>

#include "core/image/bitmap32.h"
#include "core/paint/fill.h"
#include "core/paint/image_part.h"
#include "core/paint/item_background.h"
#include "core/paint/item_fill.h"
#include "core/paint/mask_painting.h"
#include "core/paint/parent_pixel.h"

namespace zelvan::paint {
namespace {

using image::TWorkingBitmap;

// The picture rect of the frame's state, empty when the part has none.
TRect FrameStateRect(const store::TsMaskData& part, int state) {
  if (part.ImageCount == 0 && part.Bmp) {
    const int width = part.Bmp->Width() / 3;
    const int s = std::clamp(state, 0, 2);
    return {s * width, 0, (s + 1) * width, StateHeightIn({0, 0, part.Bmp->Width(), part.Bmp->Height()}, part.MaskType)};
  }
  // Without a state image there is nothing to compare: StateRect is empty then.
  return StateRect(part, std::max(state, 0));
}

struct TMargins {
  int Left, Top, Right, Bottom;
};

TMargins MarginsOf(const store::TsSkinStore& manager, int index) {
  return {manager.MaskWidthLeft(index), manager.MaskWidthTop(index), manager.MaskWidthRight(index),
          manager.MaskWidthBottom(index)};
}

// One corner: width x height pixels from source (sx, sy) against the cache
// at (cx, cy), each pixel taken only where both sides lie inside.
void FillCorner(TWorkingBitmap& cache, const TWorkingBitmap& source, const TRect& stateRect, TPoint from, TPoint to,
                int width, int height, const TCacheInfo& parent) {
  const TRect inside = IntersectRects(stateRect, {0, 0, source.Width(), source.Height()});
  const bool picture = parent.Ready && parent.Bmp != nullptr;
  if (!picture && (parent.Ready || parent.FillColor == kKeyColor)) return;
  const uint32_t color = ColorPixel(parent.FillColor, 255);
  for (int dy = 0; dy < height; ++dy) {
    const int sy = from.Y + dy, cy = to.Y + dy;
    if (sy < inside.Top || sy >= inside.Bottom || cy < 0 || cy >= cache.Height()) continue;
    for (int dx = 0; dx < width; ++dx) {
      const int sx = from.X + dx, cx = to.X + dx;
      if (sx < inside.Left || sx >= inside.Right || cx < 0 || cx >= cache.Width()) continue;
      if (source.Row32(sy)[sx] != kKeyPixel) continue;
      if (!picture) {
        cache.Row32(cy)[cx] = color;
      } else if (const TParentPixel p = LookupParentPixel(parent, cx, cy); p.Place == TParentPlace::Inside) {
        cache.Row32(cy)[cx] = p.Pixel;
      }
    }
  }
}

TRect Deflate(const TRect& r, int left, int top, int right, int bottom) {
  TRect d{r.Left + left, r.Top + top, r.Right - right, r.Bottom - bottom};
  d.Right = std::max(d.Right, d.Left);
  d.Bottom = std::max(d.Bottom, d.Top);
  return d;
}

// What shows behind a masked frame's margins before it is drawn.
void PrepareMaskedFrame(TWorkingBitmap& cache, const TRect& rect, const TMargins& m, const TCacheInfo& parent,
                        TColor backgroundColor) {
  if (!(parent.Ready && parent.Bmp != nullptr)) {
    FillFrame32(cache, rect, m.Left, m.Top, m.Right, m.Bottom, backgroundColor);
    return;
  }
  for (const TRect& strip : FrameStrips(rect, m.Left, m.Top, m.Right, m.Bottom)) {
    CopyParentBlock(cache, strip, parent, {strip.Left, strip.Top});
  }
}

}  // namespace

void FillParentCorners(const store::TsSkinStore* manager, int frameIndex, int state, int corners, TWorkingBitmap& cache,
                       const TCacheInfo& parent) {
  if (manager == nullptr || !manager->IsValidImgIndex(frameIndex) || !image::Is32(cache)) return;
  const store::TsMaskData& part = manager->ma[static_cast<size_t>(frameIndex)];
  const TWorkingBitmap* source = PartBitmap(part);
  const TRect sr = FrameStateRect(part, state);
  // A part without a state image has no corners to compare.
  if (source == nullptr || sr.IsEmpty()) return;
  // The skin's margins, BorderWidth counting where a side has none of its own.
  const TMargins m = MarginsOf(*manager, frameIndex);
  const int w = cache.Width(), h = cache.Height();
  if (corners & kCornerTopLeft) FillCorner(cache, *source, sr, {sr.Left, sr.Top}, {0, 0}, m.Left, m.Top, parent);
  if (corners & kCornerBottomLeft)
    FillCorner(cache, *source, sr, {sr.Left, sr.Bottom - m.Bottom}, {0, h - m.Bottom}, m.Left, m.Bottom, parent);
  if (corners & kCornerTopRight)
    FillCorner(cache, *source, sr, {sr.Right - m.Right, sr.Top}, {w - m.Right, 0}, m.Right, m.Top, parent);
  if (corners & kCornerBottomRight)
    FillCorner(cache, *source, sr, {sr.Right - m.Right, sr.Bottom - m.Bottom}, {w - m.Right, h - m.Bottom}, m.Right,
               m.Bottom, parent);
}

TRect PaintFrameOnly(const store::TsSkinStore* manager, int frameIndex, TWorkingBitmap& cache, const TRect& rect,
                     int innerBorder, int state, const TCacheInfo& parent, TColor backgroundColor) {
  if (!PaintableRect(cache, rect)) return rect;
  const int b = std::max(innerBorder, 0);
  if (manager == nullptr || !manager->IsValidImgIndex(frameIndex)) {
    if (b == 0) return rect;
    FillFrame32(cache, rect, b, b, b, b, backgroundColor);
    // Inward, like the framed case: the inner rect never grows past the control.
    return Deflate(rect, b, b, b, b);
  }
  const store::TsMaskData& part = manager->ma[static_cast<size_t>(frameIndex)];
  const TMargins m = MarginsOf(*manager, frameIndex);
  if (part.MaskType == 1) PrepareMaskedFrame(cache, rect, m, parent, backgroundColor);
  DrawMaskRect(cache, rect, true, std::max(state, 0), part, parent);
  if (b == 0) return Deflate(rect, m.Left, m.Top, m.Right, m.Bottom);
  FillFrame32(cache, Deflate(rect, m.Left, m.Top, m.Right, m.Bottom), std::max(b - m.Left, 0), std::max(b - m.Top, 0),
              std::max(b - m.Right, 0), std::max(b - m.Bottom, 0), backgroundColor);
  return Deflate(rect, b, b, b, b);
}

}  // namespace zelvan::paint
