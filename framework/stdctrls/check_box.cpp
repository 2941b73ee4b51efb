#include "framework/stdctrls/check_box.h"

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  ControlStyle() = TControlStyle{csSetCaption, csDoubleClicks};
  SetParentColor(true);
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClass(L"BUTTON");
  params.Style |= BS_3STATE;
}

void TCheckBox::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(FState), 0);
}

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == FState) return;
  FState = state;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state), 0);
  if (!ComponentState().Contains(csLoading)) Click();
}

void TCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: SetState(cbChecked); break;
    case cbChecked: SetState(FAllowGrayed ? cbGrayed : cbUnchecked); break;
    case cbGrayed: SetState(cbUnchecked); break;
  }
}

void TCheckBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) return Toggle();
  TWinControl::WndProc(message);
}
