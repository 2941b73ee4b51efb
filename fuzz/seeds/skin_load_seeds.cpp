// Whole skin load seeds: bytes of hue offset, saturation and source, then a
// description. Our skin Air's description, with its images renamed to the
// ones the target packs beside it, holds every kind of entry a skin uses.
#include <string>

#include "fuzz/seeds/seeds.h"
#include "tools/skingen/air_skin.h"

namespace zelvan::fuzz {

namespace {

std::vector<uint8_t> Seed(uint8_t hue, uint8_t saturation, uint8_t source, std::string text) {
  std::vector<uint8_t> out = {hue, saturation, source};
  out.insert(out.end(), text.begin(), text.end());
  return out;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace

TSeeds SkinLoadSeeds() {
  const auto air = skingen::GenerateAir();
  std::string options(air.front().Content.begin(), air.front().Content.end());
  // The target's images: MASTER.BMP, A.BMP, B.PNG and C.JPG.
  for (const auto& file : air) {
    const std::string& name = file.Name;
    if (name == "Options.dat") continue;
    const std::string ours = name.starts_with("MASTER") ? "MASTER.BMP"
                             : name.ends_with(".JPG")   ? "C.JPG"
                             : name.ends_with(".BMP")   ? "A.BMP"
                                                        : "B.PNG";
    ReplaceAll(options, name, ours);
  }
  // Common sections of the program, after a form feed: a class of its own
  // deriving from one of the skin's, with images read from the skin's folder.
  const std::string common =
      "\f[COMMONBUTTON]\nPARENTCLASS=BUTTON\nCOLOR=$808080\nIMG=A.BMP\nJPG=C.JPG\n"
      "MASK=# (0,0,4,4) (1,1,1,1)\n[BUTTON]\nCOLOR=1\n";
  return {
      {"air-built-in.txt", Seed(0, 0, 0, options)},
      {"air-recoloured.txt", Seed(40, 0xE0, 0, options)},
      {"air-archive-file.txt", Seed(0, 0, 1, options)},
      {"air-folder-common.txt", Seed(0, 0, 2 | 4, options + common)},
      {"air-handed-over.txt", Seed(0, 0, 3, options)},
      {"common-only.txt", Seed(0, 0, 2 | 4, "[GLOBALINFO]\nVERSION=8\n[BUTTON]\nCOLOR=0\n" + common)},
  };
}

}  // namespace zelvan::fuzz

namespace zelvan::fuzz {

// The item painter's skins come from memory only: the same seeds without
// the byte that chooses where a skin is loaded from.
TSeeds ItemPaintSeeds() {
  TSeeds seeds = SkinLoadSeeds();
  for (TSeed& seed : seeds) {
    if (seed.bytes.size() > 2) seed.bytes.erase(seed.bytes.begin() + 2);
  }
  return seeds;
}

}  // namespace zelvan::fuzz
