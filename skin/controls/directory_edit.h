#pragma once
// TsDirectoryEdit: the directory edit with the skinned combo edit's look; its
// button shows the engine's folder glyph, and its picker is built of skinned
// controls inside a frame the skin draws (section "DIALOG").

#include "framework/folder_picker/directory_edit.h"
#include "skin/controls/combo_edit.h"

class TsDirectoryEdit : public TsComboEditOf<TDirectoryEdit> {
 public:
  // The folder picture of the engine's standard glyph list.
  static constexpr int kFolderGlyph = 1;

  explicit TsDirectoryEdit(TComponent* owner);
  std::wstring ClassName() const override { return L"TsDirectoryEdit"; }

  // The skinned picker's classes and settings.
  static TPathDialogClasses& PickerClasses();
  const TPathDialogClasses& DialogClasses() const override { return PickerClasses(); }
};
