#include "tests/rename/disk_suite.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "core/rename/naming.h"
#include "core/rename/rename_engine.h"
#include "core/rename/rename_plan.h"

namespace fs = std::filesystem;

namespace zelvan::rename::testing {

void RenameOnDisk::SetUp() {
  std::random_device seed;
  root_ = fs::temp_directory_path() / ("zelvan_rename_" + std::to_string(seed()));
  folder_ = root_ / u"选定";
  fs::create_directories(folder_);
  files_ = GetParam()();
}

void RenameOnDisk::TearDown() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::map<std::u16string, std::string> RenameOnDisk::FilesIn(const fs::path& folder) {
  std::map<std::u16string, std::string> found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) found[entry.path().filename().u16string()] = ReadFile(entry.path());
  }
  return found;
}

void RenameOnDisk::WriteFile(const fs::path& path, const std::string& contents) {
  std::ofstream out(path, std::ios::binary);
  out << contents;
  ASSERT_TRUE(out.good());
}

std::string RenameOnDisk::ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

namespace {

const std::u16string kMark = kRenamedMark;

std::vector<std::optional<std::u16string>> Results(const TRenamePlan& plan) {
  std::vector<std::optional<std::u16string>> results;
  for (const TPlanRow& row : plan.Rows()) results.push_back(row.Result);
  return results;
}

// What the passes must do, worked out on a name -> contents map: a move
// happens when its target name is safe and free and its source is there.
void ModelPass(std::map<std::u16string, std::string>& disk, TRenamePlan& plan, bool rename) {
  for (TPlanRow& row : plan.Rows()) {
    const std::u16string& from = rename ? row.OriginalName : *row.NewName;
    const std::u16string& to = rename ? *row.NewName : row.OriginalName;
    if (!IsSafeEntryName(*row.NewName) || disk.count(to) || !disk.count(from)) continue;
    disk[to] = disk[from];
    disk.erase(from);
    if (rename) {
      row.Result = kMark;
    } else if (row.Result) {
      row.Result = std::u16string();
    }
  }
  plan.SetRenamed(rename);
}

}  // namespace

TEST_P(RenameOnDisk, AllMovesSucceedThenRestorePutsEveryNameBack) {
  const std::map<std::u16string, std::string> original = {
      {u"a.txt", "alpha"}, {u"照片.JPG", "photo"}, {u"notes", "no extension"}};
  for (const auto& [name, contents] : original) WriteFile(Path(name), contents);

  TRenamePlan plan;
  plan.ListFolder(FolderText(), TEntryKind::Files, *files_);
  ASSERT_EQ(plan.Rows().size(), 3u);
  plan.ComputeNewNames({u"图", 1, 3, TExtensionMode::Keep, u""});

  ASSERT_TRUE(RenameEntries(plan, FolderText(), *files_));
  EXPECT_TRUE(plan.Renamed());
  std::map<std::u16string, std::string> expected;
  for (const TPlanRow& row : plan.Rows()) {
    EXPECT_EQ(row.Result, kMark);
    expected[*row.NewName] = original.at(row.OriginalName);
  }
  EXPECT_EQ(FilesIn(folder_), expected);

  ASSERT_TRUE(RestoreEntries(plan, FolderText(), *files_));
  EXPECT_FALSE(plan.Renamed());
  for (const TPlanRow& row : plan.Rows()) EXPECT_EQ(row.Result, u"");
  EXPECT_EQ(FilesIn(folder_), original);
}

TEST_P(RenameOnDisk, AStoppedPassLeavesEveryFileUnderOneOfItsNamesAndRestoresCleanly) {
  std::map<std::u16string, std::string> original;
  for (int i = 1; i <= 8; ++i) {
    const std::string name = "f" + std::to_string(i) + ".txt";
    original[std::u16string(name.begin(), name.end())] = "bytes " + std::to_string(i);
  }
  for (const auto& [name, contents] : original) WriteFile(Path(name), contents);
  TRenamePlan plan;
  plan.ListFolder(FolderText(), TEntryKind::Files, *files_);
  plan.ComputeNewNames({u"n", 1, 2, TExtensionMode::Keep, u""});

  std::vector<size_t> told;
  ASSERT_TRUE(RenameEntries(plan, FolderText(), *files_, [&](size_t done) {
    told.push_back(done);
    return done < 3;  // closed after the third row
  }));
  EXPECT_EQ(told, (std::vector<size_t>{1, 2, 3}));
  EXPECT_TRUE(plan.Renamed()) << "the rows done can be put back";
  EXPECT_EQ(Results(plan), (std::vector<std::optional<std::u16string>>{kMark, kMark, kMark, std::nullopt,
                                                                       std::nullopt, std::nullopt, std::nullopt,
                                                                       std::nullopt}));
  // Every file has either its old name or its new one; none is lost.
  const auto present = FilesIn(folder_);
  EXPECT_EQ(present.size(), original.size());
  for (const TPlanRow& row : plan.Rows()) {
    const bool moved = row.Result.has_value();
    EXPECT_EQ(present.count(moved ? *row.NewName : row.OriginalName), 1u);
  }

  // A restore stopped part-way keeps the renamed state for the rest.
  ASSERT_TRUE(RestoreEntries(plan, FolderText(), *files_, [](size_t done) { return done < 2; }));
  EXPECT_TRUE(plan.Renamed());
  ASSERT_TRUE(RestoreEntries(plan, FolderText(), *files_));
  EXPECT_FALSE(plan.Renamed());
  EXPECT_EQ(FilesIn(folder_), original);
}

