#include "framework/controls/graphic_control.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT && message.WParam) {
    PaintOnCanvas(FCanvas, reinterpret_cast<HDC>(message.WParam), Font(), Color(), [this] { Paint(); });
    return;
  }
  TControl::WndProc(message);
}

void TGraphicControl::Paint() {
  if (OnPaint) OnPaint(this);
}
