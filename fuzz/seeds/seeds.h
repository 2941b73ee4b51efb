#pragma once
// Seed inputs of the fuzz targets, written by code so that each says what it
// holds: every form a reader knows, and the damaged ones it must refuse.

#include <cstdint>
#include <string>
#include <vector>

namespace zelvan::fuzz {

struct TSeed {
  std::string name;  // file name in the target's seed folder
  std::vector<uint8_t> bytes;
};
using TSeeds = std::vector<TSeed>;

TSeeds PngSeeds();
TSeeds BmpSeeds();
TSeeds JpegSeeds();
TSeeds ArchiveSeeds();
TSeeds SkinLoadSeeds();
TSeeds GradientSeeds();
TSeeds UtfSeeds();
TSeeds ItemPaintSeeds();
TSeeds InflateSeeds();

// Deterministic bytes that vary enough for every filter and predictor to matter.
std::vector<uint8_t> NoiseBytes(size_t count, uint32_t seed);

}  // namespace zelvan::fuzz
