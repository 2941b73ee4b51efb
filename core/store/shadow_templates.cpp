#include "core/store/shadow_templates.h"

#include <algorithm>

#include "core/image/bitmap32.h"
#include "core/paint/block_transfer.h"
#include "core/paint/image_part.h"
#include "core/store/skin_store.h"

namespace zelvan::store {

namespace {

std::unique_ptr<image::TWorkingBitmap> CopyOf(const image::TWorkingBitmap* bitmap) {
  return bitmap ? image::CopyBitmap(*bitmap) : nullptr;
}

// The skin's border part, or null when it has none or no picture to take.
const TsMaskData* ExBorderPart(const TsSkinStore& store) {
  const int index = store.ConstData.ExBorder;
  if (!store.IsValidImgIndex(index)) return nullptr;
  const TsMaskData& part = store.ma[static_cast<size_t>(index)];
  const image::TWorkingBitmap* bitmap = paint::PartBitmap(part);
  if (!bitmap) return nullptr;
  const paint::TRect first = paint::ClipToSize(paint::StateRect(part, 0), bitmap->Width(), bitmap->Height());
  return first.IsEmpty() ? nullptr : &part;
}

}  // namespace

void ClearPureWhite(image::TWorkingBitmap& bitmap) {
  if (!image::Is32(bitmap)) return;
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint32_t* row = bitmap.Row32(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (row[x] == 0x00FFFFFF) row[x] = 0;
    }
  }
}

void CheckShadows(const TsSkinStore& store, bool inEffect, const image::TWorkingBitmap* builtInActive,
                  const image::TWorkingBitmap* builtInInactive, TShadowTemplates& shadows) {
  if (!inEffect) {
    shadows.Size = {};
    return;
  }
  const TsSkinData& data = *store.SkinData;
  if (const TsMaskData* part = ExBorderPart(store)) {
    const image::TWorkingBitmap& bitmap = *paint::PartBitmap(*part);
    shadows.Inactive = paint::CopyOutBlock(bitmap, paint::StateRect(*part, 0));
    shadows.Active = paint::CopyOutBlock(bitmap, paint::StateRect(*part, 1));
    if (!shadows.Active) shadows.Active = CopyOf(shadows.Inactive.get());
    const int offset = data.ExContentOffs;
    const auto margin = [offset](int width) { return std::max(0, width - offset); };
    shadows.Size = data.ExDrawMode != 0
                       ? paint::TRect{std::max(0, offset), std::max(0, offset), std::max(0, offset), std::max(0, offset)}
                       : paint::TRect{margin(part->WL), margin(part->WT), margin(part->WR), margin(part->WB)};
  } else {
    shadows.Active = CopyOf(builtInActive);
    shadows.Inactive = CopyOf(builtInInactive);
    constexpr int m = kBuiltInShadowMargin;
    shadows.Size = {m, m, m, m};
  }
  if (data.Version < 7.6) {
    for (auto* t : {shadows.Active.get(), shadows.Inactive.get()}) {
      if (t) ClearPureWhite(*t);
    }
  }
}

}  // namespace zelvan::store
