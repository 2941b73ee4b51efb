#pragma once
// Reader of packed skin archives (".asz"): the magic "ASzf", a count N and N
// entries of (name length L, name, inflated size S, one zlib stream). The
// entry "Options.dat" is the description text, the others image files.
//
// Damaged or hostile archives fail with EPackedSkinError before anything
// large is allocated: a count, name length or size that the remaining bytes
// cannot hold (deflate expands at most 1032:1), an entry above
// kMaxArchiveEntry, a stream that inflates to more or fewer than S bytes.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/io/stream.h"

namespace zelvan::store {

class EPackedSkinError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline const char* const kNotPackedSkin = "Loaded data is not a packed skin file";
inline constexpr char kArchiveMagic[4] = {'A', 'S', 'z', 'f'};
inline constexpr int64_t kMaxArchiveEntry = int64_t{1} << 28;
inline constexpr int64_t kMaxDeflateRatio = 1032;

struct TacImageItem {
  std::string FileName;
  bool IsBitmap = false;
  std::unique_ptr<io::TMemoryStream> FileStream;
};

using TacImageItems = std::vector<TacImageItem>;

class TacSkinConvertor {
 public:
  int32_t ImageCount = 0;
  TacImageItems Files;
  std::unique_ptr<io::TMemoryStream> Options;
  // The archive bytes; borrowed ones (a built-in skin) are not owned.
  std::unique_ptr<io::TMemoryStream> PackedData;
  const io::TMemoryStream* BorrowedData = nullptr;

  // Fills ImageCount, Files and Options from PackedData (or BorrowedData).
  // Throws EPackedSkinError; the reader is cleared on failure.
  void ParseFile();
  void Clear();

  // The image entry whose upper-cased stored name equals name, or null.
  const TacImageItem* FindFile(const std::string& name) const;
};

// Reads an archive file into reader (cleared first) and parses it; returns
// false without touching reader when the file does not exist. With
// freeAfter the archive bytes are dropped after parsing.
bool LoadSkinFromFile(const std::u16string& fileName, TacSkinConvertor& reader, bool freeAfter);

}  // namespace zelvan::store
