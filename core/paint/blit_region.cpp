#include "core/paint/blit_region.h"

#include <algorithm>
#include <cstdint>

namespace zelvan::paint {
namespace {

// One axis in 64 bits, so that extreme coordinates cannot overflow.
struct TSpan {
  int64_t dst, src, length;
};

TSpan ClipAxis(int64_t dst, int64_t src, int64_t length, int64_t dstLimit, int64_t srcLimit) {
  const int64_t cut = std::max({int64_t{0}, -dst, -src});
  dst += cut;
  src += cut;
  length -= cut;
  length = std::min({length, dstLimit - dst, srcLimit - src});
  return {dst, src, std::max<int64_t>(length, 0)};
}

}  // namespace

TBlitRegion ClipBlit(const image::TWorkingBitmap& destination, TPoint destinationPoint,
                     const image::TWorkingBitmap& source, TPoint sourcePoint, int width, int height) {
  const TSpan x = ClipAxis(destinationPoint.X, sourcePoint.X, width, destination.Width(), source.Width());
  const TSpan y = ClipAxis(destinationPoint.Y, sourcePoint.Y, height, destination.Height(), source.Height());
  if (x.length == 0 || y.length == 0) return {};
  return {static_cast<int>(x.dst), static_cast<int>(y.dst),    static_cast<int>(x.src),
          static_cast<int>(y.src), static_cast<int>(x.length), static_cast<int>(y.length)};
}

TBlitRegion ClipBlitRects(const image::TWorkingBitmap& destination, const TRect& destinationRect,
                          const image::TWorkingBitmap& source, const TRect& sourceRect) {
  const int64_t width = std::min<int64_t>(int64_t{destinationRect.Right} - destinationRect.Left,
                                          int64_t{sourceRect.Right} - sourceRect.Left);
  const int64_t height = std::min<int64_t>(int64_t{destinationRect.Bottom} - destinationRect.Top,
                                           int64_t{sourceRect.Bottom} - sourceRect.Top);
  if (width <= 0 || height <= 0) return {};
  return ClipBlit(destination, {destinationRect.Left, destinationRect.Top}, source, {sourceRect.Left, sourceRect.Top},
                  static_cast<int>(std::min<int64_t>(width, INT32_MAX)),
                  static_cast<int>(std::min<int64_t>(height, INT32_MAX)));
}

TBlitRegion ClipBlitRectsWithMask(const image::TWorkingBitmap& destination, const TRect& destinationRect,
                                  const image::TWorkingBitmap& source, const TRect& sourceRect, int maskOffset) {
  TBlitRegion r = ClipBlitRects(destination, destinationRect, source, sourceRect);
  const int64_t maskRows = int64_t{source.Height()} - r.SrcY - maskOffset;
  if (maskRows < r.Height) r.Height = static_cast<int>(std::max<int64_t>(maskRows, 0));
  return r;
}

}  // namespace zelvan::paint
