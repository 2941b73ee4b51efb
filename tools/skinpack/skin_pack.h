#pragma once
// Packing, listing and extracting skin archives (".asz") for skin makers;
// the tests make their fixture archives with it.

#include <cstdint>
#include <string>
#include <vector>

namespace zelvan::skinpack {

struct TArchiveFile {
  std::string Name;  // no folder part
  std::vector<uint8_t> Content;
};

// An archive of the files in the given order, each its own zlib stream.
std::vector<uint8_t> PackSkinFiles(const std::vector<TArchiveFile>& files);

// The files of a skin folder ("Options.dat" first, then by name); throws
// std::runtime_error when the folder has no "Options.dat".
std::vector<TArchiveFile> ReadSkinFolder(const std::u16string& folder);

// Every entry of an archive, the description included, in archive order.
// Throws store::EPackedSkinError for a damaged archive.
std::vector<TArchiveFile> UnpackSkinFiles(const std::vector<uint8_t>& archive);

// Writes the entries into folder (created when missing); throws
// std::runtime_error when a file cannot be written or a name has a folder part.
void WriteSkinFolder(const std::vector<TArchiveFile>& files, const std::u16string& folder);

}  // namespace zelvan::skinpack
