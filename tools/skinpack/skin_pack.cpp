#include "tools/skinpack/skin_pack.h"

#include <zlib.h>

#include <algorithm>
#include <stdexcept>

#include "core/store/ini_file.h"
#include "core/store/skin_convertor.h"
#include "core/store/skin_files.h"
#include "core/text/utf.h"

namespace zelvan::skinpack {

std::vector<uint8_t> PackSkinFiles(const std::vector<TArchiveFile>& files) {
  std::vector<uint8_t> out(store::kArchiveMagic, store::kArchiveMagic + 4);
  auto put32 = [&out](size_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  put32(files.size());
  for (const TArchiveFile& file : files) {
    put32(file.Name.size());
    out.insert(out.end(), file.Name.begin(), file.Name.end());
    put32(file.Content.size());
    uLongf packed_size = compressBound(static_cast<uLong>(file.Content.size()));
    std::vector<uint8_t> packed(packed_size);
    if (compress2(packed.data(), &packed_size, file.Content.data(), static_cast<uLong>(file.Content.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
      throw std::runtime_error("Cannot compress " + file.Name);
    }
    out.insert(out.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packed_size));
  }
  return out;
}

std::vector<TArchiveFile> ReadSkinFolder(const std::u16string& folder) {
  std::vector<TArchiveFile> files;
  bool has_options = false;
  for (const store::TSkinDirEntry& entry : store::ListDirectory(folder)) {
    if (entry.Directory) continue;
    auto bytes = store::ReadWholeFile(folder + u"\\" + entry.Name);
    if (!bytes) throw std::runtime_error("Cannot read " + text::Utf16ToUtf8(entry.Name));
    TArchiveFile file{text::Utf16ToUtf8(entry.Name), std::move(*bytes)};
    has_options = has_options || store::UpperCase(file.Name) == "OPTIONS.DAT";
    files.push_back(std::move(file));
  }
  if (!has_options) throw std::runtime_error("The folder holds no Options.dat");
  std::sort(files.begin(), files.end(), [](const TArchiveFile& a, const TArchiveFile& b) {
    const bool a_options = store::UpperCase(a.Name) == "OPTIONS.DAT";
    const bool b_options = store::UpperCase(b.Name) == "OPTIONS.DAT";
    return a_options != b_options ? a_options : a.Name < b.Name;
  });
  return files;
}

std::vector<TArchiveFile> UnpackSkinFiles(const std::vector<uint8_t>& archive) {
  store::TacSkinConvertor reader;
  reader.PackedData = std::make_unique<io::TMemoryStream>(archive);
  reader.ParseFile();
  std::vector<TArchiveFile> files;
  if (reader.Options) files.push_back({"Options.dat", reader.Options->Bytes()});
  for (const store::TacImageItem& item : reader.Files) files.push_back({item.FileName, item.FileStream->Bytes()});
  return files;
}

void WriteSkinFolder(const std::vector<TArchiveFile>& files, const std::u16string& folder) {
  if (!store::ForceDirectories(folder)) throw std::runtime_error("Cannot create " + text::Utf16ToUtf8(folder));
  for (const TArchiveFile& file : files) {
    // Archive names never carry a folder part; refuse any that would leave the folder.
    if (file.Name.empty() || file.Name.find_first_of("/\\:") != std::string::npos || file.Name == "." ||
        file.Name == "..") {
      throw std::runtime_error("Refusing the entry name " + file.Name);
    }
    if (!store::WriteWholeFile(folder + u"\\" + text::Utf8ToUtf16(file.Name), file.Content)) {
      throw std::runtime_error("Cannot write " + file.Name);
    }
  }
}

}  // namespace zelvan::skinpack
