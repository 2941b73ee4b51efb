#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "app/rename/win32_file_operations.h"
#include "core/rename/rename_engine.h"
#include "core/rename/rename_plan.h"
#include "tests/rename/disk_suite.h"

namespace zelvan::rename::testing {

INSTANTIATE_TEST_SUITE_P(Win32, RenameOnDisk, ::testing::Values(FileOperationsFactory([] {
                           return std::unique_ptr<TFileOperations>(new TWin32FileOperations);
                         })));

class Win32Listing : public RenameOnDisk {};

std::vector<std::u16string> Listed(const std::u16string& folder, TEntryKind kind,
                                   TFileOperations& files) {
  TRenamePlan plan;
  plan.ListFolder(folder, kind, files);
  std::vector<std::u16string> names;
  for (const TPlanRow& row : plan.Rows()) names.push_back(row.OriginalName);
  std::sort(names.begin(), names.end());  // the platform's order is not ours to fix
  return names;
}

TEST_P(Win32Listing, AttributesDecideWhatEachKindLists) {
  namespace fs = std::filesystem;
  struct Entry {
    std::u16string name;
    bool directory;
    DWORD attributes;
  } entries[] = {
      {u"普通.txt", false, 0},
      {u"hidden.txt", false, FILE_ATTRIBUTE_HIDDEN},
      {u"system.sys", false, FILE_ATTRIBUTE_SYSTEM},
      {u"子目录", true, 0},
      {u"hidden_dir", true, FILE_ATTRIBUTE_HIDDEN},
      {u"system_dir", true, FILE_ATTRIBUTE_SYSTEM},
  };
  for (const Entry& e : entries) {
    if (e.directory) {
      fs::create_directory(Path(e.name));
    } else {
      WriteFile(Path(e.name), "x");
    }
    if (e.attributes != 0) {
      const std::wstring path = Path(e.name).wstring();
      ASSERT_TRUE(SetFileAttributesW(path.c_str(), e.attributes | GetFileAttributesW(path.c_str())));
    }
  }
  EXPECT_EQ(Listed(FolderText(), TEntryKind::Files, *files_),
            (std::vector<std::u16string>{u"hidden.txt", u"普通.txt"}));
  EXPECT_EQ(Listed(FolderText(), TEntryKind::Folders, *files_),
            (std::vector<std::u16string>{u"子目录"}));
}

TEST_P(Win32Listing, FolderKindRenamesSubFoldersWithTheirContents) {
  namespace fs = std::filesystem;
  fs::create_directory(Path(u"一"));
  WriteFile(Path(u"一") / u"inside.txt", "kept");
  WriteFile(Path(u"loose.txt"), "not listed");
  TRenamePlan plan;
  plan.ListFolder(FolderText(), TEntryKind::Folders, *files_);
  ASSERT_EQ(plan.Rows().size(), 1u);
  plan.ComputeNewNames({u"卷", 7, 2, TExtensionMode::Keep, u""});
  EXPECT_EQ(plan.Rows()[0].NewName, u"卷07");
  ASSERT_TRUE(RenameEntries(plan, FolderText(), *files_));
  EXPECT_EQ(ReadFile(Path(u"卷07") / u"inside.txt"), "kept");
  EXPECT_EQ(ReadFile(Path(u"loose.txt")), "not listed");
}

INSTANTIATE_TEST_SUITE_P(Win32, Win32Listing, ::testing::Values(FileOperationsFactory([] {
                           return std::unique_ptr<TFileOperations>(new TWin32FileOperations);
                         })));

}  // namespace zelvan::rename::testing
