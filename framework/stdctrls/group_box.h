#pragma once
// TGroupBox: the platform's group box frame with a caption, holding child
// controls (radio buttons in it form their own group).

#include "framework/controls/win_control.h"

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner);
  std::wstring ClassName() const override { return L"TGroupBox"; }
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
};
