#include "framework/system/file_names.h"

#include <windows.h>

#include <vector>

namespace {

bool Attributes(const std::wstring& path, DWORD& attributes) {
  if (path.empty()) return false;
  attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool DirectoryExists(const std::wstring& path) {
  DWORD attributes = 0;
  return Attributes(path, attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const std::wstring& path) {
  DWORD attributes = 0;
  return Attributes(path, attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::wstring IncludeTrailingBackslash(const std::wstring& path) {
  if (path.empty() || path.back() == L'\\') return path;
  return path + L'\\';
}

std::wstring ExtractFilePath(const std::wstring& fileName) {
  const size_t last = fileName.find_last_of(L"\\:/");
  return last == std::wstring::npos ? std::wstring() : fileName.substr(0, last + 1);
}

std::wstring ExpandFileName(const std::wstring& fileName) {
  if (fileName.empty()) return fileName;
  const DWORD needed = GetFullPathNameW(fileName.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return fileName;
  std::vector<wchar_t> buffer(needed + 1);
  const DWORD length = GetFullPathNameW(fileName.c_str(), needed + 1, buffer.data(), nullptr);
  if (length == 0 || length > needed) return fileName;
  return std::wstring(buffer.data(), length);
}

bool SameFileName(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}
