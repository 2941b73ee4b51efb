#pragma once
// TCustomMaskEdit/TMaskEdit: the edit base of the combo edits. It keeps an
// edit mask as a stored value; text is not filtered by it (no control of
// ours uses a mask).

#include "framework/stdctrls/custom_edit.h"

class TCustomMaskEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  std::wstring ClassName() const override { return L"TCustomMaskEdit"; }

  const std::wstring& EditMask() const { return FEditMask; }
  void SetEditMask(const std::wstring& mask) { FEditMask = mask; }
  // The text as shown; without a mask, the text itself.
  std::wstring EditText() { return Text(); }

 private:
  std::wstring FEditMask;
};

class TMaskEdit : public TCustomMaskEdit {
 public:
  using TCustomMaskEdit::TCustomMaskEdit;
  std::wstring ClassName() const override { return L"TMaskEdit"; }
};
