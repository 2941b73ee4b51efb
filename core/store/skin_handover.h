#pragma once
// The record a skin-editing tool in another process hands a running program
// for a live preview (the data block of WM_COPYDATA): a magic number, the
// skin's name and folder, and the text of its description file, each an
// 8-bit text of the platform's code page in a field of fixed size.
//
// It is the program's only input from another process, so it is read as
// hostile: a block of any other size, or with another magic, is no record.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace zelvan::store {

inline constexpr uint32_t kHandOverMagic = 0xA400;
inline constexpr size_t kHandOverNameSize = 128;
inline constexpr size_t kHandOverDirectorySize = 513;
inline constexpr size_t kHandOverDescriptionSize = 30001;
inline constexpr size_t kHandOverRecordSize = 4 + kHandOverNameSize + kHandOverDirectorySize + kHandOverDescriptionSize;

struct THandOverRecord {
  std::string Name;         // code-page bytes, without the terminating zero
  std::string Directory;
  std::string Description;  // lines separated by line breaks
};

// Each text runs to its first zero byte, or over its whole field when it
// holds none (a 128-byte name without a zero is a name of 128 characters).
std::optional<THandOverRecord> ReadHandOverRecord(const void* data, size_t size);

}  // namespace zelvan::store
