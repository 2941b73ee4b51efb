#pragma once
// TRadioButton: the platform's radio button. Checking one unchecks the other
// radio buttons of the same parent and fires OnClick; only the checked button
// of a group is a tab stop, so a group is one stop in the tab order.

#include "framework/controls/win_control.h"

class TRadioButton : public TWinControl {
 public:
  explicit TRadioButton(TComponent* owner);
  std::wstring ClassName() const override { return L"TRadioButton"; }

  bool Checked() const { return FChecked; }
  virtual void SetChecked(bool checked);

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  void UncheckSiblings();

  bool FChecked = false;
};
