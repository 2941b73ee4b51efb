// A whole skin load from memory: the input's first two bytes are the hue
// offset and saturation, the rest the description text of a built-in skin
// that also holds a master bitmap, a BMP, a PNG and a JPEG. Loads end with a
// skin or with the load errors the manager reports; nothing else may escape.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/image/graphic_error.h"
#include "core/store/skin_convertor.h"
#include "core/store/skin_store.h"
#include "core/store/stored_skins.h"
#include "core/text/str_to_int.h"
#include "tools/skinpack/skin_pack.h"

namespace {

using zelvan::skinpack::TArchiveFile;

// A 24-bit BMP of width x height in one colour, with a key pixel at (1, 1).
std::vector<uint8_t> Bmp(int width, int height) {
  const uint32_t row = static_cast<uint32_t>((width * 3 + 3) / 4 * 4);
  const uint32_t size = 54 + row * static_cast<uint32_t>(height);
  std::vector<uint8_t> out(size, 0x80);
  auto put = [&out](size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  out[0] = 'B', out[1] = 'M';
  put(2, size, 4), put(6, 0, 4), put(10, 54, 4), put(14, 40, 4), put(18, static_cast<uint32_t>(width), 4);
  put(22, static_cast<uint32_t>(height), 4), put(26, 1, 2), put(28, 24, 2);
  for (size_t i = 30; i < 54; ++i) out[i] = 0;
  const size_t key = 54 + row * static_cast<size_t>(height - 2) + 3;
  out[key] = 0xFF, out[key + 1] = 0, out[key + 2] = 0xFF;
  return out;
}

// The smallest valid PNG: 1 x 1, RGBA, transparent.
const std::vector<uint8_t> kPng = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00,
    0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0x1F, 0x15, 0xC4, 0x89, 0x00,
    0x00, 0x00, 0x0D, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0x00, 0x01, 0x00, 0x00, 0x05, 0x00, 0x01,
    0x0D, 0x0A, 0x2D, 0xB4, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zelvan::store;
  if (size < 2) return 0;
  const std::string options(reinterpret_cast<const char*>(data) + 2, size - 2);
  static const std::vector<TArchiveFile> kImages = {
      {"MASTER.BMP", Bmp(64, 32)}, {"A.BMP", Bmp(9, 6)}, {"B.PNG", kPng}};
  std::vector<TArchiveFile> files = {{"Options.dat", std::vector<uint8_t>(options.begin(), options.end())}};
  files.insert(files.end(), kImages.begin(), kImages.end());

  TsStoredSkins skins;
  TsStoredSkin& skin = skins.Add();
  skin.Name = u"Fuzz";
  skin.PackedData = zelvan::io::TMemoryStream(zelvan::skinpack::PackSkinFiles(files));
  TSkinSettings settings;
  settings.SkinDirectory = u"/nonexistent-zelvan-skins";
  settings.InternalSkins = &skins;
  settings.HueOffset = static_cast<int8_t>(data[0]);
  settings.Saturation = static_cast<int8_t>(data[1]);
  TsSkinStore store(TSkinServices{u"", [](TMessageKind, const std::string&) {}, true, 4}, settings);
  try {
    store.LoadSkinByName(u"Fuzz");
  } catch (const zelvan::text::EConvertError&) {
  } catch (const EPackedSkinError&) {
  }
  return 0;
}
