// Any byte string either reads as a JPEG and decodes, or fails with
// EInvalidGraphic: libjpeg's error exits all come back as that error.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/image/graphic_error.h"
#include "core/image/jpeg_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Large pictures are refused before decoding or take long to expand;
  // mid-sized ones are skipped so that each run stays quick.
  constexpr uint64_t kMaxDecodedPixels = uint64_t{1} << 20;
  try {
    const zelvan::image::TJpegImage image = zelvan::image::ReadJpegHeader(std::vector<uint8_t>(data, data + size));
    const uint64_t pixels = static_cast<uint64_t>(image.Width) * static_cast<uint64_t>(image.Height);
    if (pixels <= kMaxDecodedPixels || 4 * pixels > zelvan::image::kMaxWorkingBitmapBytes) {
      zelvan::image::DecodeJpeg(image);
    }
  } catch (const zelvan::image::EInvalidGraphic&) {
  }
  return 0;
}
