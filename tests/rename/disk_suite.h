#pragma once
// Rename and restore passes on real folders, shared by the native build
// (POSIX operations) and the Windows build (Win32 operations under Wine).

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "core/rename/file_operations.h"

namespace zelvan::rename::testing {

using FileOperationsFactory = std::function<std::unique_ptr<TFileOperations>()>;

class RenameOnDisk : public ::testing::TestWithParam<FileOperationsFactory> {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Name -> contents of the plain files directly inside a folder.
  static std::map<std::u16string, std::string> FilesIn(const std::filesystem::path& folder);
  static void WriteFile(const std::filesystem::path& path, const std::string& contents);
  static std::string ReadFile(const std::filesystem::path& path);

  std::filesystem::path Path(const std::u16string& name) const { return folder_ / name; }
  std::u16string FolderText() const { return folder_.u16string(); }

  std::filesystem::path root_;    // private scratch folder of the test
  std::filesystem::path folder_;  // the chosen folder, inside root_
  std::unique_ptr<TFileOperations> files_;
};

}  // namespace zelvan::rename::testing
