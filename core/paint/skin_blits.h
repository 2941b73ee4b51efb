#pragma once
// The blits that put image parts into working bitmaps and decide what becomes
// of their see-through pixels: skipped, taken from the parent's picture
// (TCacheInfo) or filled with the parent's colour. A key pixel is 0x00FF00FF
// as a whole value. All clip to both bitmaps; a negative coordinate cuts the
// same columns or rows off both sides. 32-bit bitmaps only.

#include "core/image/working_bitmap.h"
#include "core/paint/cache_info.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"
#include "core/store/skin_types.h"

namespace zelvan::paint {

// A picture of a part with a mask (MaskType > 0), the mask StateHeight(part)
// rows below it; the block is the smaller of the two rects. Non-key pixels are
// mask-blended (alpha 255 with a ready cache info). Key pixels: with
// fillFromParent, the parent pixel when Ready (where there is one), else
// FillColor in pixel order, all four bytes; without it they blend like the
// rest when Ready and are left alone otherwise.
void BlitMasked(const TRect& destinationRect, const TRect& sourceRect, image::TWorkingBitmap& destination,
                const store::TsMaskData& part, bool fillFromParent, const TCacheInfo& cacheInfo,
                const image::TWorkingBitmap& source);

// A part without mask to (x, y); sourceRect includes its Right and Bottom.
// Pixels equal to key (a colour value) are: with fillFromParent and a ready
// cache bitmap, the parent pixel as it is, except when the destination is that
// bitmap itself, where keys are left alone and the rest gets alpha 255; with
// Ready otherwise, left alone; without Ready, FillColor. Others are copied.
void BlitKeyed(image::TWorkingBitmap& destination, const image::TWorkingBitmap& source, int x, bool fillFromParent,
               const TCacheInfo& cacheInfo, TColor key, const TRect& sourceRect, int y);

// Glyph blit. Key pixels and pixels whose mask red is 255 are skipped; the
// rest blends by the mask, each mask channel raised by 100 (at most 255) in any
// mode but 1, and the destination alpha grows by (255 - A) * (255 - mask red)
// shr 8. A part without mask copies its non-key pixels unchanged.
void BlitGlyph(const TRect& destinationRect, const TRect& sourceRect, image::TWorkingBitmap& destination,
               const store::TsMaskData& part, int mode, const image::TWorkingBitmap& source);

// A slice of a masked part stretched onto destinationRect, its mask
// maskOffset rows below it (0: no mask, a plain nearest-neighbour stretch).
// The centre and slices shrinking in one direction only are resampled
// (Mitchell for the picture, Hermite for the mask), the rest stretched by
// nearest neighbour; then mask-blended with alpha 255. A 1 x 1 centre fills,
// skips or blends by its mask. Nothing for a negative destination position, a
// destination bitmap below 2 x 2 or a slice reaching outside the source.
void StretchMaskedEdge(image::TWorkingBitmap& destination, const TRect& destinationRect,
                       const image::TWorkingBitmap& source, const TRect& sourceRect, int maskOffset, bool centre);

}  // namespace zelvan::paint
