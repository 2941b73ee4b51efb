#include <gtest/gtest.h>
#include <shlobj.h>

#include <memory>

#include "framework/folder_picker/directory_edit.h"
#include "framework/folder_picker/shell_tree_view.h"
#include "skin/controls/directory_edit.h"
#include "skin/store/skin_manager.h"
#include "framework/stdctrls/bit_btn.h"
#include "framework/stdctrls/scroll_box.h"
#include "framework/stdctrls/speed_button.h"
#include "framework/system/exception.h"
#include "framework/system/file_names.h"
#include "framework/system/wide_text.h"
#include "test_support.h"
#include "user_actions.h"

namespace {

// The ordinary directory edit, or the skinned one under the skin Air.
enum class TPickerLook { Ordinary, Skinned };

std::unique_ptr<TsSkinManager> AirManager(TPickerLook look) {
  if (look == TPickerLook::Ordinary) return nullptr;
  auto manager = std::make_unique<TsSkinManager>(nullptr);
  manager->SetSkinDirectory(ZELVAN_SKINS);
  manager->SetSkinName(L"Air");
  EXPECT_TRUE(manager->Active());
  return manager;
}

// A form with a directory edit; the picker it opens is driven by a script.
struct TPickerFixture {
  std::unique_ptr<TsSkinManager> Manager;
  std::unique_ptr<TForm> Form{NewForm(420, 80)};
  TDirectoryEdit* Edit;
  int Changes = 0;
  bool Closed = false;
  TPathDialogForm* Picker = nullptr;
  std::unique_ptr<TUserScript> Script;

  explicit TPickerFixture(TPickerLook look)
      : Manager(AirManager(look)),
        Edit(look == TPickerLook::Skinned ? new TsDirectoryEdit(Form.get()) : new TDirectoryEdit(Form.get())) {
    Edit->SetParent(Form.get());
    Edit->SetBounds(10, 10, 360, 21);
    Edit->OnChange = [this](TObject*) { ++Changes; };
    Edit->OnAfterDialog = [this](TObject*, std::wstring&, bool&) { Closed = true; };
  }
  ~TPickerFixture() {
    TDirectoryEdit::OnPickerShowing() = nullptr;
    SetCurrentDirectoryW(FStartFolder.c_str());
    Form.reset();
    Manager.reset();
  }
  std::wstring FStartFolder = ExpandFileName(L".");

  // The user clicks the edit's button; the steps run while the picker is open.
  void RunPicker(std::deque<std::function<bool()>> steps) {
    TDirectoryEdit::OnPickerShowing() = [this, steps](TPathDialogForm& picker) {
      Picker = &picker;
      Script = std::make_unique<TUserScript>(steps);
      Script->OnTimeout = [this] { Picker->SetModalResult(mrCancel); };
    };
    const RECT button = Edit->Button().BoundsRect();
    PostClick(Edit->Handle(), (button.left + button.right) / 2, (button.top + button.bottom) / 2);
    ASSERT_TRUE(PumpUntil([this] { return Closed; }, 30000)) << "the picker did not open and close";
    ASSERT_TRUE(Script && Script->Finished()) << Script->StepsLeft() << " steps not reached";
  }

  TShellTreeView& Tree() { return Picker->Tree(); }
  // Waits for the picker's window before the first step acts.
  std::function<bool()> WhenShown(std::function<void()> act) {
    return [this, act] {
      if (!Picker->Showing()) return false;
      act();
      return true;
    };
  }
};

bool IsDriveRoot(const std::wstring& path) {
  return path.size() == 3 && iswalpha(path[0]) && path[1] == L':' && path[2] == L'\\';
}

// Every case runs with the ordinary edit and with the skinned one: the same behaviour.
class FolderPicker : public testing::TestWithParam<TPickerLook> {};
INSTANTIATE_TEST_SUITE_P(, FolderPicker, testing::Values(TPickerLook::Ordinary, TPickerLook::Skinned),
                         [](const testing::TestParamInfo<TPickerLook>& param) {
                           return param.param == TPickerLook::Skinned ? "Skinned" : "Ordinary";
                         });

}  // namespace

