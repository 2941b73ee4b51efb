#pragma once
// Shorthands for the 32-bit working bitmaps that all composition happens in.

#include <cstdint>
#include <memory>

#include "core/image/working_bitmap.h"

namespace zelvan::image {

// A zeroed 32-bit bitmap; the caller owns it.
std::unique_ptr<TWorkingBitmap> CreateBmp32(int width, int height);

// Same width, height and pixel format (and palette); the pixels are not copied.
std::unique_ptr<TWorkingBitmap> CloneBmpFormat(const TWorkingBitmap& bitmap);

// A full copy: format, palette and pixels.
std::unique_ptr<TWorkingBitmap> CopyBitmap(const TWorkingBitmap& bitmap);

inline bool Is32(const TWorkingBitmap& bitmap) { return bitmap.PixelFormat() == TPixelFormat::pf32bit; }

// One pixel of a 32-bit bitmap; the caller keeps (x, y) inside it.
inline uint32_t GetPixel32(const TWorkingBitmap& bitmap, int x, int y) { return bitmap.Row32(y)[x]; }
inline void SetPixel32(TWorkingBitmap& bitmap, int x, int y, uint32_t value) { bitmap.Row32(y)[x] = value; }

}  // namespace zelvan::image
