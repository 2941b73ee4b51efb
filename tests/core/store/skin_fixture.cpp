#include "tests/core/store/skin_fixture.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>
#include <stdexcept>

#include "core/store/skin_handover.h"
#include "core/text/utf.h"
#include "tools/common/jpeg_writer.h"

namespace fs = std::filesystem;

namespace zelvan::store::testing {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

std::vector<uint8_t> WriteBmp(const BmpRecipe& recipe) {
  const bool core = recipe.headerSize == 12;
  const size_t row_bytes = (static_cast<size_t>(recipe.width) * recipe.bits + 31) / 32 * 4;
  const uint32_t entries = recipe.bits > 8 ? 0 : recipe.colorsUsed != 0 ? recipe.colorsUsed : 1u << recipe.bits;
  const uint32_t palette_bytes = entries * (core ? 3 : 4);
  const bool bitfields = !recipe.masks.empty();
  const uint32_t mask_bytes = bitfields && recipe.headerSize == 40 ? 12 : 0;
  const uint32_t offset = 14 + recipe.headerSize + mask_bytes + palette_bytes;
  std::vector<uint8_t> out = {'B', 'M'};
  Put32(out, offset + static_cast<uint32_t>(row_bytes * recipe.height));
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, recipe.headerSize);
  if (core) {
    Put16(out, static_cast<uint32_t>(recipe.width));
    Put16(out, static_cast<uint32_t>(recipe.height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(recipe.bits));
  } else {
    Put32(out, static_cast<uint32_t>(recipe.width));
    Put32(out, static_cast<uint32_t>(recipe.topDown ? -recipe.height : recipe.height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(recipe.bits));
    Put32(out, bitfields ? 3 : 0);
    for (int i = 0; i < 3; ++i) Put32(out, 0);
    Put32(out, recipe.colorsUsed);
    Put32(out, 0);
    // Masks, inside a longer header or right after a 40-byte one; then zeros.
    const size_t header_end = 14 + recipe.headerSize + mask_bytes;
    for (size_t i = 0; i < recipe.masks.size() && out.size() < header_end; ++i) Put32(out, recipe.masks[i]);
    out.resize(header_end, 0);
  }
  for (uint32_t i = 0; i < entries; ++i) {
    const uint32_t color = i < recipe.palette.size() ? recipe.palette[i] : 0;
    if (core) {
      for (int b = 0; b < 3; ++b) out.push_back(static_cast<uint8_t>(color >> (8 * b)));
    } else {
      Put32(out, color);
    }
  }
  for (int i = 0; i < recipe.height; ++i) {
    const int y = recipe.topDown ? i : recipe.height - 1 - i;
    std::vector<uint8_t> row(row_bytes, 0);
    for (int x = 0; x < recipe.width; ++x) {
      const uint32_t p = recipe.pixels.at(static_cast<size_t>(y * recipe.width + x));
      if (recipe.bits <= 8) {
        const size_t bit = static_cast<size_t>(x) * recipe.bits;
        row[bit / 8] = static_cast<uint8_t>(row[bit / 8] | (p << (8 - recipe.bits - bit % 8)));
      } else {
        for (int b = 0; b < recipe.bits / 8; ++b) row[static_cast<size_t>(x * recipe.bits / 8 + b)] = static_cast<uint8_t>(p >> (8 * b));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

std::vector<uint8_t> SolidBmp(int width, int height, uint32_t rgb) {
  return WriteBmp({width, height, 24, {}, std::vector<uint32_t>(static_cast<size_t>(width * height), rgb)});
}

std::vector<uint8_t> SolidJpeg(int width, int height, uint32_t rgb) {
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  for (size_t i = 0; i < pixels.size(); i += 3) {
    pixels[i] = static_cast<uint8_t>(rgb >> 16);
    pixels[i + 1] = static_cast<uint8_t>(rgb >> 8);
    pixels[i + 2] = static_cast<uint8_t>(rgb);
  }
  return jpeg::EncodeJpeg(pixels, width, height, 95);
}

TempFolder::TempFolder() {
  std::random_device seed;
  root_ = fs::temp_directory_path() / ("zelvan_skin_" + std::to_string(seed()) + std::to_string(seed()));
  fs::create_directories(root_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::u16string TempFolder::Path() const {
  std::u16string path = root_.u16string();
#ifdef _WIN32
  for (char16_t& c : path) {
    if (c == u'/') c = u'\\';
  }
#endif
  return path;
}

void TempFolder::Write(const std::string& relative, const std::vector<uint8_t>& bytes) const {
  const fs::path path = root_ / fs::path(text::Utf8ToUtf16(relative));
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write fixture " + relative);
}

void TempFolder::MakeFolder(const std::string& relative) const { fs::create_directories(root_ / relative); }

namespace {

TSkinServices RecordingServices(std::vector<std::pair<TMessageKind, std::string>>& messages, bool testSwitch) {
  TSkinServices services;
  services.ShowMessage = [&messages](TMessageKind kind, const std::string& text) { messages.emplace_back(kind, text); };
  services.TestSwitch = testSwitch;
  return services;
}

}  // namespace

SkinHarness::SkinHarness(bool testSwitch)
    : store(RecordingServices(messages, testSwitch), settings) {
  settings.SkinDirectory = dir.Path();
}

void SkinHarness::WriteSkin(const std::string& name, const std::string& options,
                            const std::vector<std::pair<std::string, std::vector<uint8_t>>>& files) const {
  dir.Write(name + "/Options.dat", options);
  for (const auto& [file, bytes] : files) dir.Write(name + "/" + file, bytes);
}

const TsGeneralData& SkinHarness::Section(const std::string& name) const {
  const int i = store.GetSkinIndex(name);
  if (i < 0) throw std::runtime_error("no section " + name);
  return store.gd[static_cast<size_t>(i)];
}

const TsMaskData* SkinHarness::Part(const std::string& section, const std::string& property) const {
  const int i = store.GetMaskIndex(section, property);
  return i >= 0 ? &store.ma[static_cast<size_t>(i)] : nullptr;
}

std::vector<uint8_t> HandOverRecord(uint32_t magic, const std::string& name, const std::string& directory,
                                    const std::string& description) {
  std::vector<uint8_t> block(kHandOverRecordSize, 0);
  for (int i = 0; i < 4; ++i) block[static_cast<size_t>(i)] = static_cast<uint8_t>(magic >> (8 * i));
  uint8_t* field = block.data() + 4;
  std::memcpy(field, name.data(), std::min(name.size(), kHandOverNameSize));
  field += kHandOverNameSize;
  std::memcpy(field, directory.data(), std::min(directory.size(), kHandOverDirectorySize));
  field += kHandOverDirectorySize;
  std::memcpy(field, description.data(), std::min(description.size(), kHandOverDescriptionSize));
  return block;
}

}  // namespace zelvan::store::testing
