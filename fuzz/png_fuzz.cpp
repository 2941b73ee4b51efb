// Any byte string either loads as a PNG or fails with EInvalidGraphic:
// no crash, no hang, no unbounded allocation.
#include <cstddef>
#include <cstdint>

#include "core/image/graphic_error.h"
#include "core/image/png_graphic.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zelvan::io::TMemoryStream stream(data, size);
  zelvan::image::TPNGGraphic png;
  try {
    png.LoadFromStream(stream);
  } catch (const zelvan::image::EInvalidGraphic&) {
  }
  return 0;
}
