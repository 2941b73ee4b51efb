#pragma once
// The skin "Air": every image drawn by code, the description written key by
// key, so that running the generator again gives the same bytes.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/skinpack/skin_pack.h"

namespace zelvan::skingen {

// "Options.dat" first, then the image files, in a fixed order.
std::vector<skinpack::TArchiveFile> GenerateAir();

}  // namespace zelvan::skingen
