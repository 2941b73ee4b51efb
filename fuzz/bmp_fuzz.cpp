// Any byte string either reads as a BMP, in its own format and directly as
// 32 bits, or fails with EInvalidGraphic.
#include <cstddef>
#include <cstdint>

#include "core/image/bmp_reader.h"
#include "core/image/graphic_error.h"
#include "core/image/pixel_format_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const bool direct : {false, true}) {
    zelvan::io::TMemoryView stream(data, size);
    try {
      const auto bitmap = zelvan::image::ReadBmp(stream, direct);
      zelvan::image::ConvertToDirectColor(*bitmap, zelvan::image::TPixelFormat::pf32bit);
    } catch (const zelvan::image::EInvalidGraphic&) {
    }
  }
  return 0;
}
