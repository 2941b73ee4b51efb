#pragma once
// The look of a disabled control, painted over its finished cache bitmap.

#include <cstdint>

#include "core/image/working_bitmap.h"
#include "core/paint/cache_info.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

using TsDisabledKind = uint8_t;  // a set of the flags below
inline constexpr TsDisabledKind dkBlended = 1;
inline constexpr TsDisabledKind dkGrayed = 2;

// What the disabled look needs to know of the control.
struct TDisabledControl {
  TPoint Position;    // the control's position in its parent
  TColor ParentColor;  // used when the cache info has neither a picture nor a colour
};

// dkGrayed: MakeGray on the whole bitmap first. dkBlended: with a ready cache
// info the parent's picture (rect offset by X, Y and the control's position)
// is laid over the rect, 60 % parent and 40 % control, key pixels of the
// parent skipped; otherwise the rect is blended 50 % toward FillColor, or
// toward the parent's colour when FillColor is the key colour.
void PaintDisabled(image::TWorkingBitmap& bitmap, TsDisabledKind kinds, const TDisabledControl& control,
                   const TRect& rect, const TCacheInfo& cacheInfo);

}  // namespace zelvan::paint
