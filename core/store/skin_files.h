#pragma once
// Disk access of the skin loaders. Paths arrive in the Windows form
// (folder + "\" + name); the native build reads backslashes as separators.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zelvan::store {

std::filesystem::path NativePath(const std::u16string& path);

bool FileExists(const std::u16string& path);
bool DirectoryExists(const std::u16string& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool ForceDirectories(const std::u16string& path);

// The whole file, or nothing when it cannot be read.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::u16string& path);
bool WriteWholeFile(const std::u16string& path, const std::vector<uint8_t>& bytes);

struct TSkinDirEntry {
  std::u16string Name;
  bool Directory = false;
};
// The entries of a folder in the platform's order; empty when it cannot be read.
std::vector<TSkinDirEntry> ListDirectory(const std::u16string& folder);

}  // namespace zelvan::store
