#pragma once
// TButton: the platform's push button. A click comes from the platform
// (mouse, Space) or from the form's Enter and Escape for the default and
// cancel buttons; a modal result set on the button closes its modal form.

#include "framework/controls/win_control.h"

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);
  std::wstring ClassName() const override { return L"TButton"; }

  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int value) { FModalResult = value; }

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  // The platform button style: push or default push; owner-drawn buttons differ.
  virtual DWORD ButtonStyle() const { return FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }
  bool TakesEnter();

 private:
  bool FDefault = false;
  bool FCancel = false;
  int FModalResult = 0;
};
