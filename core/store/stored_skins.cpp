#include "core/store/stored_skins.h"

#include "core/image/bitmap32.h"

#include <cstring>

namespace zelvan::store {

void TsStoredSkin::Assign(const TsStoredSkin& source) {
  if (&source == this) return;
  Name = source.Name;
  MasterBitmap.reset();
  if (source.MasterBitmap) MasterBitmap = image::CopyBitmap(*source.MasterBitmap);
  Shadow1Color = source.Shadow1Color;
  Shadow1Offset = source.Shadow1Offset;
  Shadow1Blur = source.Shadow1Blur;
  Shadow1Transparency = source.Shadow1Transparency;
  BorderColor = source.BorderColor;
  Version = source.Version;
  Author = source.Author;
  Description = source.Description;
  PackedData = io::TMemoryStream(source.PackedData.Bytes());
}

int TsStoredSkins::IndexOf(const std::u16string& name) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i]->Name == name) return static_cast<int>(i);
  }
  return -1;
}

TsStoredSkin& TsStoredSkins::Add() {
  items_.push_back(std::make_unique<TsStoredSkin>());
  Changed();
  return *items_.back();
}

void TsStoredSkins::Delete(int i) {
  if (i < 0 || i >= Count()) return;
  items_.erase(items_.begin() + i);
  Changed();
}

void TsStoredSkins::Changed() const {
  if (OnChange) OnChange();
}

}  // namespace zelvan::store
