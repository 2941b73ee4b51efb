#include "app/rename/win32_file_operations.h"

#include <windows.h>

#include <memory>

namespace {

// UTF-16 texts of the core are the platform's wide strings.
const wchar_t* Wide(const std::u16string& text) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

struct FindCloser {
  void operator()(HANDLE find) const { FindClose(find); }
};

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};

// Attributes of what path finally names: a link's own attributes are
// replaced by its target's, and a dangling link counts as absent.
bool TargetAttributes(const std::u16string& path, DWORD& attributes) {
  attributes = GetFileAttributesW(Wide(path));
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return true;
  std::unique_ptr<void, HandleCloser> target(
      CreateFileW(Wide(path), FILE_READ_ATTRIBUTES,
                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                  FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (target.get() == INVALID_HANDLE_VALUE) {
    target.release();
    return false;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(target.get(), &info)) return false;
  attributes = info.dwFileAttributes;
  return true;
}

}  // namespace

bool TWin32FileOperations::Enumerate(
    const std::u16string& pattern,
    const std::function<void(zelvan::rename::TDirEntry&)>& visit) {
  WIN32_FIND_DATAW data{};
  // Without the short 8.3 names, which the listing never reads, and in large
  // batches: a big folder lists faster.
  HANDLE raw = FindFirstFileExW(Wide(pattern), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                FIND_FIRST_EX_LARGE_FETCH);
  if (raw == INVALID_HANDLE_VALUE) return false;
  std::unique_ptr<void, FindCloser> find(raw);
  do {
    zelvan::rename::TDirEntry entry;
    entry.Name = reinterpret_cast<const char16_t*>(data.cFileName);
    entry.Hidden = (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
    entry.System = (data.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
    entry.Directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.Indirect = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    visit(entry);
  } while (FindNextFileW(find.get(), &data));
  return true;
}

bool TWin32FileOperations::DirectoryExists(const std::u16string& path) {
  DWORD attributes = 0;
  return TargetAttributes(path, attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool TWin32FileOperations::FileExists(const std::u16string& path) {
  DWORD attributes = 0;
  return TargetAttributes(path, attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool TWin32FileOperations::Move(const std::u16string& from, const std::u16string& to) {
  return MoveFileW(Wide(from), Wide(to)) != 0;
}
