// A whole skin load from memory: the input's first two bytes are the hue
// offset and saturation, the rest the description text of a built-in skin
// that also holds a master bitmap, a BMP, a PNG and a JPEG (made with the
// tests' fixture writers). Loads end with a skin or with the load errors the
// manager reports; nothing else may escape.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/image/graphic_error.h"
#include "core/store/skin_convertor.h"
#include "core/store/skin_store.h"
#include "core/store/stored_skins.h"
#include "core/text/str_to_int.h"
#include "tools/common/png_writer.h"
#include "tests/core/store/skin_fixture.h"
#include "tools/skinpack/skin_pack.h"

namespace {

using zelvan::skinpack::TArchiveFile;

// A master bitmap with a key pixel, a BMP, a PNG with alpha and a small JPEG.
std::vector<TArchiveFile> Images() {
  using namespace zelvan::store::testing;
  std::vector<uint32_t> pixels(64 * 32, 0x808080);
  pixels[65] = 0xFF00FF;
  zelvan::png::PngRecipe png;
  png.width = 2;
  png.colorType = 6;
  png.rows = {{255, 255, 255, 0, 255, 0, 0, 128}};
  return {{"MASTER.BMP", WriteBmp({64, 32, 24, {}, pixels})},
          {"A.BMP", SolidBmp(9, 6, 0x204080)},
          {"B.PNG", zelvan::png::WritePng(png)},
          {"C.JPG", SolidJpeg(8, 8, 0x10E010)}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zelvan::store;
  if (size < 2) return 0;
  const std::string options(reinterpret_cast<const char*>(data) + 2, size - 2);
  static const std::vector<TArchiveFile> kImages = Images();
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
  TSkinServices services;
  services.ShowMessage = [](TMessageKind, const std::string&) {};
  services.TestSwitch = true;
  TsSkinStore store(services, settings);
  try {
    store.LoadSkinByName(u"Fuzz");
  } catch (const zelvan::text::EConvertError&) {
  } catch (const EPackedSkinError&) {
  }
  return 0;
}
