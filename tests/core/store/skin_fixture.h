#pragma once
// Fixture skins made by code: BMP and JPEG files written by the tests, a
// temporary skin directory, and a store wired to recording services.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/store/skin_services.h"
#include "core/store/skin_store.h"

namespace zelvan::store::testing {

struct BmpRecipe {
  int width = 1;
  int height = 1;
  int bits = 24;
  std::vector<uint32_t> palette;  // 0x00RRGGBB, for 1, 4 and 8 bits
  // Palette indexes (1-8 bits), raw 5-5-5 values (16 bits) or 0xAARRGGBB.
  std::vector<uint32_t> pixels;
  bool topDown = false;
  // 12 (the OS/2 core header: 16-bit sizes, 3-byte palette entries), 40, 52,
  // 56, 108 or 124; the longer ones leave their colour-space fields zero.
  uint32_t headerSize = 40;
  // R, G, B and optionally A masks: written as bit fields (16 and 32 bits),
  // inside the header from 52 bytes on, after a 40-byte one.
  std::vector<uint32_t> masks{};
  uint32_t colorsUsed = 0;  // palette entries written; 0: all
};
std::vector<uint8_t> WriteBmp(const BmpRecipe& recipe);
// A 24-bit picture of one colour (0x00RRGGBB), key pixels where asked.
std::vector<uint8_t> SolidBmp(int width, int height, uint32_t rgb);

// A baseline JPEG of one colour (0x00RRGGBB).
std::vector<uint8_t> SolidJpeg(int width, int height, uint32_t rgb);

std::vector<uint8_t> Bytes(const std::string& text);

// A skin hand-over record as an editing tool lays it out: the magic, then
// the three text fields, each cut to its field's size.
std::vector<uint8_t> HandOverRecord(uint32_t magic, const std::string& name, const std::string& directory,
                                    const std::string& description);

// A folder under the system's temporary folder, removed at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder in the Windows form the loaders take ("\" separators).
  std::u16string Path() const;
  std::filesystem::path Native() const { return root_; }
  void Write(const std::string& relative, const std::vector<uint8_t>& bytes) const;
  void Write(const std::string& relative, const std::string& text) const { Write(relative, Bytes(text)); }
  void MakeFolder(const std::string& relative) const;

 private:
  std::filesystem::path root_;
};

// A store over a temporary skin directory that records every message shown.
struct SkinHarness {
  explicit SkinHarness(bool testSwitch = false);

  TempFolder dir;
  TSkinSettings settings;
  std::vector<std::pair<TMessageKind, std::string>> messages;
  TsSkinStore store;

  // Writes a skin folder <name>/ with the description and files.
  void WriteSkin(const std::string& name, const std::string& options,
                 const std::vector<std::pair<std::string, std::vector<uint8_t>>>& files = {}) const;
  void Load(const std::string& name) { store.LoadSkinByName(std::u16string(name.begin(), name.end())); }
  const TsGeneralData& Section(const std::string& name) const;
  const TsMaskData* Part(const std::string& section, const std::string& property) const;
};

}  // namespace zelvan::store::testing
