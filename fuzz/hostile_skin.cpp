#include "fuzz/hostile_skin.h"

#include <string>
#include <vector>

#include "core/image/graphic_error.h"
#include "core/store/skin_convertor.h"
#include "core/text/str_to_int.h"
#include "tests/core/store/skin_fixture.h"
#include "tools/common/png_writer.h"
#include "tools/skinpack/skin_pack.h"

namespace zelvan::fuzz {
namespace {

using skinpack::TArchiveFile;

// A master bitmap with a key pixel, a BMP, a PNG with alpha and a small JPEG.
std::vector<TArchiveFile> Images() {
  using namespace store::testing;
  std::vector<uint32_t> pixels(64 * 32, 0x808080);
  pixels[65] = 0xFF00FF;
  png::PngRecipe png;
  png.width = 2;
  png.colorType = 6;
  png.rows = {{255, 255, 255, 0, 255, 0, 0, 128}};
  return {{"MASTER.BMP", WriteBmp({64, 32, 24, {}, pixels})},
          {"A.BMP", SolidBmp(9, 6, 0x204080)},
          {"B.PNG", png::WritePng(png)},
          {"C.JPG", SolidJpeg(8, 8, 0x10E010)}};
}

store::TSkinServices QuietServices() {
  store::TSkinServices services;
  services.ShowMessage = [](store::TMessageKind, const std::string&) {};
  services.TestSwitch = true;
  return services;
}

}  // namespace

THostileSkin::THostileSkin(const uint8_t* data, size_t size) : store_(QuietServices(), settings_) {
  if (size < 2) return;
  const std::string options(reinterpret_cast<const char*>(data) + 2, size - 2);
  static const std::vector<TArchiveFile> kImages = Images();
  std::vector<TArchiveFile> files = {{"Options.dat", std::vector<uint8_t>(options.begin(), options.end())}};
  files.insert(files.end(), kImages.begin(), kImages.end());

  store::TsStoredSkin& skin = skins_.Add();
  skin.Name = u"Fuzz";
  skin.PackedData = io::TMemoryStream(skinpack::PackSkinFiles(files));
  settings_.SkinDirectory = u"/nonexistent-zelvan-skins";
  settings_.InternalSkins = &skins_;
  settings_.HueOffset = static_cast<int8_t>(data[0]);
  settings_.Saturation = static_cast<int8_t>(data[1]);
  try {
    store_.LoadSkinByName(u"Fuzz");
  } catch (const text::EConvertError&) {
  } catch (const store::EPackedSkinError&) {
  }
}

}  // namespace zelvan::fuzz
