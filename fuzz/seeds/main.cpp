// fuzz_seeds FOLDER: writes each fuzz target's seeds into FOLDER/<target>/.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>

#include "fuzz/seeds/seeds.h"

namespace zelvan::fuzz {

std::vector<uint8_t> NoiseBytes(size_t count, uint32_t seed) {
  std::vector<uint8_t> out(count);
  uint32_t state = seed * 2654435761u + 1;
  for (uint8_t& b : out) {
    state = state * 1664525u + 1013904223u;
    b = static_cast<uint8_t>(state >> 24);
  }
  return out;
}

}  // namespace zelvan::fuzz

int main(int argc, char** argv) {
  using namespace zelvan::fuzz;
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
    return 2;
  }
  const std::pair<const char*, TSeeds (*)()> targets[] = {
      {"fuzz_png", PngSeeds},           {"fuzz_bmp", BmpSeeds},
      {"fuzz_jpeg", JpegSeeds},         {"fuzz_skin_archive", ArchiveSeeds},
      {"fuzz_skin_load", SkinLoadSeeds}, {"fuzz_gradient", GradientSeeds},
      {"fuzz_utf", UtfSeeds},           {"fuzz_item_paint", ItemPaintSeeds},
      {"fuzz_inflate", InflateSeeds},
  };
  for (const auto& [target, make] : targets) {
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / target;
    std::filesystem::create_directories(folder);
    for (const TSeed& seed : make()) {
      std::ofstream file(folder / seed.name, std::ios::binary);
      file.write(reinterpret_cast<const char*>(seed.bytes.data()), static_cast<std::streamsize>(seed.bytes.size()));
      if (!file) {
        std::fprintf(stderr, "cannot write %s\n", (folder / seed.name).c_str());
        return 1;
      }
    }
  }
  return 0;
}
