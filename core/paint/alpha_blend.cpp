#include "core/paint/alpha_blend.h"

#include <algorithm>
#include <array>
#include <memory>

#include "core/image/pixel_format_conversion.h"
#include "core/paint/blit_region.h"
#include "core/paint/parent_pixel.h"
#include "core/paint/pixel.h"
#include "core/paint/system_colors.h"

namespace zelvan::paint {
namespace {

using image::TPixelFormat;
using image::TWorkingBitmap;

// A key pixel under a ready cache info: false when the row must end here.
bool PutParentForKey(uint32_t& d, bool fillKey, const TCacheInfo& info, int x, int y) {
  if (!fillKey) return true;
  const TParentPixel parent = LookupParentPixel(info, x, y);
  if (parent.Place == TParentPlace::RightOf || parent.Place == TParentPlace::Above) return false;
  if (parent.Place == TParentPlace::Inside) d = parent.Pixel | 0xFF000000u;
  return true;
}

uint32_t BlendPixel(uint32_t s, uint32_t d, int weight, int alpha) {
  return MakePixel(WeightedMix(PixelR(s), PixelR(d), weight), WeightedMix(PixelG(s), PixelG(d), weight),
                   WeightedMix(PixelB(s), PixelB(d), weight), alpha);
}

// The source pixel as the tint sees it: gray, then scaled per channel.
class TTint {
 public:
  explicit TTint(TColor tint) : active_(tint != kNoColorValue) {
    if (!active_) return;
    tint = ColorToRGB(tint);
    for (int g = 0; g < 256; ++g) {
      r_[g] = static_cast<uint8_t>(RoundToByte(g * RedOf(tint) / 255.0));
      g_[g] = static_cast<uint8_t>(RoundToByte(g * GreenOf(tint) / 255.0));
      b_[g] = static_cast<uint8_t>(RoundToByte(g * BlueOf(tint) / 255.0));
    }
  }

  uint32_t operator()(uint32_t p) const {
    if (!active_) return p;
    const int gray = (PixelR(p) + PixelG(p) + PixelB(p)) / 3;
    return MakePixel(r_[gray], g_[gray], b_[gray], PixelA(p));
  }

 private:
  bool active_;
  std::array<uint8_t, 256> r_{}, g_{}, b_{};
};

void PaintReflection(const TBlitRegion& r, TWorkingBitmap& destination, int blendPercent, const TTint& tint,
                     const TWorkingBitmap& src) {
  const int half = r.Height / 2;
  const int destinationBottom = r.DstY + r.Height;
  const int sourceBottom = r.SrcY + r.Height;
  const int rows = std::min(half - 1, destination.Height() - destinationBottom - 1);
  if (rows < 1) return;
  int fade = 255;
  for (int i = 1; i <= rows; ++i, fade -= 255 / half) {
    uint32_t* d = destination.Row32(destinationBottom + i) + r.DstX;
    const uint32_t* s = src.Row32(sourceBottom - i - 1) + r.SrcX;
    for (int x = 0; x < r.Width; ++x) {
      if (s[x] == kKeyPixel) continue;
      const int a = PixelA(s[x]);
      const int weight = std::max(0, blendPercent != 0 ? (100 - blendPercent) * a / 300 * fade / 255
                                                       : fade * (a / 3) / 255);
      d[x] = BlendPixel(tint(s[x]), d[x], weight, PixelA(d[x]));
    }
  }
}

}  // namespace

void AlphaBlendOver(const TRect& destinationRect, const TRect& sourceRect, TWorkingBitmap& destination, bool fillKey,
                    const TCacheInfo& cacheInfo, const TWorkingBitmap& source) {
  if (destination.PixelFormat() != TPixelFormat::pf32bit) return;
  std::unique_ptr<TWorkingBitmap> converted;
  const TWorkingBitmap& src = image::InFormat(source, TPixelFormat::pf32bit, converted);
  const TBlitRegion r = ClipBlitRects(destination, destinationRect, src, sourceRect);
  for (int row = 0; row < r.Height; ++row) {
    const int y = r.DstY + row;
    uint32_t* d = destination.Row32(y) + r.DstX;
    const uint32_t* s = src.Row32(r.SrcY + row) + r.SrcX;
    for (int i = 0; i < r.Width; ++i) {
      const uint32_t p = s[i];
      if (cacheInfo.Ready && p == kKeyPixel) {
        if (!PutParentForKey(d[i], fillKey, cacheInfo, r.DstX + i, y)) break;
        continue;
      }
      const int a = PixelA(p);
      if (a == 0) continue;  // weight 0 and no alpha change: the pixel stays
      const int da = PixelA(d[i]);
      d[i] = BlendPixel(p, d[i], a, da + a * (255 - da) / 255);
    }
  }
}

void DrawAlphaImage(const TRect& destinationRect, const TRect& sourceRect, TWorkingBitmap& destination,
                    bool reflected, int blendPercent, TColor tint, bool fillKey, const TCacheInfo& cacheInfo,
                    const TWorkingBitmap& source) {
  if (destination.PixelFormat() != TPixelFormat::pf32bit) return;
  std::unique_ptr<TWorkingBitmap> converted;
  const TWorkingBitmap& src = image::InFormat(source, TPixelFormat::pf32bit, converted);
  const TBlitRegion r = ClipBlitRects(destination, destinationRect, src, sourceRect);
  if (r.IsEmpty()) return;
  blendPercent = std::clamp(blendPercent, 0, 100);
  const TTint tinted(tint);
  for (int row = 0; row < r.Height; ++row) {
    const int y = r.DstY + row;
    uint32_t* d = destination.Row32(y) + r.DstX;
    const uint32_t* s = src.Row32(r.SrcY + row) + r.SrcX;
    for (int i = 0; i < r.Width; ++i) {
      const uint32_t p = s[i];
      if (cacheInfo.Ready && p == kKeyPixel) {
        if (!PutParentForKey(d[i], fillKey, cacheInfo, r.DstX + i, y)) break;
        continue;
      }
      const int a = PixelA(p);
      const int da = PixelA(d[i]);
      if (blendPercent != 0)
        d[i] = BlendPixel(tinted(p), d[i], (100 - blendPercent) * a / 100, da);
      else
        d[i] = BlendPixel(tinted(p), d[i], a, std::max(da, a));
    }
  }
  if (reflected) PaintReflection(r, destination, blendPercent, tinted, src);
}

}  // namespace zelvan::paint