TEST_P(RenameOnDisk, TakenTargetIsLeftAloneAndLaterRowsStillMove) {
  for (const char16_t* name : {u"a.txt", u"b.txt", u"c.txt"}) WriteFile(Path(name), "mine");
  TRenamePlan plan;
  plan.ListFolder(FolderText(), TEntryKind::Files, *files_);
  plan.ComputeNewNames({u"n", 1, 0, TExtensionMode::Replace, u".dat"});
  // An unrelated file appears under the second row's new name.
  WriteFile(Path(*plan.Rows()[1].NewName), "unrelated bytes");

  ASSERT_TRUE(RenameEntries(plan, FolderText(), *files_));
  EXPECT_EQ(Results(plan), (std::vector<std::optional<std::u16string>>{kMark, std::nullopt, kMark}));
  EXPECT_EQ(ReadFile(Path(*plan.Rows()[1].NewName)), "unrelated bytes");
  EXPECT_EQ(ReadFile(Path(plan.Rows()[1].OriginalName)), "mine");
  EXPECT_EQ(FilesIn(folder_).size(), 4u);
}

TEST_P(RenameOnDisk, RenumberingFilesThatFollowThePatternLosesNothing) {
  std::map<std::u16string, std::string> model;
  for (int i = 1; i <= 6; ++i) {
    const std::string name = "img" + std::to_string(i) + ".txt";
    const std::u16string wide(name.begin(), name.end());
    WriteFile(Path(wide), "file " + std::to_string(i));
    model[wide] = "file " + std::to_string(i);
  }
  TRenamePlan plan;
  plan.ListFolder(FolderText(), TEntryKind::Files, *files_);
  plan.ComputeNewNames({u"img", 2, 0, TExtensionMode::Keep, u""});
  TRenamePlan expected = plan;

  ASSERT_TRUE(RenameEntries(plan, FolderText(), *files_));
  ModelPass(model, expected, /*rename=*/true);
  EXPECT_EQ(Results(plan), Results(expected));
  EXPECT_EQ(FilesIn(folder_), model);
  // Whatever the listing order, the row bound for the free name img7 moves.
  const auto results = Results(plan);
  EXPECT_GE(std::count(results.begin(), results.end(), kMark), 1);
}

TEST_P(RenameOnDisk, RenameRestoreRenameKeepsTheMarkOfARowWhoseRestoreFailed) {
  for (const char16_t* name : {u"a.txt", u"b.txt"}) WriteFile(Path(name), std::string("x"));
  TRenamePlan plan;
  plan.ListFolder(FolderText(), TEntryKind::Files, *files_);
  plan.ComputeNewNames({u"r", 1, 0, TExtensionMode::Keep, u""});
  ASSERT_TRUE(RenameEntries(plan, FolderText(), *files_));
  // Something takes the first row's original name: its restore must fail.
  WriteFile(Path(plan.Rows()[0].OriginalName), "newcomer");

  ASSERT_TRUE(RestoreEntries(plan, FolderText(), *files_));
  EXPECT_EQ(Results(plan), (std::vector<std::optional<std::u16string>>{kMark, u""}));
  EXPECT_EQ(ReadFile(Path(plan.Rows()[0].OriginalName)), "newcomer");

  plan.ComputeNewNames({u"r", 1, 0, TExtensionMode::Keep, u""});
  ASSERT_TRUE(RenameEntries(plan, FolderText(), *files_));
  // Row 1's target is still taken by its own renamed file; row 2 moves again.
  EXPECT_EQ(Results(plan), (std::vector<std::optional<std::u16string>>{kMark, kMark}));
  EXPECT_TRUE(plan.Renamed());
}

TEST_P(RenameOnDisk, EmptyPlanStillSetsTheRenamedState) {
  TRenamePlan plan;
  plan.ListFolder(FolderText(), TEntryKind::Files, *files_);
  ASSERT_TRUE(plan.Rows().empty());
  EXPECT_TRUE(RenameEntries(plan, FolderText(), *files_));
  EXPECT_TRUE(plan.Renamed());
  EXPECT_TRUE(RestoreEntries(plan, FolderText(), *files_));
  EXPECT_FALSE(plan.Renamed());
}

