#pragma once
// The skinned spin edit. TsBaseSpinEdit is the edit with the skinned arrow
// pair (TsSpinButton), its keys, its alignment and its tab neighbours;
// TsSpinEdit adds the whole-number value with optional limits. The arrow
// pair is the same skinned or not, so stepping behaves alike either way:
// an arrow steps on release and repeats while held.
//
// Both derive from the framework's spin edit, whose value reading and
// wheel handling they keep; the edit skinning is TsEditSkin's, as for TsEdit.

#include "core/paint/disabled_look.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/spin_edit.h"
#include "skin/controls/edit_skin.h"
#include "skin/controls/label.h"
#include "skin/controls/spin_button.h"
#include "skin/core/common_data.h"

class TsBaseSpinEdit : public TSpinEdit, protected TsEditOwner {
 public:
  explicit TsBaseSpinEdit(TComponent* owner);
  std::wstring ClassName() const override { return L"TsBaseSpinEdit"; }

  TsCtrlSkinData SkinData;
  TsBoundLabel& BoundLabel() { return FBoundLabel; }
  TsSpinButton& Button() { return *FSpinButton; }
  TsEditSkin& Skin() { return FSkin; }
  zelvan::paint::TsDisabledKind DisabledKind() const { return FSkin.DisabledKind; }
  void SetDisabledKind(zelvan::paint::TsDisabledKind value);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  bool AllowNegative() const { return FAllowNegative; }
  void SetAllowNegative(bool value) { FAllowNegative = value; }
  bool ShowSpinButtons() const { return FShowSpinButtons; }
  void SetShowSpinButtons(bool value);
  TWinControl* NextTabControl() const { return FNextTabControl; }
  void SetNextTabControl(TWinControl* control) { FNextTabControl = control; }
  TWinControl* PrevTabControl() const { return FPrevTabControl; }
  void SetPrevTabControl(TWinControl* control) { FPrevTabControl = control; }
  // Called instead of stepping when assigned.
  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

  bool PrepareCache() { return FSkin.PrepareCache(); }
  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void PlaceButton() override;
  bool IsValidChar(wchar_t key) override;
  RECT SkinTextRect() override;
  UINT SkinTextFlags() override;
  std::wstring SkinText() override { return PasswordText(Text(), PasswordChar()); }
  bool PlatformPaints() override { return SkinData.IsHot(); }
  void PaintChildrenIntoCache(TBitmap& cache) override;
  void InheritedMessage(TMessage& message) override { TSpinEdit::WndProc(message); }

 private:
  int ButtonWidth() const;
  bool ArrowWindowShown() const;
  bool TabToNeighbour(bool backward);
  void ArrowsFollowSkin();

  TsSpinButton* FSpinButton = nullptr;
  TsBoundLabel FBoundLabel;
  TsEditSkin FSkin;
  TAlignment FAlignment = taLeftJustify;
  bool FAllowNegative = true;
  bool FShowSpinButtons = true;
  TWinControl* FNextTabControl = nullptr;
  TWinControl* FPrevTabControl = nullptr;
};

class TsSpinEdit : public TsBaseSpinEdit {
 public:
  explicit TsSpinEdit(TComponent* owner) : TsBaseSpinEdit(owner) {}
  std::wstring ClassName() const override { return L"TsSpinEdit"; }

  // A stored value is remembered while the form loads and shown once loaded.
  void SetValue(int value) override;
  int CheckValue(int value) const override;
  void UpClick() override;
  void DownClick() override;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 private:
  void Step(int direction);
  bool FValueStored = false;
  int FStoredValue = 0;
};
