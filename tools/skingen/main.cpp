// skingen: draws the skin "Air" and writes it as a folder and as an archive:
// OUT/Air/Options.dat with its images, and OUT/Air.asz.
// skingen shadows OUT: the engine's built-in form shadows, OUT/ACSHDA.png and OUT/ACSHDI.png.
// skingen glyphs OUT: the standard glyphs of edit buttons, OUT/SF.png ... OUT/SC.png.
#include <cstdio>
#include <exception>
#include <string>

#include "core/store/skin_files.h"
#include "core/text/utf.h"
#include "tools/skingen/air_skin.h"
#include "tools/skingen/edit_glyphs.h"
#include "tools/skingen/shadows.h"
#include "tools/skinpack/skin_pack.h"

namespace {

void WriteFiles(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& files, const std::string& out,
                const char* what) {
  for (const auto& [name, bytes] : files) {
    if (!zelvan::store::WriteWholeFile(zelvan::text::Utf8ToUtf16(out + "/" + name), bytes)) {
      throw std::runtime_error("Cannot write " + out + "/" + name);
    }
  }
  std::printf("%s written to %s\n", what, out.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string kind = argc == 3 ? argv[1] : "";
  if (argc != 2 && kind != "shadows" && kind != "glyphs") {
    std::fputs("usage: skingen OUTPUT-FOLDER | skingen shadows OUTPUT-FOLDER | skingen glyphs OUTPUT-FOLDER\n",
               stderr);
    return 2;
  }
  try {
    if (kind == "shadows") {
      WriteFiles(zelvan::skingen::GenerateShadows(), argv[2], "shadows");
      return 0;
    }
    if (kind == "glyphs") {
      WriteFiles(zelvan::skingen::GenerateEditGlyphs(), argv[2], "edit glyphs");
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
