#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "core/rename/rename_plan.h"

namespace zelvan::rename {
namespace {

// A folder held in memory: entries in enumeration order, plus which full
// paths the existence tests accept (a link's target may be gone).
class FakeFolder : public TFileOperations {
 public:
  std::u16string Folder = u"C:\\data";
  std::vector<TDirEntry> Entries;
  std::map<std::u16string, bool> IsDirectory;  // existing paths only
  std::vector<std::u16string> Patterns;

  bool Enumerate(const std::u16string& pattern,
                 const std::function<void(TDirEntry&)>& visit) override {
    Patterns.push_back(pattern);
    if (pattern != Folder + u"\\*.*") return false;
    for (TDirEntry e : Entries) visit(e);  // a copy: the visitor may take the name
    return true;
  }
  bool DirectoryExists(const std::u16string& path) override {
    auto it = IsDirectory.find(path);
    return it != IsDirectory.end() && it->second;
  }
  bool FileExists(const std::u16string& path) override {
    auto it = IsDirectory.find(path);
    return it != IsDirectory.end() && !it->second;
  }
  bool Move(const std::u16string&, const std::u16string&) override { return false; }

  void Add(std::u16string name, bool hidden, bool system, bool directory, bool exists = true, bool link = false) {
    if (exists) IsDirectory[Folder + u"\\" + name] = directory;
    Entries.push_back({std::move(name), hidden, system, directory, link});
  }
};

std::vector<std::u16string> Listed(FakeFolder& folder, TEntryKind kind) {
  TRenamePlan plan;
  plan.ListFolder(folder.Folder, kind, folder);
  std::vector<std::u16string> names;
  for (const TPlanRow& row : plan.Rows()) {
    EXPECT_EQ(row.Number, static_cast<int32_t>(names.size() + 1));
    EXPECT_FALSE(row.NewName.has_value());
    EXPECT_FALSE(row.Result.has_value());
    names.push_back(row.OriginalName);
  }
  return names;
}

FakeFolder MixedFolder() {
  FakeFolder f;
  f.Add(u".", false, false, true);
  f.Add(u"..", false, false, true);
  f.Add(u"z.txt", false, false, false);
  f.Add(u"hidden.txt", true, false, false);
  f.Add(u"system.sys", false, true, false);
  f.Add(u"hidden_system.dat", true, true, false);
  f.Add(u"子目录", false, false, true);
  f.Add(u"hidden_dir", true, false, true);
  f.Add(u"system_dir", false, true, true);
  f.Add(u"a.txt", false, false, false);
  f.Add(u"dangling_link", false, false, false, /*exists=*/false, /*link=*/true);
  f.Add(u"link_to_dir", false, false, false, /*exists=*/true, /*link=*/true);  // its target is a folder
  f.Add(u"gone.txt", false, false, false, /*exists=*/false);  // plain entries are taken as listed
  f.IsDirectory[f.Folder + u"\\link_to_dir"] = true;
  return f;
}

TEST(ListFolder, FilesKindListsPlainAndHiddenFilesInEnumerationOrder) {
  FakeFolder f = MixedFolder();
  EXPECT_EQ(Listed(f, TEntryKind::Files),
            (std::vector<std::u16string>{u"z.txt", u"hidden.txt", u"a.txt", u"gone.txt"}));
  EXPECT_EQ(f.Patterns, (std::vector<std::u16string>{u"C:\\data\\*.*"}));
}

TEST(ListFolder, FoldersKindListsOnlyPlainExistingDirectories) {
  FakeFolder f = MixedFolder();
  // "link_to_dir" is no directory entry, yet its target is one: links are
  // tested by path; the kind of every other entry is the listing's.
  EXPECT_EQ(Listed(f, TEntryKind::Folders),
            (std::vector<std::u16string>{u"子目录", u"link_to_dir"}));
}

TEST(ListFolder, UnreadableFolderGivesEmptyPlanAndKeepsRenamedState) {
  FakeFolder f = MixedFolder();
  TRenamePlan plan;
  plan.ListFolder(f.Folder, TEntryKind::Files, f);
  ASSERT_EQ(plan.Rows().size(), 4u);
  plan.SetRenamed(true);
  plan.ListFolder(u"C:\\missing", TEntryKind::Files, f);
  EXPECT_TRUE(plan.Rows().empty());
  EXPECT_TRUE(plan.Renamed());
  plan.ComputeNewNames({u"x", 1, 0, TExtensionMode::Keep, u""});
  EXPECT_TRUE(plan.Rows().empty());
}

}  // namespace
}  // namespace zelvan::rename
