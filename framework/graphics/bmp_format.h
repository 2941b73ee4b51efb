#pragma once
// BMP files to and from working bitmaps: uncompressed 1, 4, 8, 24 and 32 bits
// per pixel (32-bit also with the standard bit-field masks), rows bottom-up or
// top-down, the palette kept as it is stored. Bad files raise EReadError.

#include <cstdint>
#include <memory>
#include <vector>

#include "core/image/working_bitmap.h"

std::unique_ptr<zelvan::image::TWorkingBitmap> ReadBmp(const std::vector<uint8_t>& file);
std::vector<uint8_t> WriteBmp(const zelvan::image::TWorkingBitmap& image);
