#include "framework/stdctrls/group_box.h"

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
  ControlStyle() = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                 csDoubleClicks};
  SetParentColor(true);
  SetBounds(0, 0, 185, 105);
}

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClass(L"BUTTON");
  params.Style |= BS_GROUPBOX;
}

void TGroupBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCHITTEST:
      // The platform's group box is transparent to the mouse; ours is a container.
      message.Result = HTCLIENT;
      return;
    case WM_ERASEBKGND: {
      const RECT client = ClientRect();
      FillRect(reinterpret_cast<HDC>(message.WParam), &client, Brush().Handle());
      message.Result = 1;
      return;
    }
    default:
      break;
  }
  TWinControl::WndProc(message);
}