TEST_P(RenameOnDisk, FolderRemovedBeforeThePassChangesNothing) {
  WriteFile(Path(u"a.txt"), "a");
  TRenamePlan plan;
  plan.ListFolder(FolderText(), TEntryKind::Files, *files_);
  plan.ComputeNewNames({u"x", 1, 0, TExtensionMode::Keep, u""});
  fs::remove_all(folder_);
  WriteFile(folder_, "a file where the folder was");

  EXPECT_FALSE(RenameEntries(plan, FolderText(), *files_));
  EXPECT_FALSE(plan.Renamed());
  EXPECT_FALSE(plan.Rows()[0].Result.has_value());
  plan.SetRenamed(true);
  EXPECT_FALSE(RestoreEntries(plan, FolderText(), *files_));
  EXPECT_TRUE(plan.Renamed());
}

TEST_P(RenameOnDisk, UnsafeNewNamesAreNeverMovedEitherWay) {
  // Prefix "..\" would move the entries into the parent folder.
  WriteFile(Path(u"a.txt"), "inside");
  TRenamePlan plan;
  plan.ListFolder(FolderText(), TEntryKind::Files, *files_);
  plan.ComputeNewNames({u"..\\", 1, 0, TExtensionMode::Keep, u""});
  ASSERT_EQ(plan.Rows()[0].NewName, u"..\\1.txt");
  WriteFile(root_ / u"1.txt", "outside");

  ASSERT_TRUE(RenameEntries(plan, FolderText(), *files_));
  EXPECT_FALSE(plan.Rows()[0].Result.has_value());
  ASSERT_TRUE(RestoreEntries(plan, FolderText(), *files_));
  EXPECT_EQ(ReadFile(Path(u"a.txt")), "inside");
  EXPECT_EQ(ReadFile(root_ / u"1.txt"), "outside");
  EXPECT_EQ(FilesIn(folder_).size(), 1u);

  // Device names: COM1..COM9 are passed over, the pass goes on to COM10.
  for (int i = 0; i < 10; ++i) WriteFile(Path(u"f" + std::u16string(1, u'0' + i)), "d");
  fs::remove(Path(u"a.txt"));
  plan.ListFolder(FolderText(), TEntryKind::Files, *files_);
  plan.SetRenamed(false);
  plan.ComputeNewNames({u"COM", 1, 0, TExtensionMode::Replace, u""});
  ASSERT_TRUE(RenameEntries(plan, FolderText(), *files_));
  const auto results = Results(plan);
  EXPECT_EQ(std::count(results.begin(), results.end(), kMark), 1);
  EXPECT_EQ(plan.Rows()[9].Result, kMark);
  EXPECT_EQ(FilesIn(folder_).count(u"COM10"), 1u);
}

TEST_P(RenameOnDisk, RandomFoldersSurviveRenameAndRestore) {
  std::mt19937 random(20261210);
  const std::u16string prefixes[] = {u"", u"f", u"img", u"f0"};
  const std::u16string extensions[] = {u"", u".txt", u"txt", u"."};
  for (int round = 0; round < 40; ++round) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    std::map<std::u16string, std::string> model;
    const int count = static_cast<int>(random() % 9);
    for (int i = 0; i < count; ++i) {
      // Names drawn from a small space so that many collide with new names.
      std::string name = "f" + std::to_string(random() % 12);
      if (random() % 2) name += ".txt";
      const std::u16string wide(name.begin(), name.end());
      const std::string contents = "round " + std::to_string(round) + " file " + name;
      WriteFile(Path(wide), contents);
      model[wide] = contents;
    }
    TRenamePlan plan;
    plan.ListFolder(FolderText(), TEntryKind::Files, *files_);
    ASSERT_EQ(plan.Rows().size(), model.size());
    const TNamingSettings settings{prefixes[random() % 4], static_cast<int32_t>(random() % 9) - 3,
                                   static_cast<int32_t>(random() % 5) - 1,
                                   random() % 2 ? TExtensionMode::Keep : TExtensionMode::Replace,
                                   extensions[random() % 4]};
    plan.ComputeNewNames(settings);
    // A trailing dot is dropped by Windows; keep the model exact by skipping it.
    if (std::any_of(plan.Rows().begin(), plan.Rows().end(),
                    [](const TPlanRow& r) { return r.NewName->ends_with(u"."); })) {
      continue;
    }
    TRenamePlan expected = plan;
    const auto before = model;

    ASSERT_TRUE(RenameEntries(plan, FolderText(), *files_));
    ModelPass(model, expected, true);
    ASSERT_EQ(Results(plan), Results(expected)) << "round " << round;
    ASSERT_EQ(FilesIn(folder_), model) << "round " << round;

    ASSERT_TRUE(RestoreEntries(plan, FolderText(), *files_));
    ModelPass(model, expected, false);
    ASSERT_EQ(Results(plan), Results(expected)) << "round " << round;
    ASSERT_EQ(FilesIn(folder_), model) << "round " << round;

    // No file lost, no contents changed.
    std::multiset<std::string> contents_before, contents_after;
    for (const auto& [name, contents] : before) contents_before.insert(contents);
    for (const auto& [name, contents] : model) contents_after.insert(contents);
    ASSERT_EQ(contents_before, contents_after);
  }
}

}  // namespace zelvan::rename::testing
