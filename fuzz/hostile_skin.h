#pragma once
// A whole skin loaded from fuzzer input: the first two bytes are the hue
// offset and saturation, the rest the description text of a built-in skin
// that also holds a master bitmap, a BMP, a PNG and a JPEG (made with the
// tests' fixture writers). The load ends with a skin or with the load errors
// the manager reports; nothing else may escape.

#include <cstddef>
#include <cstdint>

#include "core/store/skin_store.h"
#include "core/store/stored_skins.h"

namespace zelvan::fuzz {

class THostileSkin {
 public:
  // Input shorter than two bytes loads nothing.
  THostileSkin(const uint8_t* data, size_t size);

  store::TsSkinStore& Store() { return store_; }

 private:
  store::TsStoredSkins skins_;
  store::TSkinSettings settings_;
  store::TsSkinStore store_;
};

}  // namespace zelvan::fuzz
