#pragma once
// TCustomEdit: the platform's single-line edit. OnChange fires exactly once
// for every real change of the text, whether typed or set by code, and not
// for setting the text it already has, nor while the form is loading.

#include "framework/controls/win_control.h"

enum TBorderStyle { bsNoBorder, bsSingleBorder };

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  std::wstring ClassName() const override { return L"TCustomEdit"; }

  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int length);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool readOnly);
  wchar_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(wchar_t passwordChar);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle style);
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }
  int SelStart();
  void SetSelStart(int start);
  int SelLength();
  void SetSelLength(int length);
  void SelectAll();

  TNotifyEvent OnChange;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void Change();

 private:
  // Fires Change when the text differs from the one last announced.
  void NoteTextChange();

  int FMaxLength = 0;
  bool FReadOnly = false;
  wchar_t FPasswordChar = 0;
  TBorderStyle FBorderStyle = bsSingleBorder;
  bool FAutoSelect = true;
  std::wstring FAnnouncedText;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  std::wstring ClassName() const override { return L"TEdit"; }
};
