#pragma once
// The one clipping rule of the blits: a block copied from a source point to a
// destination point is cut to both bitmaps, and a negative coordinate on
// either side cuts the same number of columns or rows off both.

#include "core/image/working_bitmap.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

struct TBlitRegion {
  int DstX = 0;
  int DstY = 0;
  int SrcX = 0;
  int SrcY = 0;
  int Width = 0;
  int Height = 0;

  bool IsEmpty() const { return Width <= 0 || Height <= 0; }
};

// A block of the given size from source to destination point.
TBlitRegion ClipBlit(const image::TWorkingBitmap& destination, TPoint destinationPoint,
                     const image::TWorkingBitmap& source, TPoint sourcePoint, int width, int height);

// The block is the smaller of the two rects.
TBlitRegion ClipBlitRects(const image::TWorkingBitmap& destination, const TRect& destinationRect,
                          const image::TWorkingBitmap& source, const TRect& sourceRect);

// ClipBlitRects for a picture whose mask lies maskOffset rows below it: cut
// further so that the mask rows lie inside the source too.
TBlitRegion ClipBlitRectsWithMask(const image::TWorkingBitmap& destination, const TRect& destinationRect,
                                  const image::TWorkingBitmap& source, const TRect& sourceRect, int maskOffset);

}  // namespace zelvan::paint
