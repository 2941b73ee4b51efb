#pragma once
// JPEG images of skins, read with libjpeg. A large background stays
// compressed (its bytes and size) and is expanded only when painted.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/image/working_bitmap.h"

namespace zelvan::image {

struct TJpegImage {
  std::vector<uint8_t> Data;  // the whole file
  int Width = 0;
  int Height = 0;
};

// Reads the header only. Throws EInvalidGraphic with libjpeg's message when
// the bytes are no JPEG.
TJpegImage ReadJpegHeader(std::vector<uint8_t> bytes);

// A 32-bit bitmap of the picture, every alpha 255. Throws EInvalidGraphic for
// damaged data or a size whose bitmap would exceed kMaxWorkingBitmapBytes,
// before anything of that size is allocated.
std::unique_ptr<TWorkingBitmap> DecodeJpeg(const TJpegImage& image);

}  // namespace zelvan::image
