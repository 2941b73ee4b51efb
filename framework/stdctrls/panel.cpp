#include "framework/stdctrls/panel.h"

#include "framework/graphics/canvas.h"

namespace {

void DrawBevel(HDC dc, RECT& rect, TBevelCut cut) {
  if (cut == bvNone || cut == bvSpace) return;
  DrawEdge(dc, &rect, cut == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
}

}  // namespace

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  ControlStyle() = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                 csOpaque, csDoubleClicks};
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelInner(TBevelCut cut) {
  if (cut == FBevelInner) return;
  FBevelInner = cut;
  Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut cut) {
  if (cut == FBevelOuter) return;
  FBevelOuter = cut;
  Invalidate();
}

void TPanel::SetShowCaption(bool show) {
  if (show == FShowCaption) return;
  FShowCaption = show;
  Invalidate();
}

void TPanel::PaintWindow(HDC dc) {
  RECT rect = ClientRect();
  FillRect(dc, &rect, Brush().Handle());
  DrawBevel(dc, rect, FBevelOuter);
  DrawBevel(dc, rect, FBevelInner);
  if (!FShowCaption) return;
  TCanvas canvas;
  PaintOnCanvas(canvas, dc, Font(), Color(), [&] {
    canvas.Brush().SetStyle(bsClear);
    canvas.TextRect(rect, Text(), DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
  });
}

void TPanel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;  // PaintWindow fills the whole client area
      return;
    case CM_TEXTCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
