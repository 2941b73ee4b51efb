// A whole skin load from memory (see hostile_skin.h): loads end with a skin
// or with the load errors the manager reports; nothing else may escape.
#include <cstddef>
#include <cstdint>

#include "fuzz/hostile_skin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zelvan::fuzz::THostileSkin skin(data, size);
  return 0;
}
