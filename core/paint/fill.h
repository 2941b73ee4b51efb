#pragma once
// Solid fills of 32-bit bitmaps.

#include <array>
#include <cstdint>

#include "core/image/working_bitmap.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

// alpha << 24 + colour in pixel order, system colours resolved.
uint32_t ColorPixel(TColor color, uint8_t alpha);

// Every pixel of the rect (clipped to the bitmap) := alpha << 24 + colour in
// pixel order. System colours are resolved first.
void FillRect32(image::TWorkingBitmap& bitmap, const TRect& rect, TColor color, uint8_t alpha);

// The four strips of a frame with the given side widths: top over the full
// width, left below it, bottom right of the left strip, right between the top
// and bottom strips. Shared with the device-context fills of the platform side.
std::array<TRect, 4> FrameStrips(const TRect& rect, int left, int top, int right, int bottom);

// The strips of FrameStrips, each by FillRect32 with alpha 255.
void FillFrame32(image::TWorkingBitmap& bitmap, const TRect& rect, int left, int top, int right, int bottom,
                 TColor color);

}  // namespace zelvan::paint
