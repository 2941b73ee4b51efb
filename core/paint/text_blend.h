#pragma once
// The pixel rules of skinned text: a colour laid through the mask of text
// rendered black on white (keeps the target's alpha channel meaningful), and
// a blurred glow plane laid over a picture. Both clip to the target; a
// negative place cuts the hidden part of the mask or plane off.

#include "core/image/working_bitmap.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

// mask: 32-bit, black text on white. Wherever its B, G, R are not all 255,
// each channel of the target becomes ((D - C) * P + C * 256) shr 8 with P the
// mask's channel (black gives C, sub-pixel shading carries over per channel)
// and the alpha 255. White mask pixels leave the target alone.
void BlendTextMask(image::TWorkingBitmap& target, TPoint at, const image::TWorkingBitmap& mask, TColor color);

// glow: 8-bit plane, 0 where the glow is full. Wherever m != 255 each channel
// becomes C + m * (D - C) div 255 and the alpha A + (255 - m) * (255 - A) div 255.
void BlendGlow(image::TWorkingBitmap& target, TPoint at, const image::TWorkingBitmap& glow, TColor color);

}  // namespace zelvan::paint
