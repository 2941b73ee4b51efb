// A whole skin load. The input's first three bytes are the hue offset, the
// saturation and where the skin comes from; the rest is the description text
// of a skin that also holds a master bitmap, a BMP, a PNG and a JPEG (made
// with the tests' fixture writers). Loads end with a skin or with the load
// errors the manager reports; nothing else may escape.
//
// Sources (third byte, low two bits): 0 built in (an archive in memory),
// 1 an archive file, 2 a skin folder, 3 a description handed over in memory
// with the images on disk. With bit 2 the text is cut at its first form
// feed: what follows is the program's common sections.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/image/graphic_error.h"
#include "core/store/skin_convertor.h"
#include "core/store/skin_store.h"
#include "core/store/stored_skins.h"
#include "core/text/str_to_int.h"
#include "tests/core/store/skin_fixture.h"
#include "tools/common/png_writer.h"
#include "tools/skinpack/skin_pack.h"

namespace {

using zelvan::skinpack::TArchiveFile;
using zelvan::store::testing::TempFolder;

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

// archives/ holds Fuzz.asz, folders/Fuzz/ the images and Options.dat.
struct TDiskSkins {
  TempFolder root;
  TDiskSkins() {
    root.MakeFolder("archives");
    root.MakeFolder("folders/Fuzz");
    for (const TArchiveFile& file : Images()) root.Write("folders/Fuzz/" + file.Name, file.Content);
  }
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = text.find('\n'); end != std::string::npos; start = end + 1, end = text.find('\n', start))
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zelvan::store;
  if (size < 3) return 0;
  const int source = data[2] & 3;
  std::string options(reinterpret_cast<const char*>(data) + 3, size - 3);
  std::string common;
  if ((data[2] & 4) != 0 && options.find('\f') != std::string::npos) {
    common = options.substr(options.find('\f') + 1);
    options.resize(options.find('\f'));
  }
  static const std::vector<TArchiveFile> kImages = Images();
  static const TDiskSkins kDisk;
  std::vector<TArchiveFile> files = {{"Options.dat", std::vector<uint8_t>(options.begin(), options.end())}};
  files.insert(files.end(), kImages.begin(), kImages.end());

  TsStoredSkins skins;
  TSkinSettings settings;
  settings.SkinDirectory = u"/nonexistent-zelvan-skins";
  switch (source) {
    case 0: {
      TsStoredSkin& skin = skins.Add();
      skin.Name = u"Fuzz";
      skin.PackedData = zelvan::io::TMemoryStream(zelvan::skinpack::PackSkinFiles(files));
      settings.InternalSkins = &skins;
      break;
    }
    case 1:
      kDisk.root.Write("archives/Fuzz.asz", zelvan::skinpack::PackSkinFiles(files));
      settings.SkinDirectory = kDisk.root.Path() + u"\\archives";
      break;
    case 2:
      kDisk.root.Write("folders/Fuzz/Options.dat", options);
      settings.SkinDirectory = kDisk.root.Path() + u"\\folders";
      break;
    default:
      settings.HandedOverOptions = options;
      settings.SkinDirectory = kDisk.root.Path() + u"\\folders";
      break;
  }
  if (!common.empty()) settings.CommonSections = Lines(common);
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