TEST_P(FolderPicker, TheComputerLevelLeavesOkAndCreateDisabledUntilADriveIsSelected) {
  TPickerFixture f(GetParam());
  f.Edit->SetRoot(L"rfMyComputer");
  bool okAtComputer = true, createAtComputer = true, okAtDrive = false, createAtDrive = false;
  std::wstring drive;
  f.RunPicker({
      f.WhenShown([&] {
        okAtComputer = f.Picker->OkButton().Enabled();
        createAtComputer = f.Picker->CreateButton().Enabled();
        PostKey(f.Tree().Handle(), VK_DOWN);  // down to the first drive
      }),
      [&] {
        if (f.Tree().Path().empty()) {
          // Virtual items may come before the drives: on to the next item.
          if (f.Tree().Selected() != &f.Tree().Items()[0]) PostKey(f.Tree().Handle(), VK_DOWN);
          return false;
        }
        drive = f.Tree().Path();
        okAtDrive = f.Picker->OkButton().Enabled();
        createAtDrive = f.Picker->CreateButton().Enabled();
        PostClick(f.Picker->OkButton().Handle());
        return true;
      },
  });
  EXPECT_FALSE(okAtComputer);
  EXPECT_FALSE(createAtComputer);
  EXPECT_TRUE(okAtDrive);
  EXPECT_TRUE(createAtDrive);
  EXPECT_TRUE(IsDriveRoot(drive)) << "confirmed " << WideToUtf8(drive);
  EXPECT_EQ(f.Edit->Text(), drive);  // with its trailing backslash
  EXPECT_EQ(f.Changes, 1);
  EXPECT_EQ(f.Edit->InitialDir(), drive);
}

TEST_P(FolderPicker, CreateMakesTheNextNewFolderAndEscapeEndsOnlyTheRenaming) {
  TTempFolder temp;
  temp.Make(L"New folder1");
  temp.Make(L"New folder2");
  TPickerFixture f(GetParam());
  f.Edit->SetText(temp.Path());
  f.Changes = 0;
  std::wstring selectedAtStart;
  bool createEnabled = false, madeThird = false, openAfterFirstEscape = false;
  std::wstring editedNode;
  f.RunPicker({
      f.WhenShown([&] {
        // The tree starts at the desktop and opens its way down to the edit's folder.
        selectedAtStart = f.Tree().Path();
        createEnabled = f.Picker->CreateButton().Enabled();
        PostClick(f.Picker->CreateButton().Handle());
      }),
      [&] {
        if (!f.Tree().IsEditing()) return false;
        madeThird = DirectoryExists(temp.Path() + L"\\New folder3");
        editedNode = f.Tree().Selected() ? f.Tree().Selected()->Text() : L"";
        PostKey(GetFocus(), VK_ESCAPE);
        return true;
      },
      [&] {
        if (f.Tree().IsEditing()) return false;
        openAfterFirstEscape = f.Picker->Showing();
        PostKey(f.Tree().Handle(), VK_ESCAPE);
        return true;
      },
  });
  EXPECT_TRUE(SameFileName(selectedAtStart, temp.Path())) << WideToUtf8(selectedAtStart);
  EXPECT_TRUE(createEnabled);
  EXPECT_TRUE(madeThird);
  EXPECT_EQ(editedNode, L"New folder3");
  EXPECT_TRUE(openAfterFirstEscape);
  // Cancelled: the text and its change event are untouched.
  EXPECT_EQ(f.Edit->Text(), temp.Path());
  EXPECT_EQ(f.Changes, 0);
  // Opening the picker made the edit's folder the process's current one.
  EXPECT_TRUE(SameFileName(ExpandFileName(L"."), temp.Path())) << WideToUtf8(ExpandFileName(L"."));
}

