// Loading a realistic skin (60 sections, 100 image parts: 60 in a 512 x 512
// master bitmap, 20 BMP and 20 PNG files) from its folder and from its
// archive, against the bare cost of reading the same files and of reading and
// inflating the same archive, in the same run.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "core/store/skin_files.h"
#include "core/store/skin_store.h"
#include "tools/common/png_writer.h"
#include "tests/core/store/skin_fixture.h"
#include "tools/skinpack/skin_pack.h"

namespace {

using namespace zelvan;

std::vector<uint8_t> GradientBmp(int width, int height) {
  store::testing::BmpRecipe recipe{width, height, 24, {}, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) recipe.pixels.push_back(static_cast<uint32_t>((x * 255 / width) << 16 | (y * 255 / height) << 8 | 0x40));
  return store::testing::WriteBmp(recipe);
}

std::vector<uint8_t> GradientPng(int width, int height) {
  png::PngRecipe recipe;
  recipe.width = static_cast<uint32_t>(width);
  recipe.height = static_cast<uint32_t>(height);
  recipe.colorType = 6;
  for (int y = 0; y < height; ++y) {
    std::vector<uint8_t> row;
    for (int x = 0; x < width; ++x) {
      row.insert(row.end(), {static_cast<uint8_t>(x * 4), static_cast<uint8_t>(y * 8), 0x80, static_cast<uint8_t>(x * 255 / width)});
    }
    recipe.rows.push_back(row);
  }
  return png::WritePng(recipe);
}

struct BenchSkin {
  store::testing::TempFolder dir;
  std::vector<skinpack::TArchiveFile> files;

  BenchSkin() {
    std::string options = "[GLOBALINFO]\nVERSION=8.0\nMASTERBITMAP=MASTER.BMP\nCOLOR=$E0E0E0\n";
    files.push_back({"MASTER.BMP", GradientBmp(512, 512)});
    for (int i = 0; i < 58; ++i) {
      const std::string n = std::to_string(i);
      options += "[SECTION" + n + "]\n";
      if (i % 3) options += "PARENTCLASS=SECTION" + std::to_string(i - 1) + "\n";
      options += "COLOR=" + std::to_string(i * 4000) + "\nHOTCOLOR=$00FF00\nFONTCOLOR=0\nTRANSPARENCY=10\n";
      options += "GRADIENTDATA=16777215;12632256;40;0;0;12632256;8421504;60;0;0\nGRADIENTPERCENT=50\n";
      const int x = (i % 8) * 64, y = (i / 8) * 64;
      options += "BORDERSMASK=# (" + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(x + 60) + "," +
                 std::to_string(y + 40) + ") (3,1,4,1)\n";
      if (i < 20) {
        options += "IMGTOPLEFT=C" + n + ".BMP\n";
        files.push_back({"C" + n + ".BMP", GradientBmp(60, 20)});
      } else if (i < 40) {
        options += "GLYPHMASK=!G" + n + ".PNG!3!0!4\n";
        files.push_back({"G" + n + ".PNG", GradientPng(60, 20)});
      }
    }
    options += "[GLOBALPARTS]\nBOXCHECKED=@0000,0448,0048,0464,3,0\nGRIPIMAGE=@0048,0448,0064,0464,1,0\n";
    files.insert(files.begin(), {"Options.dat", std::vector<uint8_t>(options.begin(), options.end())});
    for (const auto& file : files) dir.Write("Folder/" + file.Name, file.Content);
    dir.Write("Packed.asz", skinpack::PackSkinFiles(files));
  }
};

BenchSkin& Skin() {
  static BenchSkin skin;
  return skin;
}

void Load(benchmark::State& state, const char* name) {
  store::TSkinSettings settings;
  settings.SkinDirectory = Skin().dir.Path();
  store::TsSkinStore store({}, settings);
  for (auto _ : state) {
    store.LoadSkinByName(std::u16string(name, name + std::char_traits<char>::length(name)));
    benchmark::DoNotOptimize(store.ma.data());
  }
  if (store.ma.size() != 100 || store.gd.size() != 60) state.SkipWithError("the skin did not load whole");
}

void BM_LoadFromFolder(benchmark::State& state) { Load(state, "Folder"); }
void BM_LoadFromArchive(benchmark::State& state) { Load(state, "Packed"); }

// Reference: read every file of the folder.
void BM_ReadFolderFiles(benchmark::State& state) {
  const std::u16string folder = Skin().dir.Path() + u"\\Folder\\";
  for (auto _ : state) {
    for (const auto& file : Skin().files) {
      auto bytes = store::ReadWholeFile(folder + std::u16string(file.Name.begin(), file.Name.end()));
      benchmark::DoNotOptimize(bytes->data());
    }
  }
}

// Reference: read the archive and inflate every entry with bare zlib.
void BM_ReadAndInflateArchive(benchmark::State& state) {
  const std::u16string path = Skin().dir.Path() + u"\\Packed.asz";
  for (auto _ : state) {
    const auto bytes = *store::ReadWholeFile(path);
    size_t pos = 8;
    auto get32 = [&bytes, &pos] {
      const uint32_t v = bytes[pos] | bytes[pos + 1] << 8 | bytes[pos + 2] << 16 | static_cast<uint32_t>(bytes[pos + 3]) << 24;
      pos += 4;
      return v;
    };
    for (size_t i = 0; i < Skin().files.size(); ++i) {
      pos += get32();
      std::vector<uint8_t> out(get32());
      z_stream z{};
      inflateInit(&z);
      z.next_in = const_cast<Bytef*>(bytes.data() + pos);
      z.avail_in = static_cast<uInt>(bytes.size() - pos);
      z.next_out = out.data();
      z.avail_out = static_cast<uInt>(out.size());
      inflate(&z, Z_FINISH);
      pos += z.total_in;
      inflateEnd(&z);
      benchmark::DoNotOptimize(out.data());
    }
  }
}

// Our skin Air from its committed folder, plain and recoloured by hue 120:
// the recolouring's cost is the difference.
void LoadAir(benchmark::State& state, int hue) {
  store::TSkinSettings settings;
  const std::string folder = ZELVAN_SKINS;
  settings.SkinDirectory.assign(folder.begin(), folder.end());
  settings.SkinName = u"Air";
  settings.HueOffset = hue;
  store::TsSkinStore store({}, settings);
  for (auto _ : state) {
    store.ReloadSkin();  // the folder, not the archive: no inflating in either
    benchmark::DoNotOptimize(store.ma.data());
  }
  if (store.gd.empty()) state.SkipWithError("Air did not load");
}

void BM_LoadAir(benchmark::State& state) { LoadAir(state, 0); }
void BM_LoadAirHue120(benchmark::State& state) { LoadAir(state, 120); }

BENCHMARK(BM_LoadAir)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAirHue120)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFolderFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndInflateArchive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromArchive)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
