#include "core/paint/gray.h"

#include "core/paint/pixel.h"

namespace zelvan::paint {
namespace {

template <class Skip>
void Gray(image::TWorkingBitmap& bitmap, Skip skip) {
  if (bitmap.PixelFormat() != image::TPixelFormat::pf32bit) return;
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint32_t* row = bitmap.Row32(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      const uint32_t p = row[x];
      if (skip(p)) continue;
      const int g = (PixelR(p) + PixelG(p) + PixelB(p)) / 3;
      row[x] = MakePixel(g, g, g, PixelA(p));
    }
  }
}

}  // namespace

void MakeGray(image::TWorkingBitmap& bitmap) {
  Gray(bitmap, [](uint32_t) { return false; });
}

void MakeGrayExceptKey(image::TWorkingBitmap& bitmap, uint32_t keyPixel) {
  Gray(bitmap, [keyPixel](uint32_t p) { return p == keyPixel; });
}

}  // namespace zelvan::paint
