#pragma once
// TsCustomComboEdit: the framework's combo edit (an edit with a button at its
// right edge) drawn by the skin as TsMaskEdit is, its button a skinned speed
// button (TsEditButton) showing the glyph its TsGlyphMode chooses, and an
// optional popup window that the button opens below or above the edit.
// The directory edit builds on it.

#include "core/paint/disabled_look.h"
#include "framework/stdctrls/combo_edit.h"
#include "skin/controls/edit_skin.h"
#include "skin/controls/label.h"
#include "skin/controls/speed_button.h"
#include "skin/core/common_data.h"
#include "skin/image/glyph_mode.h"

class TsCustomComboEdit;

// The combo edit's button.
class TsEditButton : public TsSpeedButton, public TacGlyphModeButton {
 public:
  explicit TsEditButton(TsCustomComboEdit* owner);
  std::wstring ClassName() const override { return L"TsEditButton"; }
  void Click() override;

  // TacGlyphModeButton
  TControl& ButtonControl() override { return *this; }
  int Blend() const override { return TsSpeedButton::Blend(); }
  void SetBlend(int value) override { TsSpeedButton::SetBlend(value); }
  bool Grayed() const override { return TsSpeedButton::Grayed(); }
  void SetGrayed(bool value) override { TsSpeedButton::SetGrayed(value); }
  std::wstring Hint() const override { return FHint; }
  void SetHint(const std::wstring& value) override { FHint = value; }
  void SetNumGlyphs(int count) override { TsSpeedButton::SetNumGlyphs(count); }

  void WndProc(TMessage& message) override;

 private:
  // The glyph mode's list and index for the state about to be shown.
  void TakeGlyph(int state);

  TsCustomComboEdit& FOwner;
  std::wstring FHint;
};

enum TPopupWindowAlign { pwaRight, pwaLeft };

class TsCustomComboEdit : public TCustomComboEdit, protected TsEditOwner {
 public:
  static constexpr int kDefaultPopupWidth = 197;
  static constexpr int kDefaultPopupHeight = 166;

  explicit TsCustomComboEdit(TComponent* owner);
  ~TsCustomComboEdit() override;
  std::wstring ClassName() const override { return L"TsCustomComboEdit"; }

  TsCtrlSkinData SkinData;
  TsBoundLabel& BoundLabel() { return FBoundLabel; }
  TsEditButton& EditButton() { return *FEditButton; }
  TsGlyphMode& GlyphMode() { return FGlyphMode; }
  TsEditSkin& Skin() { return FSkin; }
  zelvan::paint::TsDisabledKind DisabledKind() const { return FSkin.DisabledKind; }
  void SetDisabledKind(zelvan::paint::TsDisabledKind value);
  TPopupWindowAlign PopupWindowAlign() const { return FPopupWindowAlign; }
  void SetPopupWindowAlign(TPopupWindowAlign value) { FPopupWindowAlign = value; }
  int PopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(int value) { FPopupWidth = value; }
  int PopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(int value) { FPopupHeight = value; }
  // The popup the button opens; it belongs to the descendant that gives it.
  TWinControl* PopupWindow() const { return FPopupWindow; }
  void SetPopupWindow(TWinControl* popup) { FPopupWindow = popup; }
  // The engine's built-in glyph shown when the glyph mode has none (-1: none).
  int DefBmpID() const { return FDefBmpID; }
  void SetDefBmpID(int value);

  bool PopupShowing() const;
  void ShowPopup();
  void ClosePopup();
  // The click, then the popup opened or closed.
  void ButtonClick() override;
  // The edit's own hot state, or its button's.
  bool IsHot() const;

  bool PrepareCache() { return FSkin.PrepareCache(); }
  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void Change() override;
  RECT SkinTextRect() override;
  UINT SkinTextFlags() override;
  std::wstring SkinText() override { return PasswordText(EditText(), PasswordChar()); }
  bool PlatformPaints() override { return Focused(); }
  void InheritedMessage(TMessage& message) override { TCustomComboEdit::WndProc(message); }

 private:
  int ShownButtonWidth() const;

  TsEditButton* FEditButton = nullptr;
  TsBoundLabel FBoundLabel;
  TsEditSkin FSkin;
  TsGlyphMode FGlyphMode;
  TPopupWindowAlign FPopupWindowAlign = pwaRight;
  int FPopupWidth = kDefaultPopupWidth;
  int FPopupHeight = kDefaultPopupHeight;
  TWinControl* FPopupWindow = nullptr;
  int FDefBmpID = -1;
};
