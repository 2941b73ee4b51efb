#include "framework/stdctrls/radio_button.h"

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
  ControlStyle() = TControlStyle{csSetCaption, csDoubleClicks};
  SetParentColor(true);
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClass(L"BUTTON");
  params.Style |= BS_RADIOBUTTON;
}

void TRadioButton::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool checked) {
  if (checked == FChecked) return;
  FChecked = checked;
  SetTabStop(checked);
  if (HandleAllocated()) {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  if (!checked) return;
  UncheckSiblings();
  if (!ComponentState().Contains(csLoading)) Click();
}

void TRadioButton::UncheckSiblings() {
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
    if (sibling && sibling != this) sibling->SetChecked(false);
  }
}

void TRadioButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      // BN_DOUBLECLICKED too: a quick second click still checks.
      if (HIWORD(message.WParam) == BN_CLICKED || HIWORD(message.WParam) == BN_DOUBLECLICKED) {
        SetChecked(true);
        return;
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
