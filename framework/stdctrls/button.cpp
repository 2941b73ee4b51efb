#include "framework/stdctrls/button.h"

#include "framework/forms/custom_form.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  // Clicks come from the platform (BN_CLICKED), not from the mouse handling.
  ControlStyle() = TControlStyle{csSetCaption, csDoubleClicks};
  SetColor(clBtnFace);
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClass(L"BUTTON");
  params.Style |= ButtonStyle();
}

void TButton::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  if (HandleAllocated()) {
    SendMessageW(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
  }
}

void TButton::Click() {
  if (FModalResult != 0) {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  }
  TWinControl::Click();
}

bool TButton::TakesEnter() {
  // The focused button takes Enter; the default one when no button has the focus.
  if (Focused()) return true;
  return FDefault && !dynamic_cast<TButton*>(FindControl(GetFocus()));
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) return Click();
      break;
    case CM_DIALOGKEY:
      if ((message.WParam == VK_RETURN && TakesEnter()) ||
          (message.WParam == VK_ESCAPE && FCancel)) {
        if (Enabled() && Visible()) {
          Click();
          message.Result = 1;
          return;
        }
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
