#include "tools/skingen/raster.h"

#include <algorithm>
#include <utility>

namespace zelvan::skingen {

namespace {

constexpr int kSamples = 8;  // per axis
constexpr int kStep = kUnit / kSamples;

bool InRoundRect(int64_t u, int64_t v, int l, int t, int r, int b, int radius) {
  if (u < l || u >= r || v < t || v >= b) return false;
  const int64_t cx = u < l + radius ? l + radius : u > r - radius ? r - radius : u;
  const int64_t cy = v < t + radius ? t + radius : v > b - radius ? b - radius : v;
  const int64_t dx = u - cx, dy = v - cy;
  return dx * dx + dy * dy <= int64_t{radius} * radius;
}

// Squared distance from p to segment ab, compared without division:
// true when it is at most (width / 2)^2.
bool NearSegment(int64_t u, int64_t v, std::pair<int, int> a, std::pair<int, int> b, int64_t half2x4) {
  const int64_t ax = a.first, ay = a.second, bx = b.first, by = b.second;
  const int64_t dx = bx - ax, dy = by - ay, px = u - ax, py = v - ay;
  const int64_t len2 = dx * dx + dy * dy;
  const int64_t t = px * dx + py * dy;
  auto within = [&](int64_t ex, int64_t ey) { return 4 * (ex * ex + ey * ey) <= half2x4; };
  if (len2 == 0 || t <= 0) return within(px, py);
  if (t >= len2) return within(u - bx, v - by);
  const int64_t cross = px * dy - py * dx;
  // cross^2 / len2 <= width^2 / 4; the products stay far below 2^63 for
  // pictures of a few hundred pixels.
  return 4 * cross * cross <= half2x4 * len2;
}

}  // namespace

uint8_t Lerp8(int a, int b, int num, int den) {
  if (den <= 0) return static_cast<uint8_t>(a);
  return static_cast<uint8_t>(a + ((b - a) * num + (b > a ? den / 2 : -den / 2)) / den);
}

Rgba Mix(Rgba a, Rgba b, int num, int den) {
  return {Lerp8(a.r, b.r, num, den), Lerp8(a.g, b.g, num, den), Lerp8(a.b, b.b, num, den),
          Lerp8(a.a, b.a, num, den)};
}

void Image::Blend(int x, int y, Rgba c, int coverage) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_ || coverage <= 0) return;
  Rgba& d = At(x, y);
  const int sa = c.a * coverage;  // 0..65025
  if (sa == 0) return;
  const int da = d.a * (65025 - sa) / 255;  // destination share, in the same scale
  const int oa = sa + da;
  auto channel = [&](int s, int dc) { return static_cast<uint8_t>((s * sa + dc * da + oa / 2) / oa); };
  d = {channel(c.r, d.r), channel(c.g, d.g), channel(c.b, d.b), static_cast<uint8_t>((oa + 127) / 255)};
}

void Image::Paste(const Image& from, int x, int y) {
  for (int j = 0; j < from.Height(); ++j) {
    for (int i = 0; i < from.Width(); ++i) {
      if (x + i >= 0 && y + j >= 0 && x + i < w_ && y + j < h_) At(x + i, y + j) = from.At(i, j);
    }
  }
}

Paint Solid(Rgba c) {
  return [c](int, int) { return c; };
}

Paint Vertical(Rgba c1, Rgba c2, int y0, int y1) {
  return [=](int, int y) {
    if (y1 <= y0 || y <= y0) return c1;
    if (y >= y1) return c2;
    return Mix(c1, c2, y - y0, y1 - y0);
  };
}

Shape RoundRect(int l, int t, int r, int b, int radius) {
  return [=](int64_t u, int64_t v) { return InRoundRect(u, v, l, t, r, b, radius); };
}

Shape RoundRing(int l, int t, int r, int b, int radius, int width) {
  const int inner = std::max(0, radius - width);
  return [=](int64_t u, int64_t v) {
    return InRoundRect(u, v, l, t, r, b, radius) &&
           !InRoundRect(u, v, l + width, t + width, r - width, b - width, inner);
  };
}

Shape Disk(int cx, int cy, int radius) {
  return [=](int64_t u, int64_t v) {
    const int64_t dx = u - cx, dy = v - cy;
    return dx * dx + dy * dy <= int64_t{radius} * radius;
  };
}

Shape Ring(int cx, int cy, int radius, int width) {
  return Minus(Disk(cx, cy, radius), Disk(cx, cy, radius - width));
}

Shape Polyline(std::vector<std::pair<int, int>> points, int width) {
  const int64_t w2 = int64_t{width} * width;
  return [points = std::move(points), w2](int64_t u, int64_t v) {
    if (points.size() == 1) return NearSegment(u, v, points[0], points[0], w2);
    for (size_t i = 1; i < points.size(); ++i) {
      if (NearSegment(u, v, points[i - 1], points[i], w2)) return true;
    }
    return false;
  };
}

Shape Union(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](int64_t u, int64_t v) { return a(u, v) || b(u, v); };
}

Shape Minus(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](int64_t u, int64_t v) { return a(u, v) && !b(u, v); };
}

void Fill(Image& image, const Shape& shape, const Paint& paint) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      int hits = 0;
      for (int j = 0; j < kSamples; ++j) {
        const int64_t v = int64_t{y} * kUnit + j * kStep + kStep / 2;
        for (int i = 0; i < kSamples; ++i) {
          if (shape(int64_t{x} * kUnit + i * kStep + kStep / 2, v)) ++hits;
        }
      }
      if (hits) image.Blend(x, y, paint(x, y), (hits * 255 + kSamples * kSamples / 2) / (kSamples * kSamples));
    }
  }
}

}  // namespace zelvan::skingen
