// Any byte string either parses as a packed skin archive or fails with
// EPackedSkinError: no crash, no hang, no allocation beyond what the bytes
// can inflate to. The bytes are read the way the program reads an archive,
// from a file; every file read is found again by its upper-case name.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/store/ini_file.h"
#include "core/store/skin_convertor.h"

namespace {

// One file under the temporary folder for the whole run, removed at its end.
struct TArchiveFile {
  std::filesystem::path path = std::filesystem::temp_directory_path() /
                               ("zelvan_archive_fuzz_" + std::to_string(getpid()) + ".asz");
  ~TArchiveFile() {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TArchiveFile kFile;
  std::ofstream(kFile.path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  zelvan::store::TacSkinConvertor reader;
  try {
    if (!zelvan::store::LoadSkinFromFile(kFile.path.u16string(), reader, true)) std::abort();
  } catch (const zelvan::store::EPackedSkinError&) {
    return 0;
  }
  if (reader.PackedData) std::abort();  // freed after reading, as asked
  for (const auto& item : reader.Files) {
    const auto* found = reader.FindFile(zelvan::store::UpperCase(item.FileName));
    if (found == nullptr || zelvan::store::UpperCase(found->FileName) != zelvan::store::UpperCase(item.FileName))
      std::abort();
  }
  return 0;
}
