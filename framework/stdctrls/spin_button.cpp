#include "framework/stdctrls/spin_button.h"

#include <windowsx.h>

namespace {
constexpr UINT_PTR kRepeatTimer = 1;
}

TSpinButton::TSpinButton(TComponent* owner) : TWinControl(owner) {
  // Steps come from presses and the timer, not from clicks.
  ControlStyle() = TControlStyle{csOpaque};
  SetColor(clBtnFace);
  SetBounds(0, 0, 17, 21);
}

TSpinButtonPart TSpinButton::PartAt(int y) const {
  return y < Height() / 2 ? sbUp : sbDown;
}

RECT TSpinButton::PartRect(TSpinButtonPart part) const {
  const int half = Height() / 2;
  return part == sbUp ? RECT{0, 0, Width(), half} : RECT{0, half, Width(), Height()};
}

void TSpinButton::PaintWindow(HDC dc) {
  for (TSpinButtonPart part : {sbUp, sbDown}) {
    RECT rect = PartRect(part);
    UINT state = part == sbUp ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
    if (FPressed == part && FOverPressed) state |= DFCS_PUSHED;
    if (!Enabled()) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &rect, DFC_SCROLL, state);
  }
}

void TSpinButton::Step(TSpinButtonPart part) {
  const TNotifyEvent& event = part == sbUp ? OnUpClick : OnDownClick;
  if (event) event(this);
}

void TSpinButton::StartRepeat(UINT interval) {
  FRepeatInterval = interval;
  SetTimer(Handle(), kRepeatTimer, interval, nullptr);
}

void TSpinButton::StopRepeat() {
  if (FRepeatInterval && HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
  FRepeatInterval = 0;
}

void TSpinButton::Press(TSpinButtonPart part) {
  FPressed = part;
  FOverPressed = true;
  SetCapture(Handle());
  Invalidate();
  Step(part);
  StartRepeat(kFirstRepeatMs);
}

void TSpinButton::Release() {
  StopRepeat();
  if (FPressed == sbNone) return;
  FPressed = sbNone;
  if (GetCapture() == Handle()) ReleaseCapture();
  Invalidate();
}

void TSpinButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Enabled()) Press(PartAt(GET_Y_LPARAM(message.LParam)));
      return;
    case WM_MOUSEMOVE:
      if (FPressed != sbNone) {
        const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
        const RECT rect = PartRect(FPressed);
        const bool over = PtInRect(&rect, point) != FALSE;
        if (over != FOverPressed) {
          FOverPressed = over;
          Invalidate();
        }
      }
      break;
    case WM_LBUTTONUP:
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
      Release();
      break;
    case WM_TIMER:
      if (message.WParam != kRepeatTimer) break;
      if (FPressed == sbNone) {
        StopRepeat();
        return;
      }
      if (FRepeatInterval != kRepeatMs) StartRepeat(kRepeatMs);
      if (FOverPressed) Step(FPressed);
      return;
    case WM_ERASEBKGND:
      message.Result = 1;  // both halves cover the whole window
      return;
    case WM_DESTROY:
      StopRepeat();
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
