#include <algorithm>
#include <unordered_map>

#include "core/store/skin_store.h"

namespace zelvan::store {

// First index of every name, and of every (section, property) pair.
struct TsSkinStore::TLookupIndex {
  size_t Sections = 0, Parts = 0, Patterns = 0;
  std::unordered_map<std::string, int> Section, Part, Texture, Pattern;
};

namespace {

std::string PairKey(std::string_view section, std::string_view property) {
  std::string key;
  key.reserve(section.size() + 1 + property.size());
  key.append(section).append(1, '\0').append(property);
  return key;
}

int Find(const std::unordered_map<std::string, int>& map, const std::string& key) {
  const auto found = map.find(key);
  return found == map.end() ? -1 : found->second;
}

// Runs find on the section and then on its ancestors; stops at an empty or
// self-naming parent, a missing one, one already visited (a cycle), and
// after kMaxAncestors.
template <class Lookup>
int FindInherited(const TsSkinStore& store, int skinIndex, std::string_view section, Lookup find) {
  if (skinIndex < 0 || section.empty()) return -1;
  std::vector<int> visited;
  std::string name(section);
  for (;;) {
    const int found = find(name);
    if (found >= 0 || !store.IsValidSkinIndex(skinIndex) || visited.size() > size_t{kMaxAncestors}) return found;
    visited.push_back(skinIndex);
    const std::string& parent = store.gd[static_cast<size_t>(skinIndex)].ParentClass;
    if (parent.empty() || parent == name) return -1;
    const int parent_index = store.GetSkinIndex(parent);
    if (parent_index < 0 || std::find(visited.begin(), visited.end(), parent_index) != visited.end()) return -1;
    skinIndex = parent_index;
    name = parent;
  }
}

}  // namespace

TsSkinStore::TsSkinStore(TSkinServices services, TSkinSettings& settings)
    : SkinData(std::make_unique<TsSkinData>()), services_(std::move(services)), settings_(settings) {}

TsSkinStore::~TsSkinStore() = default;

void TsSkinStore::InvalidateLookups() const { index_.reset(); }

const TsSkinStore::TLookupIndex& TsSkinStore::Index() const {
  if (index_ && index_->Sections == gd.size() && index_->Parts == ma.size() && index_->Patterns == pa.size()) {
    return *index_;
  }
  auto index = std::make_unique<TLookupIndex>();
  index->Sections = gd.size();
  index->Parts = ma.size();
  index->Patterns = pa.size();
  // emplace keeps the first of equal names: lookups answer the first match.
  for (size_t i = 0; i < gd.size(); ++i) index->Section.emplace(gd[i].ClassName, static_cast<int>(i));
  for (size_t i = 0; i < ma.size(); ++i) {
    const std::string key = PairKey(ma[i].ClassName, ma[i].PropertyName);
    index->Part.emplace(key, static_cast<int>(i));
    if (ma[i].ImgType == itisaTexture) index->Texture.emplace(key, static_cast<int>(i));
  }
  for (size_t i = 0; i < pa.size(); ++i) index->Pattern.emplace(PairKey(pa[i].ClassName, pa[i].PropertyName), static_cast<int>(i));
  index_ = std::move(index);
  return *index_;
}

int TsSkinStore::GetSkinIndex(std::string_view section) const {
  if (section.empty()) return -1;
  return Find(Index().Section, std::string(section));
}

int TsSkinStore::GetMaskIndex(int skinIndex, std::string_view section, std::string_view property) const {
  return FindInherited(*this, skinIndex, section,
                       [&](const std::string& name) { return Find(Index().Part, PairKey(name, property)); });
}

int TsSkinStore::GetMaskIndex(std::string_view section, std::string_view property) const {
  if (section.empty()) return -1;
  return Find(Index().Part, PairKey(section, property));
}

int TsSkinStore::GetTextureIndex(int skinIndex, std::string_view section, std::string_view property) const {
  return FindInherited(*this, skinIndex, section,
                       [&](const std::string& name) { return Find(Index().Texture, PairKey(name, property)); });
}

int TsSkinStore::GetPatternIndex(int skinIndex, std::string_view section, std::string_view property) const {
  return FindInherited(*this, skinIndex, section,
                       [&](const std::string& name) { return Find(Index().Pattern, PairKey(name, property)); });
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
