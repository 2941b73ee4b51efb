#include "core/paint/fill.h"

#include <algorithm>

#include "core/paint/system_colors.h"

namespace zelvan::paint {

uint32_t ColorPixel(TColor color, uint8_t alpha) {
  // The top byte of a colour is not a channel; it must not leak into alpha.
  return (uint32_t{alpha} << 24) | (SwapRedBlue(ColorToRGB(color)) & 0x00FFFFFFu);
}

void FillRect32(image::TWorkingBitmap& bitmap, const TRect& rect, TColor color, uint8_t alpha) {
  if (bitmap.PixelFormat() != image::TPixelFormat::pf32bit) return;
  const TRect r = ClipToSize(rect, bitmap.Width(), bitmap.Height());
  if (r.IsEmpty()) return;
  const uint32_t pixel = ColorPixel(color, alpha);
  for (int y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = bitmap.Row32(y);
    std::fill(row + r.Left, row + r.Right, pixel);
  }
}

std::array<TRect, 4> FrameStrips(const TRect& rect, int left, int top, int right, int bottom) {
  return {{
      {rect.Left, rect.Top, rect.Right, rect.Top + top},
      {rect.Left, rect.Top + top, rect.Left + left, rect.Bottom},
      {rect.Left + left, rect.Bottom - bottom, rect.Right, rect.Bottom},
      {rect.Right - right, rect.Top + top, rect.Right, rect.Bottom - bottom},
  }};
}

void FillFrame32(image::TWorkingBitmap& bitmap, const TRect& rect, int left, int top, int right, int bottom,
                 TColor color) {
  for (const TRect& strip : FrameStrips(rect, left, top, right, bottom)) FillRect32(bitmap, strip, color, 255);
}

}  // namespace zelvan::paint
