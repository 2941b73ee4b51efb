#pragma once
// TSpinEdit: an edit for a whole number with two arrow buttons inside its
// right edge. Value is read from the text: empty text gives 0, text that is
// not a whole number gives MinValue. MinValue = MaxValue = 0 means no limits.
// The arrows and the Up and Down keys step the value by Increment.

#include <functional>
#include <optional>

#include "framework/stdctrls/custom_edit.h"

class TSpinButton;

class TSpinEdit : public TCustomEdit {
 public:
  explicit TSpinEdit(TComponent* owner);
  std::wstring ClassName() const override { return L"TSpinEdit"; }

  int Value();
  virtual void SetValue(int value);
  int MinValue() const { return FMinValue; }
  void SetMinValue(int value) { FMinValue = value; }
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int value) { FMaxValue = value; }
  int Increment() const { return FIncrement; }
  void SetIncrement(int value) { FIncrement = value; }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool value) { FEditorEnabled = value; }
  // The ordinary arrow pair (std::bad_cast for a spin edit made with another).
  TSpinButton& Button();
  // The arrow control, whichever class it is.
  TWinControl& ArrowControl() { return *FButton; }

  // The value limited to MinValue..MaxValue (when there are limits).
  virtual int CheckValue(int value) const;
  virtual void UpClick();
  virtual void DownClick();

  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;

 protected:
  // For descendants with arrows of their own: makeArrows gives the arrow
  // control, made with this edit as its owner (the edit is not complete yet).
  TSpinEdit(TComponent* owner, const std::function<TWinControl*(TSpinEdit*)>& makeArrows);
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // Whether a typed character may go into the text.
  virtual bool IsValidChar(wchar_t key);
  // Places the arrows and stops the text before them.
  virtual void PlaceButton();

 private:
  int FMinValue = 0;
  int FMaxValue = 0;
  int FIncrement = 1;
  bool FEditorEnabled = true;
  TWinControl* FButton = nullptr;
};

// The whole number a text spells (optional sign, decimal digits, within the
// range of int), or nothing.
std::optional<int> ParseWholeNumber(const std::wstring& text);