TEST_P(FolderPicker, FailuresAreToldInAMessageBoxAndThePickerStaysOpen) {
  TTempFolder temp;
  const std::wstring parent = temp.Make(L"parent");
  temp.Make(L"parent\\a");
  temp.Make(L"parent\\b");
  temp.File(L"parent\\New folder1");  // a file: the next free name is New folder2
  std::vector<std::wstring> boxes;
  Application->SetMessageBoxHook([&](HWND, const std::wstring& text, const std::wstring&, UINT) {
    boxes.push_back(text);
    return IDOK;
  });
  TPickerFixture f(GetParam());
  f.Edit->SetRoot(temp.Path());
  f.Edit->SetText(parent);
  f.Edit->SetNoChangeDir(true);  // the process's current folder could not be removed
  bool madeSecond = false, openAfterErrors = false;
  f.RunPicker({
      f.WhenShown([&] { PostClick(f.Picker->CreateButton().Handle()); }),
      [&] {
        if (!f.Tree().IsEditing()) return false;
        madeSecond = DirectoryExists(parent + L"\\New folder2");
        // Renaming it onto a sibling's name is refused by the shell.
        HWND editor = reinterpret_cast<HWND>(SendMessageW(f.Tree().Handle(), TVM_GETEDITCONTROL, 0, 0));
        SetWindowTextW(editor, L"a");
        PostKey(editor, VK_RETURN);
        return true;
      },
      [&] {
        if (f.Tree().IsEditing() || boxes.empty()) return false;
        // The selected folder vanishes before Create is pressed.
        f.Tree().SetPath(parent);
        RemoveDirectoryW((parent + L"\\New folder2").c_str());
        RemoveDirectoryW((parent + L"\\a").c_str());
        RemoveDirectoryW((parent + L"\\b").c_str());
        DeleteFileW((parent + L"\\New folder1").c_str());
        RemoveDirectoryW(parent.c_str());
        PostClick(f.Picker->CreateButton().Handle());
        return true;
      },
      [&] {
        if (boxes.size() < 2) return false;
        openAfterErrors = f.Picker->Showing();
        PostClick(f.Picker->CancelButton().Handle());
        return true;
      },
  });
  Application->SetMessageBoxHook(nullptr);
  EXPECT_TRUE(madeSecond);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0], L"Rename to a failed");
  EXPECT_EQ(boxes[1], L"Directory " + parent + L"\\New folder1 can`t be created!");
  EXPECT_TRUE(openAfterErrors);
  EXPECT_THROW(f.Tree().SetPath(L"Q:\\no\\such"), Exception);
}

TEST_P(FolderPicker, ANewFolderRenamedInPlaceIsRenamedOnDiskAndConfirmed) {
  TTempFolder temp;
  TPickerFixture f(GetParam());
  f.Edit->SetRoot(temp.Path());
  f.Edit->SetText(temp.Path());
  f.Changes = 0;
  const std::wstring renamed = temp.Path() + L"\\照片 2026";
  f.RunPicker({
      f.WhenShown([&] { PostClick(f.Picker->CreateButton().Handle()); }),
      [&] {
        if (!f.Tree().IsEditing()) return false;
        HWND editor = reinterpret_cast<HWND>(SendMessageW(f.Tree().Handle(), TVM_GETEDITCONTROL, 0, 0));
        SetWindowTextW(editor, L"照片 2026");
        PostKey(editor, VK_RETURN);
        return true;
      },
      [&] {
        if (f.Tree().IsEditing() || !SameFileName(f.Tree().Path(), renamed)) return false;
        PostClick(f.Picker->OkButton().Handle());
        return true;
      },
  });
  EXPECT_TRUE(DirectoryExists(renamed));
  EXPECT_FALSE(DirectoryExists(temp.Path() + L"\\New folder1"));
  EXPECT_TRUE(SameFileName(f.Edit->Text(), renamed)) << WideToUtf8(f.Edit->Text());
  EXPECT_EQ(f.Changes, 1);
}

TEST_P(FolderPicker, RootButtonsWidenTheFormAndSwitchTheTreesRoot) {
  TPickerFixture f(GetParam());
  f.Edit->SetShowRootBtns(true);
  int width = 0;
  std::vector<std::wstring> captions;
  f.RunPicker({
      f.WhenShown([&] {
        width = f.Picker->Width();
        TScrollBox& box = f.Picker->RootBox();
        for (int i = 0; i < box.ControlCount(); ++i) captions.push_back(box.Controls(i)->Caption());
        const RECT computer = box.Controls(1)->BoundsRect();
        PostClick(box.Handle(), (computer.left + computer.right) / 2, (computer.top + computer.bottom) / 2);
      }),
      [&] {
        if (f.Tree().Root() != L"rfMyComputer") return false;
        PostClick(f.Picker->CancelButton().Handle());
        return true;
      },
  });
  EXPECT_EQ(width, TPathDialogForm::kWidth + 101 + GetSystemMetrics(SM_CXSIZEFRAME) + 4);
  ASSERT_EQ(captions.size(), 4u);
  for (const std::wstring& caption : captions) EXPECT_FALSE(caption.empty());
  EXPECT_EQ(f.Changes, 0);
}

