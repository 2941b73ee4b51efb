#pragma once
// The pixel work of frames over a control's cache bitmap that is already
// painted: see-through corners given the parent's background, and the frame
// alone of edit-like controls.
//
// parent is the parent's answer with the control's position already added
// to X and Y, so cache pixel (x, y) shows parent pixel (X + x, Y + y).

#include "core/image/working_bitmap.h"
#include "core/paint/cache_info.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"
#include "core/store/skin_store.h"

namespace zelvan::paint {

// Corner set bits of FillParentCorners.
inline constexpr int kCornerTopLeft = 1;
inline constexpr int kCornerBottomLeft = 2;
inline constexpr int kCornerTopRight = 4;
inline constexpr int kCornerBottomRight = 8;

// For each corner in the set, where the frame part's state image has a key
// pixel, the cache pixel of the same place in the cache's corner becomes the
// parent's pixel (a picture) or colour (no picture; none for the key colour).
// The corner slices are the part's margins (MaskWidth*). A part with
// ImageCount 0 and a bitmap of its own holds three state images across it.
void FillParentCorners(const store::TsSkinStore* manager, int frameIndex, int state, int corners,
                       image::TWorkingBitmap& cache, const TCacheInfo& parent);

// The frame of an edit-like control over rect of its cache and the inner
// rect it leaves. A frame part with a mask first gets the parent behind its
// margins (its picture, else backgroundColor). An inner border b > 0 fills
// the band from the margins to b with backgroundColor and makes the inner
// rect rect less b on each side (never inverted); without a valid frame the
// band is b wide. A rect that is empty or not inside the 32-bit cache is
// handed back as it is, unpainted.
TRect PaintFrameOnly(const store::TsSkinStore* manager, int frameIndex, image::TWorkingBitmap& cache, const TRect& rect,
                     int innerBorder, int state, const TCacheInfo& parent, TColor backgroundColor);

}  // namespace zelvan::paint
