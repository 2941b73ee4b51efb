#include "core/paint/keyed_copy.h"

#include <memory>

#include "core/image/pixel_format_conversion.h"
#include "core/paint/blit_region.h"
#include "core/paint/pixel.h"
#include "core/paint/system_colors.h"

namespace zelvan::paint {

using image::TPixelFormat;
using image::TWorkingBitmap;

void BlendFromSource(TWorkingBitmap& destination, int destinationX, int destinationY, TColor key, double x,
                     const TRect& sourceRect, const TWorkingBitmap& source) {
  if (destination.PixelFormat() != TPixelFormat::pf32bit) return;
  std::unique_ptr<TWorkingBitmap> converted;
  const TWorkingBitmap& src = image::InFormat(source, TPixelFormat::pf32bit, converted);
  const TBlitRegion r = ClipBlit(destination, {destinationX, destinationY}, src, {sourceRect.Left, sourceRect.Top},
                                 sourceRect.Width(), sourceRect.Height());
  const uint32_t keyPixel = SwapRedBlue(ColorToRGB(key));
  auto mix = [x](int s, int d) { return RoundToByte(s - x * (s - d)); };
  for (int row = 0; row < r.Height; ++row) {
    uint32_t* d = destination.Row32(r.DstY + row) + r.DstX;
    const uint32_t* s = src.Row32(r.SrcY + row) + r.SrcX;
    for (int i = 0; i < r.Width; ++i) {
      if (s[i] == keyPixel) continue;
      d[i] = MakePixel(mix(PixelR(s[i]), PixelR(d[i])), mix(PixelG(s[i]), PixelG(d[i])),
                       mix(PixelB(s[i]), PixelB(d[i])), PixelA(d[i]));
    }
  }
}

void CopyWithKey(TWorkingBitmap& destination, const TWorkingBitmap& source, int x, int y, TColor key) {
  if (destination.PixelFormat() != TPixelFormat::pf32bit) return;
  const uint32_t keyPixel = SwapRedBlue(ColorToRGB(key));
  if (source.PixelFormat() == TPixelFormat::pf32bit) {
    const TBlitRegion r = ClipBlit(destination, {x, y}, source, {0, 0}, source.Width(), source.Height());
    for (int row = 0; row < r.Height; ++row) {
      uint32_t* d = destination.Row32(r.DstY + row) + r.DstX;
      const uint32_t* s = source.Row32(r.SrcY + row) + r.SrcX;
      for (int i = 0; i < r.Width; ++i)
        if (s[i] != keyPixel) d[i] = s[i] | 0xFF000000u;
    }
    return;
  }
  std::unique_ptr<TWorkingBitmap> converted;
  const TWorkingBitmap& src = image::InFormat(source, TPixelFormat::pf24bit, converted);
  const TBlitRegion r = ClipBlit(destination, {x, y}, src, {0, 0}, src.Width(), src.Height());
  for (int row = 0; row < r.Height; ++row) {
    uint32_t* d = destination.Row32(r.DstY + row) + r.DstX;
    const uint8_t* s = src.ScanLine(r.SrcY + row) + 3 * static_cast<size_t>(r.SrcX);
    for (int i = 0; i < r.Width; ++i, s += 3) {
      const uint32_t value = s[0] | (uint32_t{s[1]} << 8) | (uint32_t{s[2]} << 16);
      if (value != keyPixel) d[i] = value | 0xFF000000u;
    }
  }
}

}  // namespace zelvan::paint
