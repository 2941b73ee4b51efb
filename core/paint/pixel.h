#pragma once
// Channel access and the integer blend shared by all the 32-bit painters.
// A pixel is 0xAARRGGBB (bytes B, G, R, A in memory).

#include <cmath>
#include <cstdint>

namespace zelvan::paint {

constexpr int PixelB(uint32_t p) { return static_cast<int>(p & 0xFF); }
constexpr int PixelG(uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }
constexpr int PixelR(uint32_t p) { return static_cast<int>((p >> 16) & 0xFF); }
constexpr int PixelA(uint32_t p) { return static_cast<int>(p >> 24); }

constexpr uint32_t MakePixel(int r, int g, int b, int a) {
  return (static_cast<uint32_t>(a) << 24) | (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) |
         static_cast<uint32_t>(b);
}

// ((a - b) * w + b * 256) shr 8: keeps w/256 of a and the rest of b. Never
// negative for bytes a, b and 0 <= w <= 256, so the shift is a plain division.
constexpr int WeightedMix(int a, int b, int w) { return ((a - b) * w + b * 256) >> 8; }

// Real to byte: round half to even (the default rounding mode), then clamp.
inline int RoundToByte(double value) {
  const double rounded = std::nearbyint(value);
  return rounded <= 0 ? 0 : rounded >= 255 ? 255 : static_cast<int>(rounded);
}

}  // namespace zelvan::paint
