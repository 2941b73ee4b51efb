#include "core/paint/alpha_channel.h"

#include <algorithm>

#include "core/paint/color.h"
#include "core/paint/pixel.h"

namespace zelvan::paint {

void SetRectAlpha(image::TWorkingBitmap& bitmap, const TRect& rect, uint8_t alpha, bool skipKey) {
  if (bitmap.PixelFormat() != image::TPixelFormat::pf32bit) return;
  const TRect r = ClipToSize(rect, bitmap.Width(), bitmap.Height());
  if (r.IsEmpty()) return;
  const uint32_t alphaBits = uint32_t{alpha} << 24;
  for (int y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = bitmap.Row32(y);
    for (int x = r.Left; x < r.Right; ++x)
      if (!skipKey || row[x] != kKeyPixel) row[x] = (row[x] & 0x00FFFFFFu) | alphaBits;
  }
}

void PremultiplyAlpha(image::TWorkingBitmap& bitmap) {
  PremultiplyAlpha(bitmap, {0, 0, bitmap.Width(), bitmap.Height()});
}

void PremultiplyAlpha(image::TWorkingBitmap& bitmap, const TRect& rect) {
  if (bitmap.PixelFormat() != image::TPixelFormat::pf32bit) return;
  const TRect r = ClipToSize(rect, bitmap.Width(), bitmap.Height());
  if (r.IsEmpty()) return;
  for (int y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = bitmap.Row32(y);
    for (int x = r.Left; x < r.Right; ++x) {
      const uint32_t p = row[x];
      const int a = PixelA(p);
      row[x] = MakePixel(PixelR(p) * a >> 8, PixelG(p) * a >> 8, PixelB(p) * a >> 8, a);
    }
  }
}

void CopyChannel(image::TWorkingBitmap& bitmap32, image::TWorkingBitmap& plane8, int channel, TChannelCopy direction) {
  if (bitmap32.PixelFormat() != image::TPixelFormat::pf32bit || plane8.PixelFormat() != image::TPixelFormat::pf8bit ||
      channel < 0 || channel > 3)
    return;
  const int width = std::min(bitmap32.Width(), plane8.Width());
  const int height = std::min(bitmap32.Height(), plane8.Height());
  for (int y = 0; y < height; ++y) {
    uint8_t* pixels = bitmap32.ScanLine(y) + channel;
    uint8_t* plane = plane8.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      if (direction == TChannelCopy::ToPlane)
        plane[x] = pixels[4 * x];
      else
        pixels[4 * x] = plane[x];
    }
  }
}

}  // namespace zelvan::paint
