#pragma once
// TFileDirEdit and TDirectoryEdit: a combo edit holding a folder path. Its
// button opens the folder picker at the edit's folder; a confirmed choice
// becomes the text, which raises OnChange as typing would. With AcceptFiles,
// files and folders dropped from the shell fill the text (a file stands for
// its folder).

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "framework/folder_picker/path_dialog.h"
#include "framework/folder_picker/root_folders.h"
#include "framework/stdctrls/combo_edit.h"
#include "framework/system/set.h"

// The handler may change the path and clear `action` to stop.
using TExecOpenDialogEvent = std::function<void(TObject* sender, std::wstring& name, bool& action)>;

class TFileDirEdit : public TCustomComboEdit {
 public:
  static constexpr int kMaxPathLength = 255;

  explicit TFileDirEdit(TComponent* owner);
  std::wstring ClassName() const override { return L"TFileDirEdit"; }

  bool AcceptFiles() const { return FAcceptFiles; }
  void SetAcceptFiles(bool value);

  TExecOpenDialogEvent OnBeforeDialog;
  TExecOpenDialogEvent OnAfterDialog;
  TNotifyEvent OnDropFiles;

  void WndProc(TMessage& message) override;

 protected:
  // With a button of the descendant's own (a skinned one).
  TFileDirEdit(TComponent* owner, const TComboButtonFactory& makeButton);
  void CreateWnd() override;
  // The names of one drop, in drop order.
  virtual void ReceiveDroppedNames(const std::vector<std::wstring>& names) = 0;

 private:
  void DropFiles(HDROP drop);
  bool FAcceptFiles = false;
};

enum TsDialogOption { sdAllowCreate, sdPerformCreate, sdPrompt };
using TsDialogOptions = TSet<TsDialogOption>;

class TDirectoryEdit : public TFileDirEdit {
 public:
  explicit TDirectoryEdit(TComponent* owner);
  std::wstring ClassName() const override { return L"TDirectoryEdit"; }

  const std::wstring& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::wstring& value) { FInitialDir = value; }
  TsDialogOptions DialogOptions() const { return FDialogOptions; }
  void SetDialogOptions(TsDialogOptions value) { FDialogOptions = value; }
  const std::wstring& DialogText() const { return FDialogText; }
  void SetDialogText(const std::wstring& value) { FDialogText = value; }
  bool MultipleDirs() const { return FMultipleDirs; }
  void SetMultipleDirs(bool value) { FMultipleDirs = value; }
  bool NoChangeDir() const { return FNoChangeDir; }
  void SetNoChangeDir(bool value) { FNoChangeDir = value; }
  const TacRoot& Root() const { return FRoot; }
  void SetRoot(const TacRoot& value) { FRoot = value; }
  bool ShowRootBtns() const { return FShowRootBtns; }
  void SetShowRootBtns(bool value) { FShowRootBtns = value; }

  // The classes the picker is built of: the ordinary ones; a skinned edit
  // answers its own set.
  static TPathDialogClasses& PickerClasses();
  virtual const TPathDialogClasses& DialogClasses() const { return PickerClasses(); }
  // Called with the picker before it runs (tests drive it from here).
  static std::function<void(TPathDialogForm& picker)>& OnPickerShowing();

  // Opens the picker; the chosen folder becomes the text.
  void ButtonClick() override;

 protected:
  TDirectoryEdit(TComponent* owner, const TComboButtonFactory& makeButton);
  void ReceiveDroppedNames(const std::vector<std::wstring>& names) override;

 private:
  std::wstring FInitialDir;
  TsDialogOptions FDialogOptions{sdAllowCreate, sdPerformCreate, sdPrompt};
  std::wstring FDialogText;
  bool FMultipleDirs = false;
  bool FNoChangeDir = false;
  TacRoot FRoot = L"rfDesktop";
  bool FShowRootBtns = false;
};

// The ordinary directory edit and shell tree, for stored layouts (once is enough).
void RegisterFolderPickerClasses();
