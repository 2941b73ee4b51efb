#pragma once
// Rotating hue and changing saturation, used on a control's cache bitmap and
// when the skin manager recolours a whole skin. Alpha is always kept.

#include <cstdint>

#include "core/image/working_bitmap.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

// One pixel (0xAARRGGBB); hue offset in degrees. Grays come back unchanged.
uint32_t ChangeHue(int offset, uint32_t pixel);
// amount -100..100: positive pushes channels away from gray, -100 makes gray.
uint32_t ChangeSaturation(int amount, uint32_t pixel);

// The same on a colour value (converted to pixel order and back); 0 returns
// the colour unchanged. System colours are resolved first.
TColor ChangeColorHue(TColor color, int offset);
TColor ChangeColorSaturation(TColor color, int amount);

// Every pixel that is neither the key (as a whole value) nor a pure gray.
// A missing bitmap or one that is not 32-bit is ignored.
void ChangeBitmapHue(image::TWorkingBitmap* bitmap, int offset);
void ChangeBitmapSaturation(image::TWorkingBitmap* bitmap, int amount);

// The same on the part of rect inside the bitmap.
void ChangeRectHue(image::TWorkingBitmap& bitmap, const TRect& rect, int offset);
void ChangeRectSaturation(image::TWorkingBitmap& bitmap, const TRect& rect, int amount);

}  // namespace zelvan::paint
