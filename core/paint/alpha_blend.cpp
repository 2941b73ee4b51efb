#include "core/paint/alpha_blend.h"

#include <algorithm>
#include <array>
#include <memory>

#include "core/image/bitmap32.h"
#include "core/image/pixel_format_conversion.h"
#include "core/paint/blend_kernels.h"
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

  bool Active() const { return active_; }

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

// The blend of a clipped region, row by row. Key pixels have alpha 0, so the
// kernel leaves them as they are; with a ready cache info and fillKey they
// then take the parent's pixel, and the parent's edges may end a row early.
void BlendRegion(const TBlitRegion& r, TWorkingBitmap& destination, const TWorkingBitmap& src, bool fillKey,
                 const TCacheInfo& info, kernels::TAlphaRule rule, int fade) {
  const bool keysFromParent = info.Ready && fillKey;
  for (int row = 0; row < r.Height; ++row) {
    const int y = r.DstY + row;
    uint32_t* d = destination.Row32(y) + r.DstX;
    const uint32_t* s = src.Row32(r.SrcY + row) + r.SrcX;
    if (!keysFromParent) {
      kernels::AlphaOverRow(d, s, r.Width, rule, fade);
      continue;
    }
    // Pixel by pixel when the parent is the destination itself, so parent
    // pixels are read exactly as far as the row has been painted.
    const bool inPlace = info.Bmp == &destination;
    int width = r.Width;
    for (int i = 0; i < r.Width; ++i) {
      if (s[i] != kKeyPixel) {
        if (inPlace) kernels::AlphaOverRow(d + i, s + i, 1, rule, fade);
        continue;
      }
      if (!PutParentForKey(d[i], fillKey, info, r.DstX + i, y)) {
        width = i;
        break;
      }
    }
    // Parent pixels already put in stay: they sit under key pixels, which blend to nothing.
    if (!inPlace) kernels::AlphaOverRow(d, s, width, rule, fade);
  }
}

}  // namespace

void AlphaBlendOver(const TRect& destinationRect, const TRect& sourceRect, TWorkingBitmap& destination, bool fillKey,
                    const TCacheInfo& cacheInfo, const TWorkingBitmap& source) {
  if (destination.PixelFormat() != TPixelFormat::pf32bit) return;
  std::unique_ptr<TWorkingBitmap> converted;
  const TWorkingBitmap& src = image::InFormat(source, TPixelFormat::pf32bit, converted);
  const TBlitRegion r = ClipBlitRects(destination, destinationRect, src, sourceRect);
  BlendRegion(r, destination, src, fillKey, cacheInfo, kernels::TAlphaRule::kUnion, 0);
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
  const kernels::TAlphaRule rule = blendPercent != 0 ? kernels::TAlphaRule::kKeep : kernels::TAlphaRule::kMax;
  if (!tinted.Active()) {
    BlendRegion(r, destination, src, fillKey, cacheInfo, rule, blendPercent);
  } else {
    // Key tests look at the untinted pixels. A pixel that only tinting made
    // key-coloured has alpha 0 and blends to nothing, as 0 does.
    auto tintedSource = image::CreateBmp32(r.Width, r.Height);
    for (int row = 0; row < r.Height; ++row) {
      const uint32_t* s = src.Row32(r.SrcY + row) + r.SrcX;
      uint32_t* t = tintedSource->Row32(row);
      for (int i = 0; i < r.Width; ++i) {
        t[i] = s[i] == kKeyPixel ? kKeyPixel : tinted(s[i]);
        if (t[i] == kKeyPixel && s[i] != kKeyPixel) t[i] = 0;
      }
    }
    BlendRegion({r.DstX, r.DstY, 0, 0, r.Width, r.Height}, destination, *tintedSource, fillKey, cacheInfo, rule,
                blendPercent);
  }
  if (reflected) PaintReflection(r, destination, blendPercent, tinted, src);
}

}  // namespace zelvan::paint
