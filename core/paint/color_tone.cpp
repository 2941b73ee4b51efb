#include "core/paint/color_tone.h"

#include <algorithm>
#include <array>

#include "core/paint/pixel.h"
#include "core/paint/system_colors.h"

namespace zelvan::paint {
namespace {

// A formula of (channel, colour channel) evaluated once per possible byte, so
// the pixel loops only look results up.
struct TToneTables {
  std::array<uint8_t, 256> r, g, b;

  template <class Formula>
  TToneTables(TColor color, Formula formula) {
    color = ColorToRGB(color);
    for (int v = 0; v < 256; ++v) {
      r[v] = static_cast<uint8_t>(RoundToByte(formula(v, RedOf(color))));
      g[v] = static_cast<uint8_t>(RoundToByte(formula(v, GreenOf(color))));
      b[v] = static_cast<uint8_t>(RoundToByte(formula(v, BlueOf(color))));
    }
  }

  uint32_t Apply(uint32_t p, uint32_t alphaBits) const {
    return alphaBits | (uint32_t{r[PixelR(p)]} << 16) | (uint32_t{g[PixelG(p)]} << 8) | b[PixelB(p)];
  }
};

}  // namespace

void BlendRectWithColor(image::TWorkingBitmap& bitmap, const TRect& rect, int percent, TColor color) {
  if (bitmap.PixelFormat() != image::TPixelFormat::pf32bit) return;
  const int right = std::min(rect.Right, bitmap.Width() - 1);
  const int bottom = std::min(rect.Bottom, bitmap.Height() - 1);
  const int left = std::max(rect.Left, 0);
  const int top = std::max(rect.Top, 0);
  const double p = percent / 100.0;
  const TToneTables tables(color, [p](int v, int c) { return p * v + (1 - p) * c; });
  for (int y = top; y <= bottom; ++y) {
    uint32_t* row = bitmap.Row32(y);
    for (int x = left; x <= right; ++x) row[x] = tables.Apply(row[x], row[x] & 0xFF000000u);
  }
}

void FadeRectToColor(image::TWorkingBitmap& bitmap, const TRect& rect, TColor color, uint8_t alpha, int percent) {
  if (bitmap.PixelFormat() != image::TPixelFormat::pf32bit) return;
  const TRect r = ClipToSize(rect, bitmap.Width(), bitmap.Height());
  if (r.IsEmpty()) return;
  const TToneTables tables(color, [percent](int v, int c) { return v - percent * (v - c) / 100.0; });
  const uint32_t alphaBits = uint32_t{alpha} << 24;
  for (int y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = bitmap.Row32(y);
    for (int x = r.Left; x < r.Right; ++x) row[x] = tables.Apply(row[x], alphaBits);
  }
}

void BlendBitmapWithColor(image::TWorkingBitmap& bitmap, TColor color, double x) {
  if (bitmap.PixelFormat() != image::TPixelFormat::pf32bit) return;
  const TToneTables tables(color, [x](int v, int c) { return x * (v - c) + c; });
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint32_t* row = bitmap.Row32(y);
    for (int i = 0; i < bitmap.Width(); ++i)
      if (row[i] != kKeyPixel) row[i] = tables.Apply(row[i], row[i] & 0xFF000000u);
  }
}

}  // namespace zelvan::paint
