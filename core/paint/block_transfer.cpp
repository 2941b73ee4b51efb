#include "core/paint/block_transfer.h"

#include <cstring>

#include "core/image/bitmap32.h"
#include "core/paint/blit_region.h"

namespace zelvan::paint {
namespace {

using image::TWorkingBitmap;

using image::Is32;

bool Inside(const TRect& r, const TWorkingBitmap& b) {
  return r.Left >= 0 && r.Top >= 0 && r.Left < r.Right && r.Top < r.Bottom && r.Right <= b.Width() &&
         r.Bottom <= b.Height();
}

}  // namespace

std::unique_ptr<TWorkingBitmap> CopyOutBlock(const TWorkingBitmap& source, const TRect& r) {
  const TRect c = ClipToSize(r, source.Width(), source.Height());
  if (c.IsEmpty() || !Is32(source)) return nullptr;
  auto copy = image::CreateBmp32(c.Width(), c.Height());
  CopyBlock(*copy, TPoint{0, 0}, source, c);
  return copy;
}

void CopyBlock(TWorkingBitmap& destination, TPoint destinationPoint, const TWorkingBitmap& source,
               const TRect& sourceRect) {
  if (!Is32(destination) || !Is32(source)) return;
  const TBlitRegion r = ClipBlit(destination, destinationPoint, source, {sourceRect.Left, sourceRect.Top},
                                 sourceRect.Width(), sourceRect.Height());
  // memmove: the source may be the destination itself.
  for (int y = 0; y < r.Height; ++y)
    std::memmove(destination.Row32(r.DstY + y) + r.DstX, source.Row32(r.SrcY + y) + r.SrcX,
                 4 * static_cast<size_t>(r.Width));
}

std::vector<int> NearestIndexes(int64_t from, int count, int srcLength, int dstLength) {
  std::vector<int> indexes(static_cast<size_t>(std::max(count, 0)));
  for (size_t i = 0; i < indexes.size(); ++i)
    indexes[i] = static_cast<int>((2 * (from + static_cast<int64_t>(i)) + 1) * srcLength / (2 * int64_t{dstLength}));
  return indexes;
}

void StretchNearest(TWorkingBitmap& destination, const TRect& destinationRect, const TWorkingBitmap& source,
                    const TRect& sourceRect) {
  if (!Is32(destination) || !Is32(source) || !Inside(sourceRect, source) || destinationRect.IsEmpty()) return;
  const TRect v = ClipToSize(destinationRect, destination.Width(), destination.Height());
  if (v.IsEmpty()) return;
  const int64_t dstWidth = int64_t{destinationRect.Right} - destinationRect.Left;
  const int64_t dstHeight = int64_t{destinationRect.Bottom} - destinationRect.Top;
  if (dstWidth > INT32_MAX || dstHeight > INT32_MAX) return;
  const std::vector<int> columns = NearestIndexes(int64_t{v.Left} - destinationRect.Left, v.Width(),
                                                  sourceRect.Width(), static_cast<int>(dstWidth));
  const std::vector<int> rows = NearestIndexes(int64_t{v.Top} - destinationRect.Top, v.Height(),
                                               sourceRect.Height(), static_cast<int>(dstHeight));
  for (int y = v.Top; y < v.Bottom; ++y) {
    const uint32_t* s = source.Row32(sourceRect.Top + rows[static_cast<size_t>(y - v.Top)]) + sourceRect.Left;
    uint32_t* d = destination.Row32(y) + v.Left;
    for (size_t x = 0; x < columns.size(); ++x) d[x] = s[columns[x]];
  }
}

void MirrorHorizontally(TWorkingBitmap& bitmap) {
  if (bitmap.PixelFormat() != image::TPixelFormat::pf32bit) return;
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint32_t* row = bitmap.Row32(y);
    std::reverse(row, row + bitmap.Width());
  }
}

void TileBlock(TWorkingBitmap& destination, const TRect& area, const TWorkingBitmap& source, const TRect& sourceRect) {
  ForEachTile(area, sourceRect.Width(), sourceRect.Height(), {0, 0, destination.Width(), destination.Height()},
              [&](const TRect& piece) {
                CopyBlock(destination, {piece.Left, piece.Top}, source,
                          {sourceRect.Left, sourceRect.Top, sourceRect.Left + piece.Width(),
                           sourceRect.Top + piece.Height()});
              });
}

}  // namespace zelvan::paint
