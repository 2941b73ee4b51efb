#include "framework/folder_picker/directory_edit.h"

#include <shellapi.h>

#include <memory>

#include "framework/folder_picker/shell_tree_view.h"
#include "framework/application/application.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/stdctrls/label.h"
#include "framework/system/file_names.h"

namespace {

// The ordinary edit's small folder (the skinned edit shows the engine's glyph).
void DrawFolderGlyph(TBitmap& glyph) {
  glyph.SetSize(16, 16);
  TCanvas& canvas = glyph.Canvas();
  canvas.Brush().SetColor(clFuchsia);  // bottom-left pixel: transparent
  canvas.FillRect(RECT{0, 0, 16, 16});
  canvas.Brush().SetColor(RGB(0xE8, 0xB9, 0x3C));
  canvas.Pen().SetColor(RGB(0x8A, 0x62, 0x10));
  canvas.Rectangle(RECT{1, 3, 7, 6});
  canvas.Rectangle(RECT{1, 5, 15, 14});
}

}  // namespace

// ---------------------------------------------------------------- TFileDirEdit

TFileDirEdit::TFileDirEdit(TComponent* owner) : TCustomComboEdit(owner) { SetMaxLength(kMaxPathLength); }

TFileDirEdit::TFileDirEdit(TComponent* owner, const TComboButtonFactory& makeButton)
    : TCustomComboEdit(owner, makeButton) {
  SetMaxLength(kMaxPathLength);
}

void TFileDirEdit::CreateWnd() {
  TCustomComboEdit::CreateWnd();
  if (FAcceptFiles) DragAcceptFiles(Handle(), TRUE);
}

void TFileDirEdit::SetAcceptFiles(bool value) {
  if (value == FAcceptFiles) return;
  FAcceptFiles = value;
  if (HandleAllocated()) DragAcceptFiles(Handle(), value ? TRUE : FALSE);
}

void TFileDirEdit::DropFiles(HDROP drop) {
  // The drop is finished whatever the handlers do.
  struct TFinish {
    HDROP drop;
    ~TFinish() { DragFinish(drop); }
  } finish{drop};
  std::vector<std::wstring> names;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), length + 1));
    names.push_back(std::move(name));
  }
  ReceiveDroppedNames(names);
  if (OnDropFiles) OnDropFiles(this);
}

void TFileDirEdit::WndProc(TMessage& message) {
  if (message.Msg == WM_DROPFILES) {
    DropFiles(reinterpret_cast<HDROP>(message.WParam));
    message.Result = 0;
    return;
  }
  TCustomComboEdit::WndProc(message);
}

// ---------------------------------------------------------------- TDirectoryEdit

TDirectoryEdit::TDirectoryEdit(TComponent* owner) : TFileDirEdit(owner) { DrawFolderGlyph(Button().Glyph()); }

TDirectoryEdit::TDirectoryEdit(TComponent* owner, const TComboButtonFactory& makeButton)
    : TFileDirEdit(owner, makeButton) {}

TPathDialogClasses& TDirectoryEdit::PickerClasses() {
  static TPathDialogClasses classes;
  return classes;
}

std::function<void(TPathDialogForm&)>& TDirectoryEdit::OnPickerShowing() {
  static std::function<void(TPathDialogForm&)> hook;
  return hook;
}

void TDirectoryEdit::ButtonClick() {
  TFileDirEdit::ButtonClick();
  std::wstring path = Text();
  bool go = true;
  if (OnBeforeDialog) OnBeforeDialog(this, path, go);
  if (!go) return;
  if (path.empty()) path = FInitialDir;
  if (!DirectoryExists(path)) {
    path.clear();
  } else if (!FNoChangeDir) {
    SetCurrentDirectoryW(path.c_str());
  }
  {
    std::unique_ptr<TPathDialogForm> picker(new TPathDialogForm(Application, DialogClasses()));
    picker->SetCreateAllowed(FDialogOptions.Contains(sdAllowCreate));
    if (FShowRootBtns) {
      picker->ShowRootButtons();
    } else {
      picker->RootLabel().SetVisible(false);
    }
    picker->AnchorControls();
    picker->SetDialogText(FDialogText);
    picker->Tree().SetRoot(FRoot);
    if (DirectoryExists(path)) picker->Tree().SetPath(path);
    if (OnPickerShowing()) OnPickerShowing()(*picker);
    if (picker->ShowModal() == mrOk) {
      path = picker->Tree().Path();
      if (DirectoryExists(path)) FInitialDir = path;
    } else {
      path = Text();
    }
  }
  go = true;
  if (OnAfterDialog) OnAfterDialog(this, path, go);
  // An unchanged text raises no change event.
  if (go) SetText(path);
}

void TDirectoryEdit::ReceiveDroppedNames(const std::vector<std::wstring>& names) {
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0 && !FMultipleDirs) break;
    const std::wstring folder = FileExists(names[i]) ? ExtractFilePath(names[i]) : names[i];
    const std::wstring text = Text();
    SetText(FMultipleDirs && !text.empty() ? text + L';' + folder : folder);
  }
}
