#pragma once
// TsCustomComboEdit: the framework's combo edit (an edit with a button at its
// right edge) drawn by the skin as TsMaskEdit is, its button a skinned speed
// button (TsEditButton) showing the glyph its TsGlyphMode chooses, and an
// optional popup window that the button opens below or above the edit.
// The skinned directory edit is the same mix-in over the ordinary one.

#include "core/paint/disabled_look.h"
#include "framework/stdctrls/combo_edit.h"
#include "skin/controls/edit_skin.h"
#include "skin/controls/label.h"
#include "skin/controls/speed_button.h"
#include "skin/core/common_data.h"
#include "skin/image/glyph_mode.h"

// What the button asks of its skinned edit.
class TsComboEditParts {
 public:
  virtual ~TsComboEditParts() = default;
  virtual TsGlyphMode& GlyphMode() = 0;
  // The engine's built-in glyph shown when the glyph mode has none (-1: none).
  virtual int DefBmpID() const = 0;
};

// The combo edit's button.
class TsEditButton : public TsSpeedButton, public TacGlyphModeButton {
 public:
  TsEditButton(TCustomComboEdit* edit, TsComboEditParts& parts);
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
  // Without a skin: the glyph in use, as the ordinary button's bitmap.
  void TakeOrdinaryGlyph();

  TCustomComboEdit& FEdit;
  TsComboEditParts& FParts;
  std::wstring FHint;
  // The glyph bitmap holds picture FOrdinaryIndex of FOrdinaryList over FOrdinaryBehind.
  TImageList* FOrdinaryList = nullptr;
  int FOrdinaryIndex = -1;
  TColor FOrdinaryBehind = 0;
};

enum TPopupWindowAlign { pwaRight, pwaLeft };

// The skin's look over any combo edit of the framework (the plain one, the
// directory edit): one mix-in, so the skinned classes keep the behaviour of
// the ordinary ones they stand for.
template <class ComboEdit>
class TsComboEditOf : public ComboEdit, public TsComboEditParts, protected TsEditOwner {
 public:
  static constexpr int kDefaultPopupWidth = 197;
  static constexpr int kDefaultPopupHeight = 166;

  explicit TsComboEditOf(TComponent* owner);
  ~TsComboEditOf() override;

  TsCtrlSkinData SkinData;
  TsBoundLabel& BoundLabel() { return FBoundLabel; }
  TsEditButton& EditButton() { return *FEditButton; }
  TsGlyphMode& GlyphMode() override { return FGlyphMode; }
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
  int DefBmpID() const override { return FDefBmpID; }
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
  std::wstring SkinText() override { return PasswordText(this->EditText(), this->PasswordChar()); }
  bool PlatformPaints() override { return this->Focused(); }
  void InheritedMessage(TMessage& message) override { ComboEdit::WndProc(message); }

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

class TsCustomComboEdit : public TsComboEditOf<TCustomComboEdit> {
 public:
  using TsComboEditOf::TsComboEditOf;
  std::wstring ClassName() const override { return L"TsCustomComboEdit"; }
};
