#include "framework/folder_picker/path_dialog.h"

#include "framework/folder_picker/directory_edit.h"
#include "framework/folder_picker/picker_strings.h"
#include "framework/folder_picker/shell_item.h"
#include "framework/folder_picker/shell_tree_view.h"
#include "framework/application/application.h"
#include "framework/forms/class_registry.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/stdctrls/bit_btn.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/scroll_box.h"
#include "framework/stdctrls/speed_button.h"
#include "framework/system/exception.h"
#include "framework/system/file_names.h"

namespace {

constexpr TacRootFolder kRootButtons[] = {rfDesktop, rfMyComputer, rfPersonal, rfNetwork};
constexpr int kIconSize = 32;

TComponentRecord Record(const std::wstring& className, const std::wstring& name, TPropertyList properties) {
  return TComponentRecord{className, name, L"", std::move(properties)};
}

TPropertyList Bounds(int left, int top, int width, int height) {
  return {{L"Left", int64_t{left}}, {L"Top", int64_t{top}}, {L"Width", int64_t{width}}, {L"Height", int64_t{height}}};
}

TPropertyList With(TPropertyList list, const TPropertyList& more) {
  list.insert(list.end(), more.begin(), more.end());
  return list;
}

template <typename T>
T* Child(TComponent& owner, const wchar_t* name) {
  return dynamic_cast<T*>(owner.FindComponent(name));
}

}  // namespace

TLayout TPathDialogForm::Layout(const TPathDialogClasses& classes) {
  TLayout layout{L"TPathDialogForm", L"PathDialogForm",
                 {{L"Caption", PickerText(psSelectDirectory)},
                  {L"Width", int64_t{kWidth}},
                  {L"Height", int64_t{kHeight}},
                  {L"BorderStyle", TIdent{L"bsSizeable"}},
                  {L"BorderIcons", TSetValue{{L"biSystemMenu"}}},
                  {L"Position", TIdent{L"poScreenCenter"}}},
                 {}};
  auto& c = layout.Components;
  c.push_back(Record(classes.Label, L"sLabel1",
                     {{L"Left", int64_t{8}}, {L"Top", int64_t{3}}, {L"Caption", PickerText(psRoot)}, {L"Visible", false}}));
  c.push_back(Record(classes.Label, L"sTreeLabel", {{L"Left", int64_t{12}}, {L"Top", int64_t{3}}, {L"Visible", false}}));
  c.push_back(Record(classes.ShellTree, L"sShellTreeView1",
                     With(Bounds(8, 20, 321, 319), {{L"ShowRoot", false},
                                                    {L"Indent", int64_t{19}},
                                                    {L"TabOrder", int64_t{0}},
                                                    {L"OnChange", TIdent{L"sShellTreeView1Change"}}})));
  c.push_back(Record(classes.ScrollBox, L"sScrollBox1", With(Bounds(8, 20, 101, 318), {{L"Visible", false}})));
  c.push_back(Record(classes.Button, L"sBitBtn1",
                     With(Bounds(173, 344, 75, 25), {{L"Caption", PickerText(psOk)},
                                                     {L"Default", true},
                                                     {L"OnClick", TIdent{L"sBitBtn1Click"}}})));
  c.push_back(Record(classes.Button, L"sBitBtn2",
                     With(Bounds(250, 344, 75, 25), {{L"Caption", PickerText(psCancel)},
                                                     {L"Cancel", true},
                                                     {L"OnClick", TIdent{L"sBitBtn2Click"}}})));
  c.push_back(Record(classes.Button, L"sBitBtn3",
                     With(Bounds(12, 344, 75, 25), {{L"Caption", PickerText(psCreate)},
                                                    {L"Enabled", false},
                                                    {L"OnClick", TIdent{L"sBitBtn3Click"}}})));
  return layout;
}

TPathDialogForm::TPathDialogForm(TComponent* owner, const TPathDialogClasses& classes)
    : TForm(owner, L"TPathDialogForm"), FClasses(classes) {
  RegisterFolderPickerClasses();
  PublishMethod(L"sBitBtn1Click", TNotifyEvent([this](TObject*) { OkClick(); }));
  PublishMethod(L"sBitBtn2Click", TNotifyEvent([this](TObject*) { CancelClick(); }));
  PublishMethod(L"sBitBtn3Click", TNotifyEvent([this](TObject*) { CreateClick(); }));
  PublishMethod(L"sShellTreeView1Change", TTVChangedEvent([this](TObject*, TTreeNode*) { SelectionChanged(); }));
  TLayout layout = Layout(classes);
  if (classes.Dress) classes.Dress(layout);
  ReadLayout(layout);
  FTree = Child<TShellTreeView>(*this, L"sShellTreeView1");
  FOk = Child<TBitBtn>(*this, L"sBitBtn1");
  FCancel = Child<TBitBtn>(*this, L"sBitBtn2");
  FCreate = Child<TBitBtn>(*this, L"sBitBtn3");
  FRootBox = Child<TScrollBox>(*this, L"sScrollBox1");
  FRootLabel = Child<TCustomLabel>(*this, L"sLabel1");
  FDialogText = Child<TCustomLabel>(*this, L"sTreeLabel");
  if (!FTree || !FOk || !FCancel || !FCreate || !FRootBox || !FRootLabel || !FDialogText) {
    throw Exception(L"The folder picker's layout names a class of another kind");
  }
}

void TPathDialogForm::SetCreateAllowed(bool allowed) { FCreate->SetVisible(allowed); }

