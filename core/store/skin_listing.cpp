#include <algorithm>
#include <random>

#include "core/store/skin_files.h"
#include "core/store/skin_store.h"
#include "core/store/stored_skins.h"
#include "core/text/utf.h"

namespace zelvan::store {

namespace {

char16_t Fold(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool LessIgnoringCase(const std::u16string& a, const std::u16string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char16_t x, char16_t y) { return Fold(x) < Fold(y); });
}

}  // namespace

std::u16string TsSkinStore::ListSkins(std::vector<std::u16string>& list, TacSkinTypes skinType,
                                      bool withInternal) const {
  list.clear();
  if (withInternal && settings_.InternalSkins) {
    for (int i = 0; i < settings_.InternalSkins->Count(); ++i) list.push_back(settings_.InternalSkins->Items(i).Name);
  }
  const std::u16string dir = GetFullSkinDirectory();
  if (DirectoryExists(dir)) {
    for (const TSkinDirEntry& entry : ListDirectory(dir)) {
      if (entry.Name.empty() || entry.Name.front() == u'.') continue;
      if (services_.IsHiddenOrSystem && services_.IsHiddenOrSystem(dir + u"\\" + entry.Name)) continue;
      if (entry.Directory) {
        if (skinType != stPacked && FileExists(dir + u"\\" + entry.Name + u"\\Options.dat")) list.push_back(entry.Name);
      } else if (skinType != stUnpacked && entry.Name.ends_with(u".asz")) {
        list.push_back(entry.Name.substr(0, entry.Name.find(u'.')));
      }
    }
  }
  const std::u16string first = list.empty() ? std::u16string() : list.front();
  std::stable_sort(list.begin(), list.end(), LessIgnoringCase);
  return first;
}

std::u16string TsSkinStore::GetSkinNames(std::vector<std::u16string>& list, TacSkinTypes skinType) const {
  return ListSkins(list, skinType, true);
}

std::u16string TsSkinStore::GetExternalSkinNames(std::vector<std::u16string>& list, TacSkinTypes skinType) const {
  return ListSkins(list, skinType, false);
}

std::u16string TsSkinStore::GetRandomSkin() const {
  std::vector<std::u16string> list;
  GetSkinNames(list, stAllSkins);
  if (list.empty()) return {};
  std::random_device seed;
  std::uniform_int_distribution<size_t> pick(0, list.size() - 1);
  std::minstd_rand random(seed());
  return list[pick(random)];
}

void TsSkinStore::ExtractInternalSkin(const std::u16string& name, const std::u16string& folder) const {
  bool found = false;
  for (int i = 0; settings_.InternalSkins && i < settings_.InternalSkins->Count(); ++i) {
    if (settings_.InternalSkins->Items(i).Name != name) continue;
    found = true;
    if (DirectoryExists(folder)) {
      ExtractByIndex(i, folder);
    } else {
      ShowError("Directory does not exists.");
    }
  }
  if (!found) ShowError("Skin does not exists.");
}

void TsSkinStore::ExtractByIndex(int index, const std::u16string& folder) const {
  if (!settings_.InternalSkins || index < 0 || index >= settings_.InternalSkins->Count()) return;
  std::u16string target = folder;
  if (target.empty() || (target.back() != u'\\' && target.back() != u'/')) target += u'\\';
  if (!DirectoryExists(target) && !ForceDirectories(target)) {
    ShowError("Directory " + text::Utf16ToUtf8(target) + " creation error.");
    return;
  }
  const TsStoredSkin& skin = settings_.InternalSkins->Items(index);
  if (skin.PackedData.Size() == 0) return;
  if (!WriteWholeFile(target + skin.Name + u" extracted.asz", skin.PackedData.Bytes())) {
    ShowError("Directory " + text::Utf16ToUtf8(target) + " creation error.");
  }
}

}  // namespace zelvan::store
