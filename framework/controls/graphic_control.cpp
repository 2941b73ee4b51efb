#include "framework/controls/graphic_control.h"

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == WM_PAINT && message.WParam) {
    FCanvas.SetHandle(reinterpret_cast<HDC>(message.WParam));
    struct Detach {
      TCanvas& canvas;
      ~Detach() { canvas.SetHandle(nullptr); }
    } detach{FCanvas};
    FCanvas.Font().Assign(Font());
    FCanvas.Brush().SetColor(Color());
    Paint();
    return;
  }
  TControl::WndProc(message);
}

void TGraphicControl::Paint() {
  if (OnPaint) OnPaint(this);
}
