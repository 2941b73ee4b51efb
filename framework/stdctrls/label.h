#pragma once
// TLabel: a windowless text. Auto size fits the control to its text; the
// alignment and layout place the text; an "&" marks an accelerator that
// focuses FocusControl.

#include "framework/controls/graphic_control.h"

class TWinControl;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* owner);
  std::wstring ClassName() const override { return L"TCustomLabel"; }

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* control);

  void WndProc(TMessage& message) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void Paint() override;
  // DrawTextW flags of the label's text (alignment, wrapping, prefix).
  UINT DrawTextFlags() const;
  // Draws the text into rect with the canvas's font (DT_CALCRECT measures).
  virtual void DoDrawText(RECT& rect, UINT flags);
  void AdjustBounds();

 private:
  bool FAutoSize = true;
  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FTransparent = false;
  bool FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
  std::wstring ClassName() const override { return L"TLabel"; }
};

// The character after a single "&" in text, upper-cased, or 0.
wchar_t AccelCharOf(const std::wstring& text);