void TPathDialogForm::SetDialogText(const std::wstring& text) {
  FDialogText->SetCaption(text);
  FDialogText->SetLeft(FTree->Left() + 4);
  FDialogText->SetVisible(!text.empty());
}

void TPathDialogForm::ShowRootButtons() {
  FRootBox->SetVisible(true);
  FRootLabel->SetVisible(true);
  const int shift = FRootBox->Width() + 4;
  FTree->SetLeft(FTree->Left() + shift);
  FOk->SetLeft(FOk->Left() + shift);
  FCancel->SetLeft(FCancel->Left() + shift);
  SetWidth(Width() + FRootBox->Width() + GetSystemMetrics(SM_CXSIZEFRAME) + 4);
  GenerateButtons();
}

void TPathDialogForm::AnchorControls() {
  FTree->SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
  FRootBox->SetAnchors(TAnchors{akLeft, akTop, akBottom});
  FOk->SetAnchors(TAnchors{akRight, akBottom});
  FCancel->SetAnchors(TAnchors{akRight, akBottom});
  FCreate->SetAnchors(TAnchors{akLeft, akBottom});
}

void TPathDialogForm::GenerateButtons() {
  FRootBox->SetColor(clAppWorkSpace);
  // The buttons fill the box's client width, which its window knows.
  FRootBox->HandleNeeded();
  const int buttonWidth = FRootBox->ClientWidth();
  const HIMAGELIST largeIcons = SystemImageList(true);
  for (size_t i = 0; i < std::size(kRootButtons); ++i) {
    const TacRootFolder root = kRootButtons[i];
    auto* button = dynamic_cast<TSpeedButton*>(TClassRegistry::Instance().Create(FClasses.RootButton, this));
    if (!button) throw Exception(L"The root buttons' class is not a speed button");
    button->SetParent(FRootBox);
    button->SetBounds(0, static_cast<int>(i) * kRootButtonHeight, buttonWidth, kRootButtonHeight);
    button->SetAnchors(TAnchors{akLeft, akTop, akRight});
    button->SetFlat(true);
    button->SetLayout(blGlyphTop);
    button->SetTag(RootFolderCsidl(root));
    if (FClasses.DressRootButton) FClasses.DressRootButton(*button);
    try {
      const TShellItem item = TShellItem::SpecialFolder(RootFolderCsidl(root));
      button->SetCaption(item.DisplayName());
      const int icon = item.IconIndex(false, true);
      if (largeIcons && icon >= 0) {
        TBitmap& glyph = button->Glyph();
        glyph.SetSize(kIconSize, kIconSize);
        // Drawn over the box's own colour, so the icon's soft edges blend into
        // it; that colour (the bottom-left pixel) is also the transparent one.
        glyph.Canvas().Brush().SetColor(ColorToRGB(clAppWorkSpace));
        glyph.Canvas().FillRect(RECT{0, 0, kIconSize, kIconSize});
        ImageList_Draw(largeIcons, icon, glyph.Canvas().Handle(), 0, 0, ILD_TRANSPARENT);
      }
    } catch (const Exception&) {
      // A root this system lacks keeps its button without a name or picture.
    }
    button->OnClick = [this](TObject* sender) {
      const auto named = RootFolderByCsidl(static_cast<int>(static_cast<TComponent*>(sender)->Tag()));
      if (named) FTree->SetRoot(RootFolderName(*named));
    };
  }
}

void TPathDialogForm::SelectionChanged() {
  const bool exists = DirectoryExists(FTree->Path());
  FOk->SetEnabled(exists);
  FCreate->SetEnabled(exists);
}

void TPathDialogForm::OkClick() {
  if (FTree->IsEditing()) {
    FTree->EndEditing(false);
    FTree->SetFocus();
    return;
  }
  SetModalResult(mrOk);
}

void TPathDialogForm::CancelClick() {
  if (FTree->IsEditing()) return;
  SetModalResult(mrCancel);
}

void TPathDialogForm::CreateClick() {
  TTreeNode* selected = FTree->Selected();
  const std::wstring parent = IncludeTrailingBackslash(FTree->Path());
  if (!selected || parent.empty()) return;
  std::wstring name;
  for (unsigned n = 1;; ++n) {
    name = parent + PickerText(psNewFolder) + std::to_wstring(n);
    // A file of that name would make the folder impossible: it is passed over too.
    if (!DirectoryExists(name) && !FileExists(name)) break;
  }
  CreateDirectoryW(name.c_str(), nullptr);
  if (!DirectoryExists(name)) {
    Application->MessageBox(L"Directory " + name + L" can`t be created!", Caption(), MB_OK | MB_ICONERROR);
    return;
  }
  FTree->RefreshNode(*selected);
  TTreeNode* created = nullptr;
  for (int i = 0; i < selected->Count() && !created; ++i) {
    if (SameFileName(FTree->FolderOf(&selected->Item(i)), name)) created = &selected->Item(i);
  }
  if (!created) {
    FTree->SetPath(name);
    return;
  }
  created->SetSelected(true);
  created->MakeVisible();
  FTree->SetFocus();
  created->Expand();
  created->EditText();
}

void TPathDialogForm::WndProc(TMessage& message) {
  if (message.Msg == WM_GETMINMAXINFO) {
    TForm::WndProc(message);
    auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
    info->ptMinTrackSize.x = kMinWidth;
    info->ptMinTrackSize.y = kMinHeight;
    return;
  }
  TForm::WndProc(message);
}
