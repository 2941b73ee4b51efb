#pragma once
// Image parts painted as glyphs at a point and as nine-slice frames over a
// rect. Painting never raises: a missing bitmap, a part without manager or
// state image, or a degenerate rect paints nothing.

#include <vector>

#include "core/image/working_bitmap.h"
#include "core/paint/cache_info.h"
#include "core/paint/geometry.h"
#include "core/store/skin_types.h"

namespace zelvan::paint {

// One state image (clamped to the part's images) with its top-left at point;
// a negative coordinate cuts the image. mode 1 is normal, any other faded.
void DrawMaskGlyph(image::TWorkingBitmap& bitmap, TPoint point, int state, const TCacheInfo& cacheInfo,
                   const store::TsMaskData& part, int mode);

// Whose key pixels the corners of a frame show.
enum class TFrameCorners {
  kByCornerType,  // the parent's, when the caller asks and the part's CornerType > 0
  kFromParent,    // always the cache info's (form frames)
};

// Nine-slice painting of one state image over rect: corners as they are,
// edges and the centre (DrawMode flag 4) tiled, or stretched with flag 1.
// State 0 of a part with DrawMode flag 2 paints nothing. Margins that do not
// fit the rect shrink, the far one taking the odd pixel.
void DrawMaskRect(image::TWorkingBitmap& bitmap, const TRect& rect, bool cornersFromParent, int state,
                  const store::TsMaskData& part, const TCacheInfo& cacheInfo,
                  TFrameCorners corners = TFrameCorners::kByCornerType);

// The frame over the whole bitmap (at least 2 x 2), without parent: key pixels
// of the corners are not painted but cut out of the window region, as
// rectangles one row high appended to cutOut. A part with MaskType 1 blends by
// its mask, others are copied. An ImageCount below 1 makes the part's whole
// own bitmap one state image. The caller skips state 0 of DrawMode flag 2.
void DrawMaskRectRegion(image::TWorkingBitmap& bitmap, std::vector<TRect>& cutOut, int state,
                        const store::TsMaskData& part);

}  // namespace zelvan::paint
