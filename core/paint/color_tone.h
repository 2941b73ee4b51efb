#pragma once
// Pulling the pixels of a bitmap toward one colour by a real factor. Each
// result is rounded half to even. System colours are resolved first.

#include <cstdint>

#include "core/image/working_bitmap.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

// Per channel Round(p/100 * channel + (1 - p/100) * colour channel); alpha is
// kept. The rect's Right and Bottom are inclusive here and are clamped to the
// last column and row.
void BlendRectWithColor(image::TWorkingBitmap& bitmap, const TRect& rect, int percent, TColor color);

// Per channel Round(channel - c * (channel - colour channel) / 100); alpha :=
// the given alpha. The rect is clipped to the bitmap.
void FadeRectToColor(image::TWorkingBitmap& bitmap, const TRect& rect, TColor color, uint8_t alpha, int percent);

// Every pixel but the key: per channel Round(x * (channel - colour channel) +
// colour channel), so x is the share of the pixel that stays; alpha is kept.
void BlendBitmapWithColor(image::TWorkingBitmap& bitmap, TColor color, double x);

}  // namespace zelvan::paint
