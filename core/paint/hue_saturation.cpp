#include "core/paint/hue_saturation.h"

#include <algorithm>
#include <cmath>

#include "core/paint/pixel.h"
#include "core/paint/system_colors.h"

namespace zelvan::paint {
namespace {

double Clamp255(double v) { return std::clamp(v, 0.0, 255.0); }

// Applies a pixel function to every non-key, non-gray pixel; skins repeat the
// same colour over long runs, so the last result is reused.
template <class Change>
void ChangePixels(image::TWorkingBitmap* bitmap, const TRect* rect, Change change) {
  if (bitmap == nullptr || bitmap->PixelFormat() != image::TPixelFormat::pf32bit) return;
  const TRect whole{0, 0, bitmap->Width(), bitmap->Height()};
  const TRect r = rect != nullptr ? IntersectRects(*rect, whole) : whole;
  uint32_t lastIn = 0, lastOut = change(0);
  for (int y = r.Top; y < r.Bottom; ++y) {
    uint32_t* row = bitmap->Row32(y);
    for (int x = r.Left; x < r.Right; ++x) {
      const uint32_t p = row[x];
      if (p == kKeyPixel || (PixelR(p) == PixelG(p) && PixelG(p) == PixelB(p))) continue;
      if (p != lastIn) {
        lastIn = p;
        lastOut = change(p);
      }
      row[x] = lastOut;
    }
  }
}

}  // namespace

uint32_t ChangeHue(int offset, uint32_t pixel) {
  const int r = PixelR(pixel), g = PixelG(pixel), b = PixelB(pixel);
  const int v = std::max({r, g, b});
  const int delta = v - std::min({r, g, b});
  const double s = v == 0 ? 0.0 : static_cast<double>(delta) / v;
  if (s == 0) return pixel;
  double h;
  if (r == v)
    h = 60.0 * (g - b) / delta;
  else if (g == v)
    h = 120 + 60.0 * (b - r) / delta;
  else
    h = 240 + 60.0 * (r - g) / delta;
  if (h < 0) h += 360;
  int hue = static_cast<int>(std::nearbyint(offset + h)) % 360;  // C++ % keeps the dividend's sign
  // A negative offset turns the hue backwards, not into the last sector.
  if (hue < 0) hue += 360;
  const int sector = static_cast<int>(std::trunc(hue / 60.0));
  const double f = hue / 60.0 - sector;
  const int p = RoundToByte(Clamp255(v * (1 - s)));
  const int q = RoundToByte(Clamp255(v * (1 - f * s)));
  const int t = RoundToByte(Clamp255(v * (1 - (1 - f) * s)));
  const int a = PixelA(pixel);
  switch (sector) {
    case 0:
      return MakePixel(v, t, p, a);
    case 1:
      return MakePixel(q, v, p, a);
    case 2:
      return MakePixel(p, v, t, a);
    case 3:
      return MakePixel(p, q, v, a);
    case 4:
      return MakePixel(t, p, v, a);
    default:
      return MakePixel(v, p, q, a);
  }
}

uint32_t ChangeSaturation(int amount, uint32_t pixel) {
  const int r = PixelR(pixel), g = PixelG(pixel), b = PixelB(pixel);
  const double average = (r + g + b) / 3.0;
  auto change = [&](int x) { return RoundToByte(x - (average - x) * amount / 100); };
  return MakePixel(change(r), change(g), change(b), PixelA(pixel));
}

TColor ChangeColorHue(TColor color, int offset) {
  if (offset == 0) return color;
  return SwapRedBlue(ChangeHue(offset, SwapRedBlue(ColorToRGB(color))));
}

TColor ChangeColorSaturation(TColor color, int amount) {
  if (amount == 0) return color;
  return SwapRedBlue(ChangeSaturation(amount, SwapRedBlue(ColorToRGB(color))));
}

void ChangeBitmapHue(image::TWorkingBitmap* bitmap, int offset) {
  ChangePixels(bitmap, nullptr, [offset](uint32_t p) { return ChangeHue(offset, p); });
}

void ChangeBitmapSaturation(image::TWorkingBitmap* bitmap, int amount) {
  ChangePixels(bitmap, nullptr, [amount](uint32_t p) { return ChangeSaturation(amount, p); });
}

void ChangeRectHue(image::TWorkingBitmap& bitmap, const TRect& rect, int offset) {
  ChangePixels(&bitmap, &rect, [offset](uint32_t p) { return ChangeHue(offset, p); });
}

void ChangeRectSaturation(image::TWorkingBitmap& bitmap, const TRect& rect, int amount) {
  ChangePixels(&bitmap, &rect, [amount](uint32_t p) { return ChangeSaturation(amount, p); });
}

}  // namespace zelvan::paint
