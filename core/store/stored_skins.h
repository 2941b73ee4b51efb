#pragma once
// Built-in skins: archives stored with a form, with the few global values a
// skin maker may want to see without unpacking them.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/image/working_bitmap.h"
#include "core/io/stream.h"
#include "core/paint/color.h"

namespace zelvan::store {

class TsStoredSkin {
 public:
  std::u16string Name;
  std::unique_ptr<image::TWorkingBitmap> MasterBitmap;
  paint::TColor Shadow1Color = 0;
  int Shadow1Offset = 0;
  int Shadow1Blur = -1;
  int Shadow1Transparency = 0;
  paint::TColor BorderColor = 0xFF00FF;
  double Version = 0;
  std::string Author;
  std::string Description;
  io::TMemoryStream PackedData;  // stored as the binary property "Data"

  // Copies every property, the archive bytes and the master bitmap's pixels.
  void Assign(const TsStoredSkin& source);
};

class TsStoredSkins {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  TsStoredSkin& Items(int i) { return *items_.at(static_cast<size_t>(i)); }
  const TsStoredSkin& Items(int i) const { return *items_.at(static_cast<size_t>(i)); }
  // The first item whose Name equals name (case-sensitive), else -1.
  int IndexOf(const std::u16string& name) const;

  TsStoredSkin& Add();
  void Delete(int i);
  // To be called after an item's properties were changed in place.
  void Changed() const;

  // The manager's OnSkinListChanged.
  std::function<void()> OnChange;

 private:
  std::vector<std::unique_ptr<TsStoredSkin>> items_;
};

}  // namespace zelvan::store
