#pragma once
// Small hand-made bitmaps for the painter tests: pixels spelled out row by row.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "core/image/bitmap32.h"

namespace zelvan::paint::testing {

inline std::unique_ptr<image::TWorkingBitmap> Bitmap32(int width, int height, std::initializer_list<uint32_t> pixels) {
  auto bitmap = image::CreateBmp32(width, height);
  auto it = pixels.begin();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image::SetPixel32(*bitmap, x, y, it != pixels.end() ? *it++ : 0);
  return bitmap;
}

inline std::unique_ptr<image::TWorkingBitmap> Filled32(int width, int height, uint32_t pixel) {
  auto bitmap = image::CreateBmp32(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image::SetPixel32(*bitmap, x, y, pixel);
  return bitmap;
}

// An 8-bit plane, values row by row.
inline std::unique_ptr<image::TWorkingBitmap> Plane(int width, int height, std::initializer_list<uint8_t> values) {
  auto plane = std::make_unique<image::TWorkingBitmap>(width, height, image::TPixelFormat::pf8bit);
  auto it = values.begin();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) plane->ScanLine(y)[x] = it != values.end() ? *it++ : 0;
  return plane;
}

inline std::vector<uint32_t> Pixels(const image::TWorkingBitmap& bitmap) {
  std::vector<uint32_t> out;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) out.push_back(image::GetPixel32(bitmap, x, y));
  return out;
}

inline std::vector<uint8_t> Plane8(const image::TWorkingBitmap& bitmap) {
  std::vector<uint8_t> out;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) out.push_back(bitmap.ScanLine(y)[x]);
  return out;
}

}  // namespace zelvan::paint::testing
