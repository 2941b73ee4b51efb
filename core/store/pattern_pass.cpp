#include "core/image/graphic_error.h"
#include "core/image/jpeg_image.h"
#include "core/store/skin_loader.h"

namespace zelvan::store {

namespace {

// Larger JPEGs stay compressed as patterns; smaller ones are expanded once.
constexpr int64_t kMaxTexturePixels = 899'999;

bool IsJpegName(const std::string& upper) {
  return upper.find(".JPG") != std::string::npos || upper.find(".JPEG") != std::string::npos;
}

}  // namespace

void TSkinLoader::AddJpeg(const std::string& section, const std::string& key, std::vector<uint8_t> bytes,
                          bool alwaysPattern) {
  image::TJpegImage jpeg;
  try {
    jpeg = image::ReadJpegHeader(std::move(bytes));
  } catch (const image::EInvalidGraphic&) {
    return;  // a damaged image adds nothing, like a missing one
  }
  if (jpeg.Width == 0) return;
  if (alwaysPattern || int64_t{jpeg.Width} * jpeg.Height > kMaxTexturePixels) {
    store_.pa.push_back({std::make_unique<image::TJpegImage>(std::move(jpeg)), UpperCase(section), UpperCase(key)});
    return;
  }
  std::unique_ptr<image::TWorkingBitmap> bitmap;
  try {
    bitmap = image::DecodeJpeg(jpeg);
  } catch (const image::EInvalidGraphic&) {
    return;
  }
  TsMaskData& m = NewPart(UpperCase(section), UpperCase(key));
  m.R = {0, 0, bitmap->Width(), bitmap->Height()};
  m.ImageCount = 1;
  m.ImgType = itisaTexture;
  m.Bmp = std::move(bitmap);
}

void TSkinLoader::PatternPass() {
  store_.pa.clear();
  store_.InvalidateLookups();
  for (const TIniFile::TSection& section : ini_.Sections()) {
    for (const TIniFile::TKey& key : section.Keys) {
      const std::string upper = UpperCase(key.Value);
      if (!IsJpegName(upper)) continue;
      // Archive names compare upper-cased; a folder file keeps its spelling.
      const auto* bytes = reader_ ? FileBytes(upper) : DiskBytes(key.Value);
      if (bytes) AddJpeg(section.Name, key.Name, *bytes, false);
    }
  }
  if (store_.Settings().CommonSections.empty()) return;
  const TIniFile common(JoinLines(store_.Settings().CommonSections));
  for (const TIniFile::TSection& section : common.Sections()) {
    for (const TIniFile::TKey& key : section.Keys) {
      if (!IsJpegName(UpperCase(key.Value))) continue;
      const auto* bytes = DiskBytes(key.Value);
      if (bytes) AddJpeg(section.Name, key.Name, *bytes, true);
    }
  }
}

}  // namespace zelvan::store
