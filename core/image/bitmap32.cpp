#include "core/image/bitmap32.h"

#include <cstring>

namespace zelvan::image {

std::unique_ptr<TWorkingBitmap> CreateBmp32(int width, int height) {
  return std::make_unique<TWorkingBitmap>(width, height, TPixelFormat::pf32bit);
}

std::unique_ptr<TWorkingBitmap> CloneBmpFormat(const TWorkingBitmap& bitmap) {
  auto clone = std::make_unique<TWorkingBitmap>(bitmap.Width(), bitmap.Height(), bitmap.PixelFormat());
  clone->Palette() = bitmap.Palette();
  return clone;
}

std::unique_ptr<TWorkingBitmap> CopyBitmap(const TWorkingBitmap& bitmap) {
  auto copy = CloneBmpFormat(bitmap);
  for (int y = 0; y < bitmap.Height(); ++y) std::memcpy(copy->ScanLine(y), bitmap.ScanLine(y), bitmap.Stride());
  return copy;
}

}  // namespace zelvan::image