TEST_P(FolderPicker, TheDialogEventsCanStopThePickerOrChangeTheResult) {
  TPickerFixture f(GetParam());
  f.Edit->OnBeforeDialog = [](TObject*, std::wstring&, bool& go) { go = false; };
  f.Edit->DoClick();
  EXPECT_EQ(f.Picker, nullptr);

  TTempFolder temp;
  f.Edit->OnBeforeDialog = nullptr;
  f.Edit->OnAfterDialog = [&](TObject*, std::wstring& path, bool&) {
    f.Closed = true;
    path = temp.Path();
  };
  f.RunPicker({f.WhenShown([&] { PostClick(f.Picker->CancelButton().Handle()); })});
  EXPECT_EQ(f.Edit->Text(), temp.Path());
  EXPECT_EQ(f.Changes, 1);
}

TEST_P(FolderPicker, TextThatIsNoFolderOpensThePickerAtItsRoot) {
  TPickerFixture f(GetParam());
  f.Edit->SetRoot(L"rfMyComputer");
  f.Edit->SetText(L"C:\\no such folder here");
  bool rootSelected = false;
  f.RunPicker({f.WhenShown([&] {
    rootSelected = f.Tree().Items().Count() == 1 && f.Tree().Selected() == &f.Tree().Items()[0];
    PostKey(f.Tree().Handle(), VK_ESCAPE);
  })});
  EXPECT_TRUE(rootSelected);
  EXPECT_EQ(f.Edit->Text(), L"C:\\no such folder here");
}

// ---------------------------------------------------------------- dropped files

namespace {

HGLOBAL DropOf(const std::vector<std::wstring>& names) {
  size_t chars = 1;
  for (const std::wstring& name : names) chars += name.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  auto* text = reinterpret_cast<wchar_t*>(drop + 1);
  for (const std::wstring& name : names) {
    std::copy(name.begin(), name.end(), text);
    text += name.size() + 1;
  }
  GlobalUnlock(memory);
  return memory;
}

}  // namespace

TEST_P(FolderPicker, DroppedFilesFillTheTextAFileStandingForItsFolder) {
  TTempFolder temp;
  const std::wstring file = temp.File(L"照片.jpg");
  const std::wstring folderA = temp.Make(L"a");
  const std::wstring folderB = temp.Make(L"b");
  const std::wstring fileFolder = temp.Path() + L"\\";
  struct TCase {
    std::vector<std::wstring> Names;
    bool Multiple;
    std::wstring Before;
    std::wstring After;
  } cases[] = {
      {{file}, false, L"", fileFolder},
      {{folderA}, false, L"old", folderA},
      {{folderA, folderB}, false, L"", folderA},  // only the first without MultipleDirs
      {{folderA, file}, true, L"", folderA + L";" + fileFolder},
      {{folderB}, true, L"x", L"x;" + folderB},
      // A long name is taken whole: cut short it would name another folder.
      {{L"C:\\" + std::wstring(300, L'长')}, false, L"", L"C:\\" + std::wstring(300, L'长')},
  };
  TPickerFixture f(GetParam());
  f.Edit->SetAcceptFiles(true);
  int drops = 0;
  f.Edit->OnDropFiles = [&](TObject*) { ++drops; };
  for (const TCase& c : cases) {
    f.Edit->SetMultipleDirs(c.Multiple);
    f.Edit->SetText(c.Before);
    SendMessageW(f.Edit->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(c.Names)), 0);
    EXPECT_EQ(f.Edit->Text(), c.After) << WideToUtf8(c.Names[0]);
  }
  EXPECT_EQ(drops, 6);
}
