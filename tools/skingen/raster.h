#pragma once
// Anti-aliased drawing for the skin generator, in integers only, so that the
// same source gives the same bytes on every machine: shapes are tested at
// 8 x 8 samples per pixel and the coverage becomes alpha.
//
// Coordinates are in units of 1/16 pixel (kUnit per pixel); pixel x spans
// units 16x .. 16x + 16, so a 1-pixel line centred on a pixel row lies at
// 16y + 8 with width 16.

#include <cstdint>
#include <functional>
#include <vector>

namespace zelvan::skingen {

inline constexpr int kUnit = 16;
constexpr int Px(int pixels) { return pixels * kUnit; }
constexpr int Mid(int pixel) { return pixel * kUnit + kUnit / 2; }  // centre of a pixel

struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 0;
  bool operator==(const Rgba&) const = default;
};

// 0xRRGGBB, opaque.
constexpr Rgba Hex(uint32_t rgb, uint8_t alpha = 255) {
  return {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb), alpha};
}

// A straight-alpha picture.
class Image {
 public:
  Image() = default;
  Image(int width, int height) : w_(width), h_(height), px_(static_cast<size_t>(width * height)) {}
  int Width() const { return w_; }
  int Height() const { return h_; }
  Rgba& At(int x, int y) { return px_[static_cast<size_t>(y * w_ + x)]; }
  const Rgba& At(int x, int y) const { return px_[static_cast<size_t>(y * w_ + x)]; }
  // Source-over of a straight-alpha colour with an extra coverage 0..255.
  void Blend(int x, int y, Rgba c, int coverage);
  void Paste(const Image& from, int x, int y);

 private:
  int w_ = 0, h_ = 0;
  std::vector<Rgba> px_;
};

// A filled region: true where the sample (u, v) lies inside.
using Shape = std::function<bool(int64_t u, int64_t v)>;
// The colour at a pixel.
using Paint = std::function<Rgba(int x, int y)>;

Paint Solid(Rgba c);
// From c1 at pixel row y0 to c2 at row y1 (clamped outside).
Paint Vertical(Rgba c1, Rgba c2, int y0, int y1);

Shape RoundRect(int l, int t, int r, int b, int radius);
// The band between a rounded rect and the same rect inset by width.
Shape RoundRing(int l, int t, int r, int b, int radius, int width);
Shape Disk(int cx, int cy, int radius);
Shape Ring(int cx, int cy, int radius, int width);
// A stroke through the points with round joins and caps.
Shape Polyline(std::vector<std::pair<int, int>> points, int width);
Shape Union(Shape a, Shape b);
Shape Minus(Shape a, Shape b);

// The coverage of shape at every pixel, composited with paint.
void Fill(Image& image, const Shape& shape, const Paint& paint);

uint8_t Lerp8(int a, int b, int num, int den);
Rgba Mix(Rgba a, Rgba b, int num, int den);  // a + (b - a) * num / den

}  // namespace zelvan::skingen
