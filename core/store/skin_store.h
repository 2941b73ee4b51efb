#pragma once
// The loaded skin that the skin manager owns and forwards to: sections (gd),
// image parts (ma), patterns (pa), the master bitmap, the global information
// and the constant indexes, with the lookups every control uses and the
// loaders that fill them from a folder, an archive or a built-in skin.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/image/working_bitmap.h"
#include "core/store/skin_services.h"
#include "core/store/skin_types.h"

namespace zelvan::store {

enum TacSkinTypes { stUnpacked, stPacked, stAllSkins };

class TsSkinStore {
 public:
  TsSkinStore(TSkinServices services, TSkinSettings& settings);
  virtual ~TsSkinStore();
  TsSkinStore(const TsSkinStore&) = delete;
  TsSkinStore& operator=(const TsSkinStore&) = delete;

  std::vector<TsGeneralData> gd;
  std::vector<TsMaskData> ma;
  std::vector<TsPatternData> pa;
  std::unique_ptr<image::TWorkingBitmap> MasterBitmap;
  std::unique_ptr<TsSkinData> SkinData;
  TConstantSkinData ConstData;
  bool SkinIsPacked = false;

  TSkinSettings& Settings() { return settings_; }
  const TSkinServices& Services() const { return services_; }

  // Lookups (skin_lookups.cpp); -1 when nothing is found. They answer from
  // hashed indexes of gd, ma and pa, rebuilt when a collection changes size;
  // code that renames entries in place calls InvalidateLookups.
  void InvalidateLookups() const;
  int GetSkinIndex(std::string_view section) const;
  int GetMaskIndex(int skinIndex, std::string_view section, std::string_view property) const;
  int GetMaskIndex(std::string_view section, std::string_view property) const;
  int GetTextureIndex(int skinIndex, std::string_view section, std::string_view property) const;
  int GetPatternIndex(int skinIndex, std::string_view section, std::string_view property) const;
  bool IsValidImgIndex(int i) const { return i >= 0 && i < static_cast<int>(ma.size()); }
  bool IsValidSkinIndex(int i) const { return SkinData && i >= 0 && i < static_cast<int>(gd.size()); }
  int MaskWidthLeft(int i) const;
  int MaskWidthTop(int i) const;
  int MaskWidthRight(int i) const;
  int MaskWidthBottom(int i) const;
  void GetSkinSections(std::vector<std::string>& list) const;

  // Derived colours (skin_colors.cpp).
  TColor GetGlobalColor() const;
  TColor GetGlobalFontColor() const;
  TColor GetActiveEditColor() const;
  TColor GetActiveEditFontColor() const;
  TColor GetHighLightColor(bool focused) const;
  TColor GetHighLightFontColor(bool focused) const;

  // Index resolution after a load (constant_indexes.cpp).
  void InitConstantIndexes();
  void InitMaskIndexes();
  // Called at the end of every constant-index computation (the manager
  // recomputes its shadow templates there).
  virtual void ConstantIndexesComputed() {}

  // Loading (skin_reload.cpp). Errors of a load propagate to the caller.
  std::u16string GetFullSkinDirectory() const;
  void ReloadSkin();
  void ReloadPackedSkin();
  // Stores name (".asz" cut) as the skin name and loads it from its archive
  // or folder: what setting the manager's SkinName does while active.
  void LoadSkinByName(const std::u16string& name);
  std::u16string ArchivePath(const std::u16string& name) const;
  void CheckVersion() const;
  // Frees the image parts, the master bitmap, the patterns and the sections.
  void FreeSkin();

  // Skin lists and built-in skin extraction (skin_listing.cpp).
  std::u16string GetSkinNames(std::vector<std::u16string>& list, TacSkinTypes skinType) const;
  std::u16string GetExternalSkinNames(std::vector<std::u16string>& list, TacSkinTypes skinType) const;
  std::u16string GetRandomSkin() const;
  void ExtractInternalSkin(const std::u16string& name, const std::u16string& folder) const;
  void ExtractByIndex(int index, const std::u16string& folder) const;

 private:
  std::u16string ListSkins(std::vector<std::u16string>& list, TacSkinTypes skinType, bool withInternal) const;
  void ShowError(const std::string& text) const;

  struct TLookupIndex;
  const TLookupIndex& Index() const;

  TSkinServices services_;
  TSkinSettings& settings_;
  mutable std::unique_ptr<TLookupIndex> index_;
};

// Inheritance stops after this many ancestors, as it does at a cycle, so a
// hostile description of long parent chains cannot make a load crawl.
inline constexpr int kMaxAncestors = 32;

// Set while a skin loads; painting holds back while it is.
bool IsSkinLoading();

}  // namespace zelvan::store
