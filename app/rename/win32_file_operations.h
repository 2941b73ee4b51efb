#pragma once
// The renamer's disk operations on Windows: FindFirstFileW listing, existence
// tests that follow links, and MoveFileW without flags (never replaces).

#include "core/rename/file_operations.h"

class TWin32FileOperations : public zelvan::rename::TFileOperations {
 public:
  bool Enumerate(const std::u16string& pattern,
                 const std::function<void(zelvan::rename::TDirEntry&)>& visit) override;
  bool DirectoryExists(const std::u16string& path) override;
  bool FileExists(const std::u16string& path) override;
  bool Move(const std::u16string& from, const std::u16string& to) override;
};
