#include "core/paint/text_blend.h"

#include "core/image/bitmap32.h"
#include "core/paint/blit_region.h"
#include "core/paint/pixel.h"
#include "core/paint/system_colors.h"

namespace zelvan::paint {
namespace {

using image::TPixelFormat;
using image::TWorkingBitmap;

constexpr uint32_t kWhite = 0x00FFFFFF;

// C + m * (D - C) div 255, truncated toward zero as the rule says.
constexpr int GlowChannel(int d, int c, int m) { return c + m * (d - c) / 255; }

}  // namespace

void BlendTextMask(TWorkingBitmap& target, TPoint at, const TWorkingBitmap& mask, TColor color) {
  if (!image::Is32(target) || !image::Is32(mask)) return;
  const TBlitRegion r = ClipBlit(target, at, mask, {0, 0}, mask.Width(), mask.Height());
  const uint32_t c = SwapRedBlue(ColorToRGB(color));
  for (int y = 0; y < r.Height; ++y) {
    uint32_t* d = target.Row32(r.DstY + y) + r.DstX;
    const uint32_t* p = mask.Row32(r.SrcY + y) + r.SrcX;
    for (int x = 0; x < r.Width; ++x) {
      if ((p[x] & kWhite) == kWhite) continue;
      d[x] = MakePixel(WeightedMix(PixelR(d[x]), PixelR(c), PixelR(p[x])),
                       WeightedMix(PixelG(d[x]), PixelG(c), PixelG(p[x])),
                       WeightedMix(PixelB(d[x]), PixelB(c), PixelB(p[x])), 255);
    }
  }
}

void BlendGlow(TWorkingBitmap& target, TPoint at, const TWorkingBitmap& glow, TColor color) {
  if (!image::Is32(target) || glow.PixelFormat() != TPixelFormat::pf8bit) return;
  const TBlitRegion r = ClipBlit(target, at, glow, {0, 0}, glow.Width(), glow.Height());
  const uint32_t c = SwapRedBlue(ColorToRGB(color));
  for (int y = 0; y < r.Height; ++y) {
    uint32_t* d = target.Row32(r.DstY + y) + r.DstX;
    const uint8_t* g = glow.ScanLine(r.SrcY + y) + r.SrcX;
    for (int x = 0; x < r.Width; ++x) {
      const int m = g[x];
      if (m == 255) continue;
      const int a = PixelA(d[x]);
      d[x] = MakePixel(GlowChannel(PixelR(d[x]), PixelR(c), m), GlowChannel(PixelG(d[x]), PixelG(c), m),
                       GlowChannel(PixelB(d[x]), PixelB(c), m), a + (255 - m) * (255 - a) / 255);
    }
  }
}

}  // namespace zelvan::paint
