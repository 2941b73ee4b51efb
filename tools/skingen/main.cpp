// skingen: draws the skin "Air" and writes it as a folder and as an archive:
// OUT/Air/Options.dat with its images, and OUT/Air.asz.
#include <cstdio>
#include <exception>
#include <string>

#include "core/store/skin_files.h"
#include "core/text/utf.h"
#include "tools/skingen/air_skin.h"
#include "tools/skinpack/skin_pack.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: skingen OUTPUT-FOLDER\n", stderr);
    return 2;
  }
  try {
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
