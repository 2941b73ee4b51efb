#pragma once
// Copies and blends that leave out the pixels equal to a key colour. Keys are
// colour values (0x00BBGGRR) compared with the whole source pixel after
// conversion to pixel order, so a key pixel with a non-zero alpha byte is not
// the key.

#include "core/image/working_bitmap.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

// For each pixel S of sourceRect that is not the key, placed from
// (destinationX, destinationY): per channel D := Round(S - x * (S - D)), so x is
// the share of the destination that stays; alpha kept. Clipped to both bitmaps.
void BlendFromSource(image::TWorkingBitmap& destination, int destinationX, int destinationY, TColor key, double x,
                     const TRect& sourceRect, const image::TWorkingBitmap& source);

// Copies every source pixel that is not the key to (x, y) onward with alpha
// 255, clipped to the destination (32-bit). A source of another format is read
// as 24-bit pixels, three bytes each, compared without an alpha byte.
void CopyWithKey(image::TWorkingBitmap& destination, const image::TWorkingBitmap& source, int x, int y, TColor key);

}  // namespace zelvan::paint
