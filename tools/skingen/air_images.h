#pragma once
// The pictures of Air: its palette and the drawing of its glyphs, frames,
// thumbs, glow and paper texture, all at the sizes the sections use.

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/skingen/master_bitmap.h"
#include "tools/skingen/raster.h"

namespace zelvan::skingen::air {

inline constexpr Rgba kAccent = Hex(0x1F63C6);       // the one accent colour
inline constexpr Rgba kAccentHot = Hex(0x2E74D8);
inline constexpr Rgba kAccentDown = Hex(0x1A53A6);
inline constexpr Rgba kAccentTint = Hex(0xE8F0FC);   // hot plates
inline constexpr Rgba kAccentTint2 = Hex(0xD3E2F8);  // pressed plates
inline constexpr Rgba kAccentLine = Hex(0x8FB3E8);
inline constexpr Rgba kText = Hex(0x1B1F24);
inline constexpr Rgba kTextSoft = Hex(0x5A626C);
inline constexpr Rgba kWindow = Hex(0xF3F4F6);
inline constexpr Rgba kWhite = Hex(0xFFFFFF);
inline constexpr Rgba kLine = Hex(0xC4C9D1);
inline constexpr Rgba kLineSoft = Hex(0xDCDFE4);
inline constexpr Rgba kLineStrong = Hex(0x8C949E);
inline constexpr Rgba kTrack = Hex(0xF5F6F8);
inline constexpr Rgba kGlyph = Hex(0x2B3036);
inline constexpr Rgba kClose = Hex(0xC42B1C);
inline constexpr Rgba kCloseDown = Hex(0xA32215);
inline constexpr Rgba kNone{};

using Painter = std::function<void(Image&, int state)>;
// count state images of w x h, each drawn by paint.
Strip States(int count, int w, int h, const Painter& paint, int maskType = 1);

// A rounded rectangle with a 1-pixel border, filled when fill has alpha.
void Plate(Image& img, int l, int t, int r, int b, int radius, Rgba border, Rgba fill);
void PlateAll(Image& img, int radius, Rgba border, Rgba fill);

enum class Caption { Close, Max, Norm, Min, Help };
// A caption button in its three states; glyph is the symbol's size in pixels.
Strip CaptionButton(Caption kind, int w, int h, int glyph);
// Check boxes and radio buttons: look 0 unchecked, 1 checked, 2 grayed; states normal, hot, pressed.
Strip CheckBox(int size, int look);
Strip Radio(int size, int look);
// A chevron pointing up (0), down (1), left (2) or right (3).
void Chevron(Image& img, int dir, int span, Rgba c);
// A scroll-bar thumb: a pill along the bar, slim at rest and wider when used.
Strip Thumb(bool vertical);
// The hot close button inside a soft halo of margin pixels.
Image CloseGlow(const Image& hotButton, int margin);
// A flat, faintly grained paper for form backgrounds, as a JPEG.
std::vector<uint8_t> Paper(int size);

std::vector<uint8_t> RgbaPng(const std::vector<std::vector<uint8_t>>& rows, int width);
std::vector<uint8_t> ImagePng(const Image& img);

}  // namespace zelvan::skingen::air
