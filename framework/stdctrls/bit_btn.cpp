#include "framework/stdctrls/bit_btn.h"

#include "framework/forms/custom_form.h"
#include "framework/graphics/canvas.h"

TBitBtn::TBitBtn(TComponent* owner) : TGlyphButton<TButton>(owner) {}

void TBitBtn::SetKind(TBitBtnKind kind) {
  FKind = kind;
  if (kind == bkOK) {
    SetCaption(L"OK");
    SetDefault(true);
    SetModalResult(mrOk);
  } else if (kind == bkCancel) {
    SetCaption(L"Cancel");
    SetCancel(true);
    SetModalResult(mrCancel);
  }
  Invalidate();
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  RECT rect = item.rcItem;
  HDC dc = item.hDC;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  // The default (or focused) button carries the dark outer frame.
  if (Default() || focused) {
    FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&rect, -1, -1);
  }
  DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_FLAT : 0));
  if (pressed) FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
  InflateRect(&rect, -2, -2);
  TCanvas canvas;
  PaintOnCanvas(canvas, dc, Font(), Color(), [&] {
    DrawGlyphAndCaption(canvas, rect, disabled ? bsDisabled : (pressed ? bsDown : bsUp));
  });
  if (focused) {
    InflateRect(&rect, -1, -1);
    DrawFocusRect(dc, &rect);
  }
}

void TBitBtn::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
      message.Result = TRUE;
      return;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button takes a quick second click as a double click: make it a press.
      message.Msg = WM_LBUTTONDOWN;
      break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  TGlyphButton<TButton>::WndProc(message);
}
