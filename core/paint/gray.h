#pragma once
// Turning 32-bit bitmaps gray: R, G, B := (R + G + B) div 3, alpha kept.

#include <cstdint>

#include "core/image/working_bitmap.h"

namespace zelvan::paint {

void MakeGray(image::TWorkingBitmap& bitmap);

// keyPixel is a pixel value (0xAARRGGBB), typically the bitmap's own top-left
// pixel; pixels equal to it as a whole stay unchanged.
void MakeGrayExceptKey(image::TWorkingBitmap& bitmap, uint32_t keyPixel);

}  // namespace zelvan::paint
