// Any byte string either parses as a packed skin archive or fails with
// EPackedSkinError: no crash, no hang, no allocation beyond what the bytes
// can inflate to.
#include <cstddef>
#include <cstdint>

#include "core/store/skin_convertor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zelvan::store::TacSkinConvertor reader;
  reader.PackedData = std::make_unique<zelvan::io::TMemoryStream>(data, size);
  try {
    reader.ParseFile();
  } catch (const zelvan::store::EPackedSkinError&) {
  }
  return 0;
}
