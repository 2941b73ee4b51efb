#pragma once
// Button glyphs that need no window: which picture of a strip a button shows,
// classic (fewer than 32 bits, see-through by the bottom-left colour) glyphs
// drawn into a 32-bit bitmap, fading a picture's alpha, and the pixels of the
// small drop-down arrow.

#include <cstdint>
#include <vector>

#include "core/image/working_bitmap.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

using TsDisabledGlyphKind = uint8_t;  // a set of the flags below
inline constexpr TsDisabledGlyphKind dgBlended = 1;
inline constexpr TsDisabledGlyphKind dgGrayed = 2;

// Picture count below 1 counts as 1: a strip always has its first picture.
inline int ValidPictureCount(int count) { return count < 1 ? 1 : count; }

// The picture of a 32-bit strip or list image: min(state, count - 1), never
// below 0.
int AlphaPictureIndex(int state, int count);

// The picture of a classic strip of count pictures in a button state. A 4-bit
// strip has no hot picture and no fallback to it when pressed.
int ClassicPictureIndex(int count, int bitsPerPixel, int state, bool enabled, bool down);

struct TClassicGlyph {
  int Count = 1;                    // pictures in the strip
  bool Enabled = true;
  TsDisabledGlyphKind Disabled = 0;
  int State = 0;
  int Blend = 0;                    // per cent of the background showing through in state 0
  bool Down = false;
};

// Draws the strip's picture for the glyph's state at rect's top-left corner
// of a 32-bit target. Pixels of the picture's bottom-left colour are never
// drawn. A single picture is copied opaque (or faded by Blend in state 0);
// pictures of a longer strip are copied as they are.
void DrawClassicGlyph(const image::TWorkingBitmap& strip, image::TWorkingBitmap& target, const TRect& rect,
                      const TClassicGlyph& glyph);

// Every alpha byte A becomes A * (100 - blend) div 100 (32-bit bitmaps only).
void FadeAlpha(image::TWorkingBitmap& bitmap, int blend);

// The pixels of a small arrow centred in rect, row by row: kind 8 points down
// (8 x 4), kind 4 right (4 x 7); other kinds have none.
std::vector<TPoint> SmallArrowPixels(const TRect& rect, int kind);

}  // namespace zelvan::paint
