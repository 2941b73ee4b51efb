#pragma once
// How the painters read an image part (TsMaskData): the bitmap it lives in and
// where the image of one state lies in it.

#include "core/image/working_bitmap.h"
#include "core/paint/geometry.h"
#include "core/store/skin_types.h"

namespace zelvan::paint {

// The part's own bitmap, else its manager's master bitmap. Null for a part
// without manager (never painted), without bitmap, or with one not 32-bit.
const image::TWorkingBitmap* PartBitmap(const store::TsMaskData& part);

// Width of one state image: 0 without images, R's width for one, else R's
// width div ImageCount (a negative count counts as none).
int StateWidth(const store::TsMaskData& part);

// Height of one state image: R's height without mask, half of it for
// MaskType 1, a (MaskType + 1)th for more bands; 0 for a negative MaskType.
// With a mask it is also how far the mask rows lie below the picture rows.
int StateHeight(const store::TsMaskData& part);
// The same for a part whose rect is r.
int StateHeightIn(const TRect& r, int maskType);

// The picture rect of a state, the state clamped to 0..ImageCount - 1. Empty
// when the part has no state image.
TRect StateRect(const store::TsMaskData& part, int state);

}  // namespace zelvan::paint
