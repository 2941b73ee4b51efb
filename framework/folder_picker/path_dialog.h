#pragma once
// TPathDialogForm: the modal folder picker. A tree of the shell's folders,
// optionally a column of buttons that jump to well-known roots, and OK,
// Cancel and Create. OK and Create are enabled exactly while the selection
// is an existing folder; Create makes "New folder<n>" in it and starts
// renaming it in place.
//
// The layout names its control classes through TPathDialogClasses, so a
// skinned set of classes takes the place of the ordinary one in one spot.

#include <functional>
#include <string>

#include "framework/folder_picker/root_folders.h"
#include "framework/forms/form.h"
#include "framework/forms/layout.h"

class TBitBtn;
class TCustomLabel;
class TScrollBox;
class TShellTreeView;
class TSpeedButton;

struct TPathDialogClasses {
  std::wstring Label = L"TLabel";
  std::wstring ShellTree = L"TShellTreeView";
  std::wstring ScrollBox = L"TScrollBox";
  std::wstring Button = L"TBitBtn";
  std::wstring RootButton = L"TSpeedButton";
  // A skinned set adds its settings (sections, a frame component) to the
  // layout before it is read, and to each root button as it is made.
  std::function<void(TLayout& layout)> Dress;
  std::function<void(TSpeedButton& button)> DressRootButton;
};

class TPathDialogForm : public TForm {
 public:
  static constexpr int kWidth = 350;
  static constexpr int kHeight = 420;
  static constexpr int kMinWidth = 275;
  static constexpr int kMinHeight = 250;
  static constexpr int kRootButtonHeight = 70;

  explicit TPathDialogForm(TComponent* owner, const TPathDialogClasses& classes = TPathDialogClasses());

  // The four root buttons (desktop, computer, documents, network) in a
  // column at the left; the form widens for them.
  void ShowRootButtons();
  // Tree to all sides, root column also to the bottom, OK and Cancel to the
  // bottom right, Create to the bottom left: after ShowRootButtons moved them.
  void AnchorControls();
  void SetCreateAllowed(bool allowed);
  void SetDialogText(const std::wstring& text);

  TShellTreeView& Tree() { return *FTree; }
  TBitBtn& OkButton() { return *FOk; }
  TBitBtn& CancelButton() { return *FCancel; }
  TBitBtn& CreateButton() { return *FCreate; }
  TScrollBox& RootBox() { return *FRootBox; }
  TCustomLabel& RootLabel() { return *FRootLabel; }

  // The button handlers, as the layout wires them.
  void OkClick();
  void CancelClick();
  void CreateClick();
  void SelectionChanged();

  void WndProc(TMessage& message) override;

 private:
  static TLayout Layout(const TPathDialogClasses& classes);
  void GenerateButtons();

  TPathDialogClasses FClasses;
  TShellTreeView* FTree = nullptr;
  TBitBtn* FOk = nullptr;
  TBitBtn* FCancel = nullptr;
  TBitBtn* FCreate = nullptr;
  TScrollBox* FRootBox = nullptr;
  TCustomLabel* FRootLabel = nullptr;
  TCustomLabel* FDialogText = nullptr;
};
