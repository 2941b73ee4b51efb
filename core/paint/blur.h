#pragma once
// Gaussian blur of an 8-bit plane, used for text shadows.

#include "core/image/working_bitmap.h"

namespace zelvan::paint {

// Separable Gaussian blur in place: rows, then columns, edge samples repeated,
// results truncated to bytes. Bitmaps that are not 8-bit, and radii that are
// not positive, leave the bitmap untouched.
void BlurGray8(image::TWorkingBitmap& bitmap, double radius);

}  // namespace zelvan::paint
