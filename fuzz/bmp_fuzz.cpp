// Any byte string either reads as a BMP (and converts to 32 bits as the skin
// loader does) or fails with EInvalidGraphic.
#include <cstddef>
#include <cstdint>

#include "core/image/bmp_reader.h"
#include "core/image/graphic_error.h"
#include "core/image/pixel_format_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zelvan::io::TMemoryStream stream(data, size);
  try {
    const auto bitmap = zelvan::image::ReadBmp(stream);
    zelvan::image::ConvertToDirectColor(*bitmap, zelvan::image::TPixelFormat::pf32bit);
  } catch (const zelvan::image::EInvalidGraphic&) {
  }
  return 0;
}
