// Any byte string either parses as a packed skin archive or fails with
// EPackedSkinError: no crash, no hang, no allocation beyond what the bytes
// can inflate to. Every file read is found again by its upper-case name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/store/ini_file.h"
#include "core/store/skin_convertor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zelvan::store::TacSkinConvertor reader;
  reader.PackedData = std::make_unique<zelvan::io::TMemoryStream>(data, size);
  try {
    reader.ParseFile();
  } catch (const zelvan::store::EPackedSkinError&) {
    return 0;
  }
  for (const auto& item : reader.Files) {
    const auto* found = reader.FindFile(zelvan::store::UpperCase(item.FileName));
    if (found == nullptr || zelvan::store::UpperCase(found->FileName) != zelvan::store::UpperCase(item.FileName))
      std::abort();
  }
  return 0;
}
