// Opens the folder picker of a directory edit at the computer level, with the
// root buttons when the arguments hold "roots", the skinned edit and picker in
// the skin Air when they hold "air", and closes it after a few seconds, to
// look at it in a screenshot.
#include <windows.h>

#include <string>

#include "framework/folder_picker/directory_edit.h"
#include "framework/application/application.h"
#include "framework/forms/form.h"
#include "framework/utils/timer.h"
#include "skin/controls/directory_edit.h"
#include "skin/store/skin_manager.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  Application->Initialize();
  RegisterFolderPickerClasses();
  const std::wstring arguments = commandLine;
  const bool air = arguments.find(L"air") != std::wstring::npos;
  TsSkinManager manager(nullptr);
  if (air) {
    manager.SetSkinDirectory(ZELVAN_SKINS);
    manager.SetSkinName(L"Air");
  }
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetCaption(L"folder picker");
  form->SetClientWidth(400);
  form->SetClientHeight(60);
  TDirectoryEdit* edit = air ? new TsDirectoryEdit(form) : new TDirectoryEdit(form);
  edit->SetBounds(10, 10, 360, 21);
  edit->SetParent(form);
  edit->SetRoot(L"rfMyComputer");
  edit->SetText(L"C:\\windows");
  edit->SetShowRootBtns(arguments.find(L"roots") != std::wstring::npos);
  TDirectoryEdit::OnPickerShowing() = [](TPathDialogForm& picker) {
    auto* close = new TTimer(&picker);
    close->SetInterval(6000);
    close->OnTimer = [&picker](TObject*) { picker.SetModalResult(mrCancel); };
  };
  auto* open = new TTimer(form);
  open->SetInterval(300);
  open->OnTimer = [edit, open, form](TObject*) {
    open->SetEnabled(false);
    edit->DoClick();
    form->Close();
  };
  Application->Run();
  return 0;
}
