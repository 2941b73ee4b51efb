#include <algorithm>

#include "core/store/skin_store.h"

namespace zelvan::store {

namespace {

// Runs find on the section and then on its ancestors; stops at an empty or
// self-naming parent, a missing one, and one already visited (a cycle).
template <class Find>
int FindInherited(const TsSkinStore& store, int skinIndex, std::string_view section, Find find) {
  if (skinIndex < 0 || section.empty()) return -1;
  std::vector<int> visited;
  std::string name(section);
  for (;;) {
    const int found = find(name);
    if (found >= 0 || !store.IsValidSkinIndex(skinIndex)) return found;
    visited.push_back(skinIndex);
    const std::string& parent = store.gd[static_cast<size_t>(skinIndex)].ParentClass;
    if (parent.empty() || parent == name) return -1;
    const int parent_index = store.GetSkinIndex(parent);
    if (parent_index < 0 || std::find(visited.begin(), visited.end(), parent_index) != visited.end()) return -1;
    skinIndex = parent_index;
    name = parent;
  }
}

template <class Item, class Extra>
int FindNamed(const std::vector<Item>& items, std::string_view section, std::string_view property, Extra extra) {
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].ClassName == section && items[i].PropertyName == property && extra(items[i])) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

constexpr auto kAnyPart = [](const TsMaskData&) { return true; };

}  // namespace

int TsSkinStore::GetSkinIndex(std::string_view section) const {
  if (section.empty()) return -1;
  for (size_t i = 0; i < gd.size(); ++i) {
    if (gd[i].ClassName == section) return static_cast<int>(i);
  }
  return -1;
}

int TsSkinStore::GetMaskIndex(int skinIndex, std::string_view section, std::string_view property) const {
  return FindInherited(*this, skinIndex, section,
                       [&](const std::string& name) { return FindNamed(ma, name, property, kAnyPart); });
}

int TsSkinStore::GetMaskIndex(std::string_view section, std::string_view property) const {
  if (section.empty()) return -1;
  return FindNamed(ma, section, property, kAnyPart);
}

int TsSkinStore::GetTextureIndex(int skinIndex, std::string_view section, std::string_view property) const {
  return FindInherited(*this, skinIndex, section, [&](const std::string& name) {
    return FindNamed(ma, name, property, [](const TsMaskData& m) { return m.ImgType == itisaTexture; });
  });
}

int TsSkinStore::GetPatternIndex(int skinIndex, std::string_view section, std::string_view property) const {
  return FindInherited(*this, skinIndex, section, [&](const std::string& name) {
    return FindNamed(pa, name, property, [](const TsPatternData&) { return true; });
  });
}

namespace {

int FrameWidth(const TsMaskData& m, bool zeroCountIsOne) {
  const int count = m.ImageCount == 0 && zeroCountIsOne ? 1 : m.ImageCount;
  return count <= 0 ? 0 : m.R.Width() / count;
}

int FrameHeight(const TsMaskData& m) { return m.MaskType + 1 <= 0 ? 0 : m.R.Height() / (m.MaskType + 1); }

int Margin(const TsMaskData& m, int16_t own, int frame) {
  if (own > 0) return own;
  if (m.BorderWidth > 0) return m.BorderWidth;
  return frame;
}

}  // namespace

int TsSkinStore::MaskWidthLeft(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = ma[static_cast<size_t>(i)];
  return Margin(m, m.WL, FrameWidth(m, true));
}

int TsSkinStore::MaskWidthTop(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = ma[static_cast<size_t>(i)];
  return Margin(m, m.WT, FrameHeight(m));
}

int TsSkinStore::MaskWidthRight(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = ma[static_cast<size_t>(i)];
  return Margin(m, m.WR, FrameWidth(m, false));
}

int TsSkinStore::MaskWidthBottom(int i) const {
  if (!IsValidImgIndex(i)) return 0;
  const TsMaskData& m = ma[static_cast<size_t>(i)];
  return Margin(m, m.WB, FrameHeight(m));
}

void TsSkinStore::GetSkinSections(std::vector<std::string>& list) const {
  list.clear();
  if (!SkinData || !SkinData->Active) return;
  for (const TsGeneralData& g : gd) list.push_back(g.ClassName);
}

}  // namespace zelvan::store
