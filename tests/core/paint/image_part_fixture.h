#pragma once
// Image parts for the painter tests: a hand-made bitmap of their own and a
// manager, which every painted part needs.

#include <memory>

#include "core/image/working_bitmap.h"
#include "core/store/skin_store.h"

namespace zelvan::paint::testing {

class SkinParts {
 public:
  SkinParts() : manager_({}, settings_) {}

  // R covers the whole bitmap.
  store::TsMaskData Part(std::unique_ptr<image::TWorkingBitmap> bitmap, int imageCount, int maskType) {
    store::TsMaskData part;
    part.R = {0, 0, bitmap->Width(), bitmap->Height()};
    part.Bmp = std::move(bitmap);
    part.ImageCount = static_cast<int16_t>(imageCount);
    part.MaskType = static_cast<int16_t>(maskType);
    part.Manager = &manager_;
    return part;
  }

  store::TsSkinStore& Manager() { return manager_; }

 private:
  store::TSkinSettings settings_;
  store::TsSkinStore manager_;
};

}  // namespace zelvan::paint::testing
