#pragma once
// Textures: image parts and stored patterns laid over a rect.

#include "core/image/jpeg_image.h"
#include "core/image/working_bitmap.h"
#include "core/paint/cache_info.h"
#include "core/paint/geometry.h"
#include "core/store/skin_types.h"

namespace zelvan::paint {

// Hands back that no part of the rect is left to fill.
inline constexpr int kRectCovered = -1;

// Texture modes of a part without mask (its DrawMode); the tile is the whole
// R. On return rect holds what the texture did not cover, for the caller to
// fill with the section colour, or has Right = kRectCovered. A pattern bitmap
// that is given and not empty is tiled instead and covers everything. When
// nothing can be painted the rect is left as it was.
enum TTextureMode {
  tmTile = 0,         // over the whole rect, last row and column cut
  tmStretch = 1,      // to the whole rect
  tmTopRow = 2,       // one tiled row along the top; the rest below is handed back
  tmLeftColumn = 3,   // one tiled column along the left; the rest right of it
  tmStretchTop = 4,   // one row along the top stretched to the full width
  tmStretchLeft = 5,  // one column along the left stretched to the full height
  tmBottomRow = 6,    // one tiled row along the bottom; the rest above it
  tmRightColumn = 7,  // one tiled column along the right; the rest left of it (and any unknown mode)
  tmWholeRows = 10,   // whole rows of tiles, the last column cut; a lower strip stays unpainted
};
void FillTexture(image::TWorkingBitmap& canvas, TRect& rect, const image::TWorkingBitmap* pattern, int mode,
                 const store::TsMaskData& part);

// A part with a mask, its state-0 image as the tile, key pixels showing the
// parent (or FillColor without Ready). tmTile: whole-height rows of tiles, the
// last column cut; tmWholeRows: whole tiles only, the strips right and below
// taken from the parent's picture or filled with FillColor. Other modes paint
// nothing and leave rect as it was; after painting Right = kRectCovered.
void FillMaskedTexture(image::TWorkingBitmap& bitmap, TRect& rect, const TCacheInfo& cacheInfo, int mode,
                       const store::TsMaskData& part);

// A stored pattern tiled from the rect's top-left corner, last row and column
// cut. A JPEG pattern is expanded for the call; one that cannot be read, like
// an empty picture, paints nothing. The JPEG form tells whether it painted.
void TilePattern(image::TWorkingBitmap& canvas, const TRect& rect, const image::TWorkingBitmap& picture);
bool TilePattern(image::TWorkingBitmap& canvas, const TRect& rect, const image::TJpegImage& picture);

}  // namespace zelvan::paint
