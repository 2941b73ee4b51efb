// skinpack: packs a skin folder into an ".asz" archive, lists an archive, or
// extracts one into a folder.
#include <cstdio>
#include <exception>
#include <string>

#include "core/store/skin_files.h"
#include "core/text/utf.h"
#include "tools/skinpack/skin_pack.h"

namespace {

using zelvan::text::Utf8ToUtf16;

int Usage() {
  std::fputs(
      "usage: skinpack pack FOLDER ARCHIVE.asz\n"
      "       skinpack list ARCHIVE.asz\n"
      "       skinpack extract ARCHIVE.asz FOLDER\n",
      stderr);
  return 2;
}

std::vector<uint8_t> ReadArchive(const std::string& path) {
  auto bytes = zelvan::store::ReadWholeFile(Utf8ToUtf16(path));
  if (!bytes) throw std::runtime_error("Cannot read " + path);
  return *bytes;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zelvan::skinpack;
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  try {
    if (command == "pack" && argc == 4) {
      const auto files = ReadSkinFolder(Utf8ToUtf16(argv[2]));
      if (!zelvan::store::WriteWholeFile(Utf8ToUtf16(argv[3]), PackSkinFiles(files))) {
        throw std::runtime_error(std::string("Cannot write ") + argv[3]);
      }
      std::printf("%zu files packed into %s\n", files.size(), argv[3]);
    } else if (command == "list" && argc == 3) {
      for (const TArchiveFile& file : UnpackSkinFiles(ReadArchive(argv[2]))) {
        std::printf("%10zu  %s\n", file.Content.size(), file.Name.c_str());
      }
    } else if (command == "extract" && argc == 4) {
      const auto files = UnpackSkinFiles(ReadArchive(argv[2]));
      WriteSkinFolder(files, Utf8ToUtf16(argv[3]));
      std::printf("%zu files extracted into %s\n", files.size(), argv[3]);
    } else {
      return Usage();
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinpack: %s\n", e.what());
    return 1;
  }
  return 0;
}
