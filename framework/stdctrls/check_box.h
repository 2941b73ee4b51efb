#pragma once
// TCheckBox: the platform's check box. The checked state is kept by the
// control (the platform only shows it); a change of state fires OnClick,
// whether the user or the code made it.

#include "framework/controls/win_control.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TWinControl {
 public:
  explicit TCheckBox(TComponent* owner);
  std::wstring ClassName() const override { return L"TCheckBox"; }

  bool Checked() const { return FState == cbChecked; }
  void SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState state);
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool allow) { FAllowGrayed = allow; }

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // The next state of a click: unchecked, checked, then grayed when allowed.
  void Toggle();

 private:
  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
};
