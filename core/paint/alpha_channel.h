#pragma once
// Work on single byte planes of 32-bit bitmaps: the alpha byte and channel
// copies to and from 8-bit bitmaps.

#include <cstdint>

#include "core/image/working_bitmap.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

// Alpha := the given value in the rect (clipped to the bitmap); with skipKey,
// key pixels (0x00FF00FF as a whole) are left alone.
void SetRectAlpha(image::TWorkingBitmap& bitmap, const TRect& rect, uint8_t alpha, bool skipKey);

// R, G, B := channel * A shr 8, alpha kept: the form the platform's per-pixel
// alpha blend expects. The whole bitmap, or the rect clipped to it.
void PremultiplyAlpha(image::TWorkingBitmap& bitmap);
void PremultiplyAlpha(image::TWorkingBitmap& bitmap, const TRect& rect);

enum class TChannelCopy { ToPlane, FromPlane };

// Copies byte `channel` (0 B, 1 G, 2 R, 3 A) of every pixel of a 32-bit bitmap
// into an 8-bit bitmap (ToPlane) or back (FromPlane), over the area both
// bitmaps cover. Bitmaps of other formats or an index outside 0..3: nothing.
void CopyChannel(image::TWorkingBitmap& bitmap32, image::TWorkingBitmap& plane8, int channel, TChannelCopy direction);

}  // namespace zelvan::paint
