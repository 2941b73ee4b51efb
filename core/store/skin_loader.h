#pragma once
// One load of a skin: the description INI and where its files come from (the
// skin folder, or an archive reader), and the passes that fill the store.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/store/ini_file.h"
#include "core/store/skin_convertor.h"
#include "core/store/skin_store.h"

namespace zelvan::store {

class TSkinLoader {
 public:
  // reader is null for a folder skin.
  TSkinLoader(TsSkinStore& store, const TIniFile& ini, const TacSkinConvertor* reader)
      : store_(store), ini_(ini), reader_(reader) {}

  // VERSION of GLOBALINFO, "." as the decimal point; 0 when unreadable.
  static double ReadVersion(const TIniFile& ini);

  // Image pass, pattern pass, sections pass, constant indexes.
  void Run();

  void ImagePass();
  void PatternPass();
  void LoadAllGeneralData();

 private:
  // An archive entry (upper-cased stored name == name) or SkinPath + name;
  // null when missing. Disk bytes stay valid until the next call.
  const std::vector<uint8_t>* FileBytes(const std::string& name);
  const std::vector<uint8_t>* DiskBytes(const std::string& name);
  void LoadMasterBitmap();
  void AddEntry(const std::string& section, const std::string& key, const std::string& value);
  void AddCommonImages(const TIniFile& common);
  void AddJpeg(const std::string& section, const std::string& key, std::vector<uint8_t> bytes, bool alwaysPattern);
  TsMaskData& NewPart(const std::string& section, const std::string& key);
  void ReadGlobalInfo();
  void AddCommonSections(const TIniFile& common);

  TsSkinStore& store_;
  const TIniFile& ini_;
  const TacSkinConvertor* reader_;
  double version_ = 0;
  std::vector<uint8_t> scratch_;  // the last file read from disk
};

// A skin image from its file bytes as a 32-bit bitmap: PNG (by its
// signature) or BMP. Other formats are converted, every non-key pixel made
// opaque. Given the skin's version, a PNG is then cleared of pure white
// (version <= 7.45) or premultiplied. Null for a damaged image or one
// without width.
std::unique_ptr<image::TWorkingBitmap> DecodeSkinImage(const std::vector<uint8_t>& bytes,
                                                       std::optional<double> pngVersion);

// The corner type of a part whose pixels lie in bitmap (Bmp or the master).
int16_t CornerType(const TsMaskData& part, const image::TWorkingBitmap* bitmap);

// The description text of a common-section list: its lines joined.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace zelvan::store
