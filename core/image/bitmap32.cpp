#include "core/image/bitmap32.h"

namespace zelvan::image {

std::unique_ptr<TWorkingBitmap> CreateBmp32(int width, int height) {
  return std::make_unique<TWorkingBitmap>(width, height, TPixelFormat::pf32bit);
}

std::unique_ptr<TWorkingBitmap> CloneBmpFormat(const TWorkingBitmap& bitmap) {
  auto clone = std::make_unique<TWorkingBitmap>(bitmap.Width(), bitmap.Height(), bitmap.PixelFormat());
  clone->Palette() = bitmap.Palette();
  return clone;
}

}  // namespace zelvan::image
