// The folder picker's classes and published properties, as layouts name them.
#include "framework/folder_picker/directory_edit.h"
#include "framework/folder_picker/shell_tree_view.h"
#include "framework/forms/class_registry.h"
#include "framework/forms/property_binding.h"

void RegisterFolderPickerClasses() {
  TClassRegistry& registry = TClassRegistry::Instance();
  if (registry.IsRegistered(L"TDirectoryEdit")) return;
  const TIdentTable<TsDialogOption> options{
      {L"sdAllowCreate", sdAllowCreate}, {L"sdPerformCreate", sdPerformCreate}, {L"sdPrompt", sdPrompt}};
  registry.AbstractClass(L"TFileDirEdit", L"TCustomComboEdit")
      .Property(L"AcceptFiles", BoolProperty(&TFileDirEdit::SetAcceptFiles))
      .Property(L"OnBeforeDialog", EventProperty(&TFileDirEdit::OnBeforeDialog))
      .Property(L"OnAfterDialog", EventProperty(&TFileDirEdit::OnAfterDialog))
      .Property(L"OnDropFiles", EventProperty(&TFileDirEdit::OnDropFiles));
  registry.Class<TDirectoryEdit>(L"TDirectoryEdit", L"TFileDirEdit")
      .Property(L"InitialDir", StringProperty(&TDirectoryEdit::SetInitialDir))
      .Property(L"DialogOptions", SetProperty(&TDirectoryEdit::SetDialogOptions, options))
      .Property(L"DialogText", StringProperty(&TDirectoryEdit::SetDialogText))
      .Property(L"MultipleDirs", BoolProperty(&TDirectoryEdit::SetMultipleDirs))
      .Property(L"NoChangeDir", BoolProperty(&TDirectoryEdit::SetNoChangeDir))
      .Property(L"Root", StringProperty(&TDirectoryEdit::SetRoot))
      .Property(L"ShowRootBtns", BoolProperty(&TDirectoryEdit::SetShowRootBtns));
  registry.Class<TShellTreeView>(L"TShellTreeView", L"TTreeView");
}
