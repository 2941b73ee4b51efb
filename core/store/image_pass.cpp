#include <algorithm>
#include <limits>

#include "core/store/image_entry.h"
#include "core/store/skin_files.h"
#include "core/store/skin_loader.h"
#include "core/text/utf.h"

namespace zelvan::store {

namespace {

int16_t Clamp16(int64_t v) {
  return static_cast<int16_t>(std::clamp<int64_t>(v, std::numeric_limits<int16_t>::min(),
                                                  std::numeric_limits<int16_t>::max()));
}

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Margins from the size of a state image, for entries that give none.
void DefaultMargins(TsMaskData& m) {
  m.WL = Clamp16(m.R.Width() / (CountDivisor(m.ImageCount) * 3));
  m.WT = Clamp16(m.R.Height() / (RowDivisor(m.MaskType) * 3));
  m.WR = m.WL;
  m.WB = m.WT;
}

}  // namespace

const std::vector<uint8_t>* TSkinLoader::DiskBytes(const std::string& name) {
  const std::u16string file = text::Utf8ToUtf16(name);
  auto bytes = ReadWholeFile(Contains(name, ":") ? file : store_.SkinData->SkinPath + file);
  if (!bytes) return nullptr;
  scratch_ = std::move(*bytes);
  return &scratch_;
}

const std::vector<uint8_t>* TSkinLoader::FileBytes(const std::string& name) {
  if (reader_ == nullptr) return DiskBytes(name);
  const TacImageItem* item = reader_->FindFile(name);
  return item ? &item->FileStream->Bytes() : nullptr;
}

TsMaskData& TSkinLoader::NewPart(const std::string& section, const std::string& key) {
  TsMaskData& m = store_.ma.emplace_back();
  m.ClassName = section;
  m.PropertyName = key;
  m.Manager = &store_;
  return m;
}

void TSkinLoader::LoadMasterBitmap() {
  const std::string name = ini_.ReadString("GLOBALINFO", "MASTERBITMAP", "");
  std::unique_ptr<image::TWorkingBitmap> master;
  if (!name.empty()) {
    // The master's stored name is compared as written, unlike other files.
    const auto* bytes = FileBytes(name);
    if (bytes) master = DecodeSkinImage(*bytes, std::nullopt);
  }
  store_.MasterBitmap = master ? std::move(master) : std::make_unique<image::TWorkingBitmap>(0, 0);
}

void TSkinLoader::AddEntry(const std::string& section, const std::string& key, const std::string& value) {
  const TImageEntry e = ParseImageEntry(value);
  if (e.Form == TEntryForm::efNone) return;
  std::unique_ptr<image::TWorkingBitmap> own;
  if (e.Form == TEntryForm::efExternalFile) {
    if (!Contains(e.FileName, ".BMP") && !Contains(e.FileName, ".PNG")) return;
    const auto* bytes = FileBytes(e.FileName);
    if (bytes) own = DecodeSkinImage(*bytes, version_);
    if (!own) return;
  } else if (e.Form == TEntryForm::efBitmapFile) {
    const auto* bytes = reader_ ? FileBytes(UpperCase(e.FileName)) : DiskBytes(e.FileName);
    if (bytes) own = DecodeSkinImage(*bytes, version_);
    if (!own) return;
  }
  const bool upper_names = e.Form == TEntryForm::efBitmapFile || e.Form == TEntryForm::efRectangle;
  TsMaskData& m = NewPart(upper_names ? UpperCase(section) : section, upper_names ? UpperCase(key) : key);
  m.R = own ? paint::TRect{0, 0, own->Width(), own->Height()} : e.R;
  m.ImageCount = Clamp16(e.ImageCount);
  m.MaskType = Clamp16(e.MaskType);
  m.BorderWidth = Clamp16(e.BorderWidth);
  m.DrawMode = Clamp16(e.DrawMode);
  m.ImgType = e.ImgType;
  m.WL = Clamp16(e.WL);
  m.WT = Clamp16(e.WT);
  m.WR = Clamp16(e.WR);
  m.WB = Clamp16(e.WB);
  m.Bmp = std::move(own);
  switch (e.Form) {
    case TEntryForm::efExternalFile:
      if (!e.HasMargins) DefaultMargins(m);
      break;
    case TEntryForm::efBitmapFile:
      m.WL = m.WR = Clamp16(m.R.Width() / 9);
      m.WT = m.WB = Clamp16(m.R.Height() / 6);
      break;
    case TEntryForm::efBorder:
    case TEntryForm::efRectangle:
      if (e.Form == TEntryForm::efBorder && m.MaskType > 0 && version_ < 7.4) {
        const bool one_pixel_centre = m.R.Width() / CountDivisor(m.ImageCount) - m.WL - m.WR == 1 &&
                                      m.R.Height() / RowDivisor(m.MaskType) - m.WT - m.WB == 1;
        m.DrawMode = static_cast<int16_t>(one_pixel_centre ? (m.DrawMode | 1) : (m.DrawMode & ~1));
      }
      if (m.WL + m.WT + m.WR + m.WB == 0) {
        if (m.BorderWidth != 0) {
          m.WL = m.WT = m.WR = m.WB = m.BorderWidth;
        } else {
          DefaultMargins(m);
        }
      }
      break;
    default:
      break;
  }
  const bool with_corners = e.Form == TEntryForm::efBitmapFile || e.Form == TEntryForm::efBorder ||
                            e.Form == TEntryForm::efRectangle ||
                            (e.Form == TEntryForm::efExternalFile && m.ImgType == itisaBorder);
  if (with_corners) m.CornerType = CornerType(m, m.Bmp ? m.Bmp.get() : store_.MasterBitmap.get());
}

void TSkinLoader::AddCommonImages(const TIniFile& common) {
  for (const TIniFile::TSection& section : common.Sections()) {
    if (UpperCase(section.Name) == "GLOBALINFO") continue;
    for (const TIniFile::TKey& key : section.Keys) {
      const std::string upper = UpperCase(key.Value);
      if (Contains(upper, ".BMP") && !Contains(upper, "#")) {
        const auto* bytes = DiskBytes(key.Value);
        auto bitmap = bytes ? DecodeSkinImage(*bytes, version_) : nullptr;
        if (!bitmap) continue;  // a part without width is not kept
        TsMaskData& m = NewPart(UpperCase(section.Name), UpperCase(key.Name));
        m.R = {0, 0, bitmap->Width(), bitmap->Height()};
        m.Bmp = std::move(bitmap);
      } else if (Contains(key.Value, "#") && key.Value != "#" && !key.Value.starts_with("!") &&
                 !key.Value.starts_with("@") && !key.Value.starts_with("^") && !key.Value.starts_with("~")) {
        AddEntry(section.Name, key.Name, key.Value);
      }
    }
  }
}

void TSkinLoader::ImagePass() {
  store_.ma.clear();
  store_.MasterBitmap.reset();
  store_.InvalidateLookups();
  version_ = ReadVersion(ini_);
  LoadMasterBitmap();
  for (const TIniFile::TSection& section : ini_.Sections()) {
    for (const TIniFile::TKey& key : section.Keys) {
      if (key.Value.empty() || (section.Name == "GLOBALINFO" && key.Name == "MASTERBITMAP")) continue;
      AddEntry(section.Name, key.Name, key.Value);
    }
  }
  if (!store_.Settings().CommonSections.empty()) AddCommonImages(TIniFile(JoinLines(store_.Settings().CommonSections)));
}

}  // namespace zelvan::store
