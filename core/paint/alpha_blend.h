#pragma once
// Source-over blits by the source's alpha byte. Rects are clipped to both
// bitmaps; a negative Left or Top cuts both rects alike. The block is the
// smaller of the two rects.
//
// Key pixels (0x00FF00FF as a whole) of the source count only with a ready
// cache info: they are skipped, or with fillKey replaced by the parent's pixel
// (alpha 255) at (X + destination x, Y + destination y) of the cache bitmap.
// A parent row below the cache bitmap skips the pixel; a parent column beyond
// its right edge or a row above its top ends the destination row there.

#include "core/image/working_bitmap.h"
#include "core/paint/cache_info.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

// Per channel D := ((S - D) * A + D * 256) shr 8; where A != 0 the destination
// alpha becomes DA + A * (255 - DA) div 255.
void AlphaBlendOver(const TRect& destinationRect, const TRect& sourceRect, image::TWorkingBitmap& destination,
                    bool fillKey, const TCacheInfo& cacheInfo, const image::TWorkingBitmap& source);

// The glyph blit. blendPercent a (clamped to 0..100) fades the source:
// a != 0 blends by k = (100 - a) * A div 100 and keeps the destination alpha;
// a = 0 blends by A and sets the destination alpha to max(DA, A). A tint other
// than kNoColorValue first turns the source pixel gray, g = (R + G + B) div 3,
// and each channel into min(255, Round(g * tint channel / 255)).
// reflected paints a fading mirror image of the source's lower half below the
// destination rect.
void DrawAlphaImage(const TRect& destinationRect, const TRect& sourceRect, image::TWorkingBitmap& destination,
                    bool reflected, int blendPercent, TColor tint, bool fillKey, const TCacheInfo& cacheInfo,
                    const image::TWorkingBitmap& source);

}  // namespace zelvan::paint
