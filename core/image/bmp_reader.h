#pragma once
// Reads Windows bitmap files: 1, 4 and 8 bits with a palette, 16 bits (5-5-5
// or bit fields), 24 bits, 32 bits (plain or bit fields); OS/2, info, V4 and
// V5 headers; bottom-up and top-down rows. RLE compression is refused.
//
// Hostile files: a header whose pixel rows would not fit in the rest of the
// stream, or whose bitmap would exceed the working bitmap's ceiling, is
// refused before any pixel memory is allocated.

#include <memory>

#include "core/image/working_bitmap.h"
#include "core/io/stream.h"

namespace zelvan::image {

inline const char* const kInvalidBitmap = "Bitmap image is not valid";

// The picture in its own format: indexed formats keep their palette, 16 bits
// come out as 24. With directTo32, 16- and 24-bit files come out as 32 bits
// with alpha 0, as a conversion would give, without a second bitmap.
// sourceBits, when given, receives the file's bits per pixel.
// Throws EInvalidGraphic(kInvalidBitmap).
std::unique_ptr<TWorkingBitmap> ReadBmp(io::TStream& stream, bool directTo32 = false, int* sourceBits = nullptr);

}  // namespace zelvan::image
