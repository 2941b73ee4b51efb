#pragma once
// The plain block copies, stretches and tilings of the skin painters: what
// the platform's BitBlt and StretchBlt (COLORONCOLOR) do, in the core so that
// both builds give the same pixels. 32-bit bitmaps only; anything else is
// left alone.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/image/working_bitmap.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

// sourceRect of source to destinationPoint, every byte as it is; clipped to
// both bitmaps (a negative coordinate cuts both sides alike).
void CopyBlock(image::TWorkingBitmap& destination, TPoint destinationPoint, const image::TWorkingBitmap& source,
               const TRect& sourceRect);

// The part of r inside source as a new 32-bit bitmap; null when that part is empty.
std::unique_ptr<image::TWorkingBitmap> CopyOutBlock(const image::TWorkingBitmap& source, const TRect& r);

// For the destination indexes from..from+count-1 of a dstLength-long stretch of
// srcLength samples: the source index each one takes, that of its centre.
std::vector<int> NearestIndexes(int64_t from, int count, int srcLength, int dstLength);

// sourceRect stretched onto destinationRect by nearest neighbour, clipped to
// the destination. A source rect not wholly inside source paints nothing.
void StretchNearest(image::TWorkingBitmap& destination, const TRect& destinationRect,
                    const image::TWorkingBitmap& source, const TRect& sourceRect);

// Lays tileWidth x tileHeight tiles over area from its top-left corner, row by
// row, the last row and column cut at area's edges, and calls paint(piece) with
// the destination rect of each piece that meets visible. A piece always starts
// at a tile's origin, so its source is the tile's leading piece.Width() x
// piece.Height() pixels.
template <class TPaint>
void ForEachTile(const TRect& area, int tileWidth, int tileHeight, const TRect& visible, TPaint&& paint) {
  if (tileWidth <= 0 || tileHeight <= 0) return;
  const TRect v = IntersectRects(area, visible);
  if (v.IsEmpty()) return;
  // Start at the first tile that meets the visible part: a huge area with a
  // tiny tile costs only the visible tiles.
  const int64_t top = area.Top + (int64_t{v.Top} - area.Top) / tileHeight * tileHeight;
  const int64_t left = area.Left + (int64_t{v.Left} - area.Left) / tileWidth * tileWidth;
  for (int64_t y = top; y < v.Bottom; y += tileHeight) {
    for (int64_t x = left; x < v.Right; x += tileWidth) {
      paint(TRect{static_cast<int>(x), static_cast<int>(y), static_cast<int>(std::min<int64_t>(x + tileWidth, area.Right)),
                  static_cast<int>(std::min<int64_t>(y + tileHeight, area.Bottom))});
    }
  }
}

// The picture turned left for right, in place (a right-to-left menu's background).
void MirrorHorizontally(image::TWorkingBitmap& bitmap);
// Where r lies after mirroring a picture width pixels wide.
inline TRect MirroredRect(const TRect& r, int width) { return {width - r.Right, r.Top, width - r.Left, r.Bottom}; }

// sourceRect tiled over area by plain copies.
void TileBlock(image::TWorkingBitmap& destination, const TRect& area, const image::TWorkingBitmap& source,
               const TRect& sourceRect);

}  // namespace zelvan::paint
