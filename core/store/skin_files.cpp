#include "core/store/skin_files.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "core/io/stream.h"

namespace zelvan::store {

namespace fs = std::filesystem;

fs::path NativePath(const std::u16string& path) {
#ifdef _WIN32
  return fs::path(path);
#else
  std::u16string native = path;
  std::replace(native.begin(), native.end(), u'\\', u'/');
  return fs::path(native);
#endif
}

bool FileExists(const std::u16string& path) {
  std::error_code error;
  return fs::is_regular_file(NativePath(path), error);
}

bool DirectoryExists(const std::u16string& path) {
  std::error_code error;
  return fs::is_directory(NativePath(path), error);
}

bool ForceDirectories(const std::u16string& path) {
  std::error_code error;
  const fs::path native = NativePath(path);
  fs::create_directories(native, error);
  return fs::is_directory(native, error);
}

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::u16string& path) {
  if (!FileExists(path)) return std::nullopt;
  io::TFileStream file(NativePath(path).u16string());
  if (!file.IsOpen()) return std::nullopt;
  std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
  if (!file.ReadExact(bytes.data(), bytes.size())) return std::nullopt;
  return bytes;
}

bool WriteWholeFile(const std::u16string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::vector<TSkinDirEntry> ListDirectory(const std::u16string& folder) {
  std::vector<TSkinDirEntry> entries;
  std::error_code error;
  for (fs::directory_iterator it(NativePath(folder), error), end; !error && it != end; it.increment(error)) {
    std::error_code kind_error;
    entries.push_back({it->path().filename().u16string(), it->is_directory(kind_error)});
  }
  return entries;
}

}  // namespace zelvan::store
