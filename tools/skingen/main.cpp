// skingen: draws the skin "Air" and writes it as a folder and as an archive:
// OUT/Air/Options.dat with its images, and OUT/Air.asz.
// skingen shadows OUT: the engine's built-in form shadows, OUT/ACSHDA.png and OUT/ACSHDI.png.
#include <cstdio>
#include <exception>
#include <string>

#include "core/store/skin_files.h"
#include "core/text/utf.h"
#include "tools/skingen/air_skin.h"
#include "tools/skingen/shadows.h"
#include "tools/skinpack/skin_pack.h"

namespace {

void WriteShadows(const std::string& out) {
  for (const auto& [name, bytes] : zelvan::skingen::GenerateShadows()) {
    if (!zelvan::store::WriteWholeFile(zelvan::text::Utf8ToUtf16(out + "/" + name), bytes)) {
      throw std::runtime_error("Cannot write " + out + "/" + name);
    }
  }
  std::printf("shadows written to %s\n", out.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const bool shadows = argc == 3 && std::string(argv[1]) == "shadows";
  if (argc != 2 && !shadows) {
    std::fputs("usage: skingen OUTPUT-FOLDER | skingen shadows OUTPUT-FOLDER\n", stderr);
    return 2;
  }
  try {
    if (shadows) {
      WriteShadows(argv[2]);
      return 0;
    }
    const std::string out = argv[1];
    const auto files = zelvan::skingen::GenerateAir();
    const std::u16string folder = zelvan::text::Utf8ToUtf16(out + "/Air");
    zelvan::skinpack::WriteSkinFolder(files, folder);
    // Packed from the folder as "skinpack pack" packs it, so both give the same archive.
    if (!zelvan::store::WriteWholeFile(zelvan::text::Utf8ToUtf16(out + "/Air.asz"),
                                       zelvan::skinpack::PackSkinFiles(zelvan::skinpack::ReadSkinFolder(folder)))) {
      throw std::runtime_error("Cannot write " + out + "/Air.asz");
    }
    std::printf("Air: %zu files written to %s/Air and %s/Air.asz\n", files.size(), out.c_str(), out.c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: %s\n", e.what());
    return 1;
  }
  return 0;
}
