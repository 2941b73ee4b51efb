#include "framework/stdctrls/speed_button.h"

#include "framework/controls/win_control.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGlyphButton<TGraphicControl>(owner) {
  // The click comes from MouseUp, which knows about groups.
  ControlStyle() = TControlStyle{csCaptureMouse, csDoubleClicks};
  SetParentColor(true);
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetState(TButtonState state) {
  if (state == FState) return;
  FState = state;
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int index) {
  if (index == FGroupIndex) return;
  FGroupIndex = index;
  UpdateExclusive();
}

void TSpeedButton::SetDown(bool down) {
  if (FGroupIndex == 0) down = false;
  if (down == FDown) return;
  // The down button of a group stays down unless all may be up.
  if (FDown && !FAllowAllUp) return;
  FDown = down;
  if (Enabled()) SetState(down ? bsExclusive : bsUp);
  Invalidate();
  if (down) UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool allow) {
  if (allow == FAllowAllUp) return;
  FAllowAllUp = allow;
  UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (!other || other == this || other->FGroupIndex != FGroupIndex) continue;
    if (FDown && other->FDown) {
      other->FDown = false;
      other->SetState(bsUp);
    }
    other->FAllowAllUp = FAllowAllUp;
  }
}

void TSpeedButton::SetFlat(bool flat) {
  if (flat == FFlat) return;
  FFlat = flat;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool transparent) {
  if (transparent == FTransparent) return;
  FTransparent = transparent;
  Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGlyphButton<TGraphicControl>::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (!FDown) SetState(bsDown);
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGlyphButton<TGraphicControl>::MouseMove(shift, x, y);
  if (!FDragging) return;
  // Dragged off the button, it shows up (or stays down in its group).
  const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
  const TButtonState pressed = bsDown;
  const TButtonState resting = FDown ? bsExclusive : bsUp;
  SetState(inside ? (FDown ? resting : pressed) : resting);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGlyphButton<TGraphicControl>::MouseUp(button, shift, x, y);
  if (!FDragging || button != mbLeft) return;
  FDragging = false;
  const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
  if (FGroupIndex == 0) {
    SetState(bsUp);
    if (inside) Click();
    return;
  }
  if (inside) {
    SetDown(!FDown);
    if (FDown) SetState(bsExclusive);
    Click();
  } else {
    SetState(FDown ? bsExclusive : bsUp);
  }
}

void TSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (message.LParam == 0) {
        FMouseInControl = message.Msg == CM_MOUSEENTER;
        if (FFlat && Enabled()) Invalidate();
      }
      break;
    case CM_ENABLEDCHANGED:
      SetState(!Enabled() ? bsDisabled : (FDown ? bsExclusive : bsUp));
      Invalidate();
      break;
    case CM_TEXTCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  TGlyphButton<TGraphicControl>::WndProc(message);
}

void TSpeedButton::Paint() {
  RECT rect{0, 0, Width(), Height()};
  TCanvas& canvas = Canvas();
  const bool pressed = FState == bsDown || FState == bsExclusive;
  if (!FTransparent || !FFlat) {
    canvas.Brush().SetColor(FState == bsExclusive && !FFlat ? clBtnHighlight : Color());
    canvas.FillRect(rect);
  }
  if (!FFlat) {
    // The face is filled above: a button down in its group shows a lighter one.
    RECT frame = rect;
    DrawEdge(canvas.Handle(), &frame, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  } else if (pressed || (FMouseInControl && FState != bsDisabled)) {
    RECT frame = rect;
    DrawEdge(canvas.Handle(), &frame, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  InflateRect(&rect, -2, -2);
  DrawGlyphAndCaption(canvas, rect, FState);
  TGlyphButton<TGraphicControl>::Paint();
}
