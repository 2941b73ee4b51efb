#include "core/paint/shadow_frame.h"

#include <algorithm>
#include <cstring>

#include "core/paint/alpha_channel.h"
#include "core/paint/block_transfer.h"

namespace zelvan::paint {

namespace {

void Clear(image::TWorkingBitmap& bitmap, const TRect& rect) {
  const TRect r = ClipToSize(rect, bitmap.Width(), bitmap.Height());
  if (r.IsEmpty()) return;
  for (int y = r.Top; y < r.Bottom; ++y) std::memset(bitmap.Row32(y) + r.Left, 0, 4 * static_cast<size_t>(r.Width()));
}

// Corner sizes that fit both sides of a length: each at most half of it,
// the far one taking the odd pixel.
void Fit(int& nearSide, int& farSide, int length) {
  nearSide = std::clamp(nearSide, 0, length / 2);
  farSide = std::clamp(farSide, 0, length - length / 2);
}

}  // namespace

void PaintShadowFrame(image::TWorkingBitmap& target, const image::TWorkingBitmap& shadowTemplate, TMargins slices,
                      const TRect& hole) {
  if (target.PixelFormat() != image::TPixelFormat::pf32bit) return;
  Clear(target, {0, 0, target.Width(), target.Height()});
  if (shadowTemplate.PixelFormat() != image::TPixelFormat::pf32bit || shadowTemplate.Width() <= 0 ||
      shadowTemplate.Height() <= 0) {
    return;
  }
  const int tw = shadowTemplate.Width(), th = shadowTemplate.Height();
  const int w = target.Width(), h = target.Height();
  Fit(slices.Left, slices.Right, std::min(tw, w));
  Fit(slices.Top, slices.Bottom, std::min(th, h));
  const int sx[4] = {0, slices.Left, tw - slices.Right, tw};
  const int sy[4] = {0, slices.Top, th - slices.Bottom, th};
  const int dx[4] = {0, slices.Left, w - slices.Right, w};
  const int dy[4] = {0, slices.Top, h - slices.Bottom, h};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const TRect from{sx[column], sy[row], sx[column + 1], sy[row + 1]};
      const TRect to{dx[column], dy[row], dx[column + 1], dy[row + 1]};
      if (from.IsEmpty() || to.IsEmpty()) continue;
      StretchNearest(target, to, shadowTemplate, from);
    }
  }
  PremultiplyAlpha(target);
  Clear(target, hole);
}

}  // namespace zelvan::paint
