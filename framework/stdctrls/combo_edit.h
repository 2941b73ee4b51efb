#pragma once
// TCustomComboEdit: a single-line edit with a button inside its right edge.
// The button, or the ClickKey shortcut (Alt+Down), calls ButtonClick. The
// window is multi-line only so that the text can stop where the button
// begins; Enter and Escape still reach the form's default and cancel buttons
// and never put a line break into the text.

#include <functional>

#include "framework/stdctrls/mask_edit.h"
#include "framework/stdctrls/speed_button.h"

class TCustomComboEdit;

// The button of a combo edit: flat, arrow cursor, no caption.
class TEditButton : public TSpeedButton {
 public:
  static constexpr int kDefaultWidth = 22;
  explicit TEditButton(TCustomComboEdit* owner);
  std::wstring ClassName() const override { return L"TEditButton"; }
  void Click() override;

 private:
  TCustomComboEdit& FOwner;
};

// A shortcut value: a virtual key in the low byte plus these modifier bits.
constexpr int scShift = 0x2000;
constexpr int scCtrl = 0x4000;
constexpr int scAlt = 0x8000;
int ShortCutOf(WORD key, TShiftState shift);

class TCustomComboEdit;
// Makes a combo edit's button, with the edit (not complete yet) as its owner.
using TComboButtonFactory = std::function<TSpeedButton*(TCustomComboEdit*)>;

class TCustomComboEdit : public TCustomMaskEdit {
 public:
  static constexpr int kDefaultClickKey = scAlt | VK_DOWN;  // 32808

  explicit TCustomComboEdit(TComponent* owner);
  std::wstring ClassName() const override { return L"TCustomComboEdit"; }

  TSpeedButton& Button() { return *FButton; }
  bool ShowButton() const { return FShowButton; }
  void SetShowButton(bool value);
  int ClickKey() const { return FClickKey; }
  void SetClickKey(int shortCut) { FClickKey = shortCut; }
  // Read-only: no typing and no button. Without direct input the text can
  // still change through the button only.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  bool DirectInput() const { return FDirectInput; }
  void SetDirectInput(bool value);

  TNotifyEvent OnButtonClick;
  // What the button does; descendants open their dialog here.
  virtual void ButtonClick();
  // The button was clicked or ClickKey pressed: nothing when read-only.
  void DoClick();

  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;

 protected:
  // For descendants with a button of their own: makeButton gives it, made
  // with this edit as its owner (the edit is not complete yet); its click
  // calls DoClick.
  TCustomComboEdit(TComponent* owner, const TComboButtonFactory& makeButton);
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void UpdateEditRect();

 private:
  void UpdatePlatformReadOnly();
  int ButtonWidth() const { return FShowButton ? FButton->Width() : 0; }

  TSpeedButton* FButton = nullptr;
  bool FShowButton = true;
  int FClickKey = kDefaultClickKey;
  bool FReadOnly = false;
  bool FDirectInput = true;
};
