#pragma once
// Colour values and the few constants every painter shares.
//
// A colour (TColor) is in the platform's order 0x00BBGGRR, red in the low
// byte; a 32-bit pixel is 0xAARRGGBB. SwapRedBlue moves between the two.

#include <cstdint>

namespace zelvan::paint {

using TColor = uint32_t;

// Magenta: as a pixel it is see-through, as a colour argument it means "no
// colour". Symmetric in red and blue, so the same number serves both orders.
inline constexpr TColor kKeyColor = 0x00FF00FF;
inline constexpr uint32_t kKeyPixel = 0x00FF00FF;

// "No value" for tint and transparency arguments.
inline constexpr TColor kNoColorValue = 0x1FFFFFFF;

// Exchanges the lowest and the third byte; its own inverse.
constexpr uint32_t SwapRedBlue(uint32_t value) {
  return (value & 0xFF00FF00u) | ((value & 0xFFu) << 16) | ((value >> 16) & 0xFFu);
}

constexpr int RedOf(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace zelvan::paint
