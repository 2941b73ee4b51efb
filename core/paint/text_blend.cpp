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

// blend(d, s) for every target pixel d that source pixel s covers, clipped.
template <typename TSourcePixel, typename TBlend>
void ForEachCovered(TWorkingBitmap& target, TPoint at, const TWorkingBitmap& source, TBlend blend) {
  const TBlitRegion r = ClipBlit(target, at, source, {0, 0}, source.Width(), source.Height());
  for (int y = 0; y < r.Height; ++y) {
    uint32_t* d = target.Row32(r.DstY + y) + r.DstX;
    const auto* s = reinterpret_cast<const TSourcePixel*>(source.ScanLine(r.SrcY + y)) + r.SrcX;
    for (int x = 0; x < r.Width; ++x) blend(d[x], s[x]);
  }
}

}  // namespace

void BlendTextMask(TWorkingBitmap& target, TPoint at, const TWorkingBitmap& mask, TColor color) {
  if (!image::Is32(target) || !image::Is32(mask)) return;
  const uint32_t c = SwapRedBlue(ColorToRGB(color));
  ForEachCovered<uint32_t>(target, at, mask, [c](uint32_t& d, uint32_t p) {
    if ((p & kWhite) == kWhite) return;
    d = MakePixel(WeightedMix(PixelR(d), PixelR(c), PixelR(p)), WeightedMix(PixelG(d), PixelG(c), PixelG(p)),
                  WeightedMix(PixelB(d), PixelB(c), PixelB(p)), 255);
  });
}

void BlendGlow(TWorkingBitmap& target, TPoint at, const TWorkingBitmap& glow, TColor color) {
  if (!image::Is32(target) || glow.PixelFormat() != TPixelFormat::pf8bit) return;
  const uint32_t c = SwapRedBlue(ColorToRGB(color));
  ForEachCovered<uint8_t>(target, at, glow, [c](uint32_t& d, int m) {
    if (m == 255) return;
    const int a = PixelA(d);
    d = MakePixel(GlowChannel(PixelR(d), PixelR(c), m), GlowChannel(PixelG(d), PixelG(c), m),
                  GlowChannel(PixelB(d), PixelB(c), m), a + (255 - m) * (255 - a) / 255);
  });
}

}  // namespace zelvan::paint
