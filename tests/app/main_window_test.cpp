#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "framework/folder_picker/directory_edit.h"
#include "app/rename_main.h"
#include "design_skin_folder.h"
#include "skin/store/skin_manager.h"
#include "framework/stdctrls/button.h"
#include "framework/stdctrls/custom_edit.h"
#include "framework/stdctrls/list_view.h"
#include "framework/stdctrls/radio_button.h"
#include "framework/stdctrls/spin_edit.h"
#include "framework/system/file_names.h"
#include "framework/system/wide_text.h"
#include "test_support.h"
#include "user_actions.h"

namespace {

std::wstring ReadFileText(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return L"<missing>";
  char buffer[64] = {};
  DWORD read = 0;
  ReadFile(file, buffer, sizeof(buffer) - 1, &read, nullptr);
  CloseHandle(file);
  return Utf8ToWide(std::string(buffer, read));
}

void WriteFileText(const std::wstring& path, const std::string& text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

// The main window, shown, with a temporary folder to work in; its skin
// folder holds Air or nothing.
struct TMainFixture {
  TDesignSkinFolder Skin;
  TTempFolder Temp;
  std::unique_ptr<TForm1> Form{new TForm1(Application)};
  std::vector<std::wstring> Opened;

  explicit TMainFixture(TSkinOnDriveF skin) : Skin(skin) {
    EXPECT_EQ(Form->sSkinManager1->Active(), Skin.Skinned());
    TForm1::OpenAddress() = [this](const std::wstring& address) { Opened.push_back(address); };
    Form->Show();
    Pump();
  }
  ~TMainFixture() {
    Form.reset();
    TForm1::OpenAddress() = nullptr;
  }

  // A sub-folder of the temporary folder holding these files (name, content).
  std::wstring Folder(const std::wstring& name, const std::vector<std::wstring>& files = {}) {
    const std::wstring path = Temp.Make(name);
    for (const std::wstring& file : files) WriteFileText(path + L"\\" + file, WideToUtf8(file));
    return path;
  }

  // What the list view's window shows.
  int RowCount() { return static_cast<int>(SendMessageW(Form->lv_Files->Handle(), LVM_GETITEMCOUNT, 0, 0)); }
  std::wstring Cell(int row, int column) {
    wchar_t text[300] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 300;
    SendMessageW(Form->lv_Files->Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
  }
  std::vector<std::wstring> Column(int column) {
    std::vector<std::wstring> cells;
    for (int row = 0; row < RowCount(); ++row) cells.push_back(Cell(row, column));
    return cells;
  }
  std::vector<std::wstring> SortedColumn(int column) {
    std::vector<std::wstring> cells = Column(column);
    std::sort(cells.begin(), cells.end());
    return cells;
  }

  void Click(TWinControl& control) {
    PostClick(control.Handle());
    Pump();
  }
  // Types into a control as the keyboard does, one character at a time.
  void Type(TWinControl& control, const std::wstring& text) {
    for (wchar_t c : text) {
      PostMessageW(control.Handle(), WM_CHAR, c, 1);
      Pump(10);
    }
  }
  bool Enabled(TWinControl& control) { return IsWindowEnabled(control.Handle()) != FALSE; }
  void SetFolder(const std::wstring& path) {
    Form->ED_dir->SetText(path);
    Pump();
  }
};

// Every case runs with the skin Air and without any: the same behaviour.
class MainWindow : public testing::TestWithParam<TSkinOnDriveF> {};
INSTANTIATE_TEST_SUITE_P(, MainWindow, testing::Values(TSkinOnDriveF::None, TSkinOnDriveF::Folder),
                         [](const testing::TestParamInfo<TSkinOnDriveF>& param) { return SkinCaseName(param.param); });

}  // namespace

TEST_P(MainWindow, TypingAPathListsAFolderOnlyWhenTheTextNamesOne) {
  TMainFixture f(GetParam());
  WriteFileText(f.Temp.Path() + L"\\t.txt", "t");
  f.Folder(L"ab", {L"x1.txt", L"x2.txt"});
  f.Folder(L"abc", {L"y.txt"});
  f.SetFolder(f.Temp.Path());
  f.Form->ED_dir->SetFocus();
  SendMessageW(f.Form->ED_dir->Handle(), EM_SETSEL, 1000, 1000);
  struct TStep {
    wchar_t Key;
    std::wstring Prefix;
    std::vector<std::wstring> Listed;
  } steps[] = {
      {L'\\', L"", {L"t.txt"}},              // ends in a backslash: empty own name
      {L'a', L"", {L"t.txt"}},               // no such folder: nothing changes
      {L'b', L"ab", {L"x1.txt", L"x2.txt"}},
      {L'c', L"abc", {L"y.txt"}},
  };
  for (const TStep& step : steps) {
    f.Type(*f.Form->ED_dir, std::wstring(1, step.Key));
    EXPECT_EQ(f.Form->ED_fn->Text(), step.Prefix) << "after typing " << static_cast<char>(step.Key);
    EXPECT_EQ(f.SortedColumn(1), step.Listed) << "after typing " << static_cast<char>(step.Key);
  }
  EXPECT_EQ(f.Form->ED_dir->Text(), f.Temp.Path() + L"\\abc");
}

TEST_P(MainWindow, RenameAndRestoreMoveTheFilesAndTheButtonsFollow) {
  TMainFixture f(GetParam());
  // At start both pass buttons are enabled.
  EXPECT_TRUE(f.Enabled(*f.Form->btn_rename));
  EXPECT_TRUE(f.Enabled(*f.Form->btn_restore));

  const std::wstring folder = f.Folder(L"docs", {L"a.txt", L"b.txt"});
  f.SetFolder(folder);
  EXPECT_TRUE(f.Enabled(*f.Form->btn_rename));
  EXPECT_FALSE(f.Enabled(*f.Form->btn_restore));
  const std::vector<std::wstring> originals = f.Column(1);
  EXPECT_EQ(f.Column(2), (std::vector<std::wstring>{L"docs1.txt", L"docs2.txt"}));

  f.Click(*f.Form->btn_rename);
  EXPECT_EQ(f.Column(3), (std::vector<std::wstring>{L"√", L"√"}));
  EXPECT_FALSE(f.Enabled(*f.Form->btn_rename));
  EXPECT_TRUE(f.Enabled(*f.Form->btn_restore));
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(ReadFileText(folder + L"\\docs" + std::to_wstring(row + 1) + L".txt"), originals[static_cast<size_t>(row)]);
  }

  // While renamed, the settings change nothing.
  f.Type(*f.Form->ED_fn, L"zz");
  EXPECT_EQ(f.Column(2), (std::vector<std::wstring>{L"docs1.txt", L"docs2.txt"}));

  f.Click(*f.Form->btn_restore);
  EXPECT_EQ(f.Column(3), (std::vector<std::wstring>{L"", L""}));
  EXPECT_TRUE(f.Enabled(*f.Form->btn_rename));
  EXPECT_FALSE(f.Enabled(*f.Form->btn_restore));
  for (const std::wstring& name : originals) EXPECT_EQ(ReadFileText(folder + L"\\" + name), name);
}

TEST_P(MainWindow, ATakenTargetLeavesItsRowUnmarkedAndAVanishedFolderDoesNothing) {
  TMainFixture f(GetParam());
  const std::wstring folder = f.Folder(L"p", {L"only.txt"});
  f.Temp.Make(L"p\\p1.txt");  // a folder already holds the new name
  f.SetFolder(folder);
  ASSERT_EQ(f.Column(2), std::vector<std::wstring>{L"p1.txt"});
  f.Click(*f.Form->btn_rename);
  EXPECT_EQ(f.Column(3), std::vector<std::wstring>{L""});
  EXPECT_EQ(ReadFileText(folder + L"\\only.txt"), L"only.txt");
  EXPECT_TRUE(DirectoryExists(folder + L"\\p1.txt"));

  const std::wstring gone = f.Folder(L"gone", {L"g.txt"});
  f.SetFolder(gone);
  DeleteFileW((gone + L"\\g.txt").c_str());
  RemoveDirectoryW(gone.c_str());
  f.Click(*f.Form->btn_rename);
  EXPECT_EQ(f.Column(3), std::vector<std::wstring>{L""});
  EXPECT_TRUE(f.Enabled(*f.Form->btn_rename));
  EXPECT_FALSE(f.Enabled(*f.Form->btn_restore));
}

TEST_P(MainWindow, SwitchingTheKindListsTheSameFolderAgainAndResetsTheButtons) {
  TMainFixture f(GetParam());
  const std::wstring folder = f.Folder(L"mixed", {L"a.txt"});
  f.Temp.Make(L"mixed\\d1");
  f.Temp.Make(L"mixed\\d2");
  f.SetFolder(folder);
  EXPECT_EQ(f.Column(1), std::vector<std::wstring>{L"a.txt"});
  f.Click(*f.Form->btn_rename);
  ASSERT_FALSE(f.Enabled(*f.Form->btn_rename));

  f.Click(*f.Form->rb_dir);
  EXPECT_TRUE(f.Form->rb_dir->Checked());
  EXPECT_EQ(f.SortedColumn(1), (std::vector<std::wstring>{L"d1", L"d2"}));
  EXPECT_EQ(f.SortedColumn(2), (std::vector<std::wstring>{L"mixed1", L"mixed2"}));
  EXPECT_TRUE(f.Enabled(*f.Form->btn_rename));
  EXPECT_FALSE(f.Enabled(*f.Form->btn_restore));

  // After a rename another folder is listed and named at once.
  f.Click(*f.Form->btn_rename);
  const std::wstring other = f.Folder(L"other");
  f.Temp.Make(L"other\\sub");
  f.SetFolder(other);
  EXPECT_EQ(f.Column(2), std::vector<std::wstring>{L"other1"});
  EXPECT_TRUE(f.Enabled(*f.Form->btn_rename));
}

TEST_P(MainWindow, TheFirstRowSuggestsTheExtensionAndAnEmptyListKeepsIt) {
  TMainFixture f(GetParam());
  struct TCase {
    std::wstring Folder;
    std::vector<std::wstring> Files;
    std::wstring Before;
    std::wstring After;
  } cases[] = {
      {L"photos", {L"photo.jpg"}, L"", L".jpg"},
      {L"empty", {}, L".old", L".old"},
      {L"plain", {L"README"}, L".x", L""},
      {L"C:\\", {}, L".keep", L"?"},  // a drive root: empty prefix
  };
  for (const TCase& c : cases) {
    f.Form->ed_ext->SetText(c.Before);
    if (c.Folder == L"C:\\") {
      f.SetFolder(c.Folder);
      EXPECT_EQ(f.Form->ED_fn->Text(), L"");
      continue;
    }
    const std::wstring folder = f.Folder(c.Folder, c.Files);
    f.Temp.Make(c.Folder + L"\\notes");  // a sub-folder is no file row
    f.SetFolder(folder);
    EXPECT_EQ(f.Form->ed_ext->Text(), c.After) << WideToUtf8(c.Folder);
    EXPECT_EQ(f.RowCount(), static_cast<int>(c.Files.size()));
  }
}

TEST_P(MainWindow, WithANewExtensionEveryKeystrokeRenamesTheWholeList) {
  TMainFixture f(GetParam());
  f.SetFolder(f.Folder(L"pics", {L"a.jpg", L"b.png"}));
  f.Click(*f.Form->rb_extchg);
  f.Form->ed_ext->SetText(L"");
  f.Form->ed_ext->SetFocus();
  std::wstring typed;
  for (wchar_t c : std::wstring(L".txt")) {
    typed += c;
    f.Type(*f.Form->ed_ext, std::wstring(1, c));
    EXPECT_EQ(f.Column(2), (std::vector<std::wstring>{L"pics1" + typed, L"pics2" + typed}));
  }
  // The digit count pads the numbers (the sign counts as a digit), the first
  // number starts them.
  f.Form->ed_numlen->SetText(L"3");
  f.Form->ED_numstart->SetText(L"-2");
  Pump();
  EXPECT_EQ(f.Column(2), (std::vector<std::wstring>{L"pics0-2.txt", L"pics0-1.txt"}));
}

TEST_P(MainWindow, TabMovesThroughTheControlsInTheirStoredOrder) {
  TMainFixture f(GetParam());
  f.Form->ED_dir->SetFocus();
  Pump();
  std::vector<std::wstring> order;
  for (int i = 0; i < 13; ++i) {
    TWinControl* focused = f.Form->ActiveControl();
    order.push_back(focused ? focused->Name() : L"-");
    PostKey(GetFocus(), VK_TAB);
    Pump();
  }
  EXPECT_EQ(order, (std::vector<std::wstring>{L"ED_dir", L"lv_Files", L"ED_fn", L"ed_numlen", L"ED_numstart",
                                              L"rb_ext", L"ed_ext", L"btn_rename", L"btn_restore", L"btn_close",
                                              L"rb_file", L"sButton1", L"ED_dir"}));
}

TEST_P(MainWindow, TheWindowHasItsDesignedSizeAndTheButtonsTheirJobs) {
  TMainFixture f(GetParam());
  RECT client{};
  GetClientRect(f.Form->Handle(), &client);
  EXPECT_EQ(client.right, 531);
  EXPECT_EQ(client.bottom, 464);
  wchar_t caption[64] = {};
  GetWindowTextW(f.Form->Handle(), caption, 64);
  EXPECT_STREQ(caption, L"Zelvan批量改名");
  // The stored values show in the number boxes: numbering starts at 1.
  EXPECT_EQ(f.Form->ED_numstart->Text(), L"1");
  EXPECT_EQ(f.Form->ED_numstart->Value(), 1);
  EXPECT_EQ(f.Form->ed_numlen->Text(), L"0");
  // Controls of the group box sit at their places in its client area.
  EXPECT_EQ(f.Form->ED_fn->Parent()->Name(), L"sGroupBox1");
  RECT edit{};
  GetWindowRect(f.Form->ED_fn->Handle(), &edit);
  MapWindowPoints(nullptr, f.Form->ED_fn->Parent()->Handle(), reinterpret_cast<POINT*>(&edit), 2);
  EXPECT_EQ(edit.left, 50);
  EXPECT_EQ(edit.top, 21);
  EXPECT_EQ(SendMessageW(f.Form->ED_dir->Handle(), EM_GETLIMITTEXT, 0, 0), 255);

  f.Click(*f.Form->sButton1);
  EXPECT_EQ(f.Opened, std::vector<std::wstring>{kHomePageAddress});
  f.Click(*f.Form->btn_close);
  EXPECT_FALSE(IsWindowVisible(f.Form->Handle()));
}

namespace {

HWND ClosedForm = nullptr;
void CALLBACK CloseDuringPass(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostMessageW(ClosedForm, WM_CLOSE, 0, 0);
}

}  // namespace

TEST_P(MainWindow, ClosingDuringAPassFinishesTheRowAndLosesNothing) {
  TMainFixture f(GetParam());
  std::vector<std::wstring> names;
  for (int i = 0; i < 2000; ++i) names.push_back(L"p" + std::to_wstring(i) + L".txt");
  const std::wstring folder = f.Folder(L"many", names);
  f.SetFolder(folder);
  ASSERT_EQ(f.RowCount(), 2000);
  const std::vector<std::wstring> originals = f.Column(1), targets = f.Column(2);

  ClosedForm = f.Form->Handle();
  SetTimer(nullptr, 0, 250, CloseDuringPass);
  f.Click(*f.Form->btn_rename);
  EXPECT_FALSE(IsWindowVisible(f.Form->Handle())) << "closed once the row being moved was done";
  const std::vector<std::wstring> marks = f.Column(3);
  const auto renamed = static_cast<size_t>(std::count(marks.begin(), marks.end(), L"√"));
  EXPECT_GT(renamed, 0u);
  EXPECT_LT(renamed, 2000u) << "the pass stopped part-way";
  for (size_t row = 0; row < originals.size(); ++row) {
    const bool moved = marks[row] == L"√";
    EXPECT_EQ(ReadFileText(folder + L"\\" + (moved ? targets[row] : originals[row])), originals[row]) << row;
    if (HasFailure()) break;
  }

  // Shown again, the window puts back what was done.
  f.Form->Show();
  Pump();
  EXPECT_TRUE(f.Enabled(*f.Form->btn_restore));
  f.Click(*f.Form->btn_restore);
  for (const std::wstring& name : originals) {
    EXPECT_EQ(ReadFileText(folder + L"\\" + name), name);
    if (HasFailure()) break;
  }
}
