#pragma once
// Reading the parent's picture behind a destination pixel.

#include <cstdint>

#include "core/paint/cache_info.h"

namespace zelvan::paint {

enum class TParentPlace { Inside, NoBitmap, LeftOf, RightOf, Above, Below };

struct TParentPixel {
  TParentPlace Place;
  uint32_t Pixel;  // valid when Inside
};

// The pixel at (X + x, Y + y) of the cache bitmap, or where that point lies
// outside it. A bitmap that is missing or not 32-bit counts as NoBitmap.
inline TParentPixel LookupParentPixel(const TCacheInfo& info, int x, int y) {
  const image::TWorkingBitmap* bmp = info.Bmp;
  if (bmp == nullptr || bmp->PixelFormat() != image::TPixelFormat::pf32bit) return {TParentPlace::NoBitmap, 0};
  const int64_t px = int64_t{info.X} + x;
  const int64_t py = int64_t{info.Y} + y;
  if (py < 0) return {TParentPlace::Above, 0};
  if (py >= bmp->Height()) return {TParentPlace::Below, 0};
  if (px < 0) return {TParentPlace::LeftOf, 0};
  if (px >= bmp->Width()) return {TParentPlace::RightOf, 0};
  return {TParentPlace::Inside, bmp->Row32(static_cast<int>(py))[px]};
}

}  // namespace zelvan::paint
