#include "skin/controls/spin_button.h"

#include <algorithm>

#include "core/controls/spin_arrow.h"
#include "framework/graphics/canvas.h"
#include "skin/controls/edit_skin.h"
#include "skin/core/skin_messages.h"
#include "skin/store/skin_manager.h"

// ---------------------------------------------------------------- TsTimerSpeedButton

TsTimerSpeedButton::TsTimerSpeedButton(TComponent* owner) : TsSpeedButton(owner) {
  SkinData.SetSkinSection("SPEEDBUTTON_SMALL");
  SetNumGlyphs(1);
  SetFlat(false);
  SetTransparent(true);
  TimeBtnState.Include(tbAllowTimer);
  // The drawn arrow goes over the finished face.
  OnPaint = [this](TObject*, TBitmap& cache) {
    if (Glyph().Width() == 0) DrawArrow(cache.Canvas(), CurrentState());
  };
}

TsTimerSpeedButton::~TsTimerSpeedButton() = default;

TColor TsTimerSpeedButton::ArrowColor(int state) {
  auto* spin = dynamic_cast<TsSpinButton*>(Parent());
  TsCommonData* edit = spin ? spin->EditData : nullptr;
  TControl* editControl = edit ? edit->OwnerControl() : nullptr;
  const auto* editSection = edit && edit->Skinned() ? edit->Section() : nullptr;
  if (!editSection || edit->CustomFont()) {
    const bool enabled = Enabled() && (!editControl || editControl->Enabled());
    if (!enabled) return clGrayText;
    return editControl ? editControl->Font().Color() : Font().Color();
  }
  const auto* own = SkinData.Skinned() ? SkinData.Section() : nullptr;
  if (state > 0 && own) return static_cast<TColor>(own->Props[own->States < 2 ? 0 : 1].FontColor.Color);
  return static_cast<TColor>(editSection->Props[0].FontColor.Color);
}

void TsTimerSpeedButton::DrawArrow(TCanvas& canvas, int state) {
  const auto corners = zelvan::controls::SpinArrowTriangle(Width(), Height(), Up);
  POINT points[3];
  for (size_t i = 0; i < corners.size(); ++i) points[i] = POINT{corners[i].X, corners[i].Y};
  const TColor colour = ArrowColor(state);
  HDC dc = canvas.Handle();
  HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
  HPEN pen = CreatePen(PS_SOLID, 1, ColorToRGB(colour));
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  Polygon(dc, points, 3);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

void TsTimerSpeedButton::Paint() {
  TsSpeedButton::Paint();
  if (!SkinData.Skinned() && Glyph().Width() == 0) DrawArrow(Canvas(), CurrentState());
}

void TsTimerSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TsSpeedButton::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled() || !TimeBtnState.Contains(tbAllowTimer)) return;
  if (!FRepeatTimer) {
    FRepeatTimer = std::make_unique<TTimer>(nullptr);
    FRepeatTimer->OnTimer = [this](TObject*) { TimerExpired(); };
  }
  FRepeatTimer->SetEnabled(false);
  FRepeatTimer->SetInterval(kInitRepeatPause);
  FRepeatTimer->SetEnabled(true);
}

void TsTimerSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
  TsSpeedButton::MouseUp(button, shift, x, y);  // the release over the button is a click
}

void TsTimerSpeedButton::TimerExpired() {
  FRepeatTimer->SetInterval(kRepeatPause);
  if (State() == bsDown && MouseCapture()) Click();
}

// ---------------------------------------------------------------- TsSpinButton

TsSpinButton::TsSpinButton(TComponent* owner) : TWinControl(owner) {
  ControlStyle() = TControlStyle{csCaptureMouse, csOpaque};
  SetColor(clBtnFace);
  FUpButton = MakeArrow(true);
  FDownButton = MakeArrow(false);
  FFocusControl = dynamic_cast<TWinControl*>(owner);
  SetBounds(0, 0, kDefaultWidth, 21);
}

TsTimerSpeedButton* TsSpinButton::MakeArrow(bool up) {
  auto* arrow = new TsTimerSpeedButton(this);
  arrow->Up = up;
  arrow->SetParent(this);
  arrow->OnClick = [this, up](TObject*) {
    const TNotifyEvent& event = up ? OnUpClick : OnDownClick;
    if (event) event(this);
  };
  arrow->OnMouseDown = [this, arrow](TObject*, TMouseButton button, TShiftState, int, int) {
    if (button == mbLeft) ArrowPressed(arrow);
  };
  return arrow;
}

void TsSpinButton::ArrowPressed(TsTimerSpeedButton* arrow) {
  FFocusedButton = arrow;
  if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus()) {
    if (!FFocusControl->Focused()) FFocusControl->SetFocus();
  } else if (TabStop() && CanFocus()) {
    SetFocus();
  }
}

void TsSpinButton::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, std::max(width, kMinWidth), height);
  PlaceArrows();
}

void TsSpinButton::PlaceArrows() {
  if (!FUpButton || !FDownButton) return;
  const int half = Height() / 2;
  FUpButton->SetBounds(0, 0, Width(), half);
  FDownButton->SetBounds(0, half, Width(), Height() - half);
}

bool TsSpinButton::EditSkinned() const { return EditData && EditData->Skinned(); }

bool TsSpinButton::SkinCommand(TMessage& message) {
  const uint16_t code = SkinCommandCode(message.WParam);
  switch (code) {
    case SKC_IS_SKINNED:
      message.Result = 1;
      return true;
    case SKC_GET_BG_INFO:
      if (auto* request = reinterpret_cast<TBgRequest*>(message.LParam); request && EditSkin) {
        const int b = EditSkin->BorderWidth();
        EditSkin->AnswerBackground(*request, b + Left(), b + Top());
      }
      return true;
    case SKC_SKIN_LOADED:
    case SKC_SKIN_REMOVED:
    case SKC_REFRESH:
    case SKC_SECTION_CHANGED:
    case SKC_STOP_ANIMATION:
      for (TsTimerSpeedButton* arrow : {FUpButton, FDownButton}) {
        arrow->Perform(message.Msg, message.WParam, message.LParam);
        if (code == SKC_SKIN_LOADED) arrow->SetEnabled(true);
        if (code == SKC_SKIN_REMOVED || code == SKC_REFRESH) arrow->Invalidate();
      }
      return true;
    case SKC_PARENT_UPDATED:
      for (TsTimerSpeedButton* arrow : {FUpButton, FDownButton}) arrow->Perform(message.Msg, message.WParam, 0);
      if (HandleAllocated()) InvalidateRect(Handle(), nullptr, FALSE);
      return true;
    case SKC_GET_UPDATING:
      message.Result = EditData && EditData->Updating() ? 1 : 0;
      return true;
    default:
      return false;
  }
}

void TsSpinButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case SKM_COMMAND:
      if (SkinCommand(message)) return;
      break;
    case WM_PAINT:
      if (EditSkinned() && EditData->OwnerControl() && !EditData->OwnerControl()->Enabled()) {
        PAINTSTRUCT ps{};
        if (!message.WParam) {
          BeginPaint(Handle(), &ps);
          EndPaint(Handle(), &ps);
        }
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (EditSkinned()) {
        message.Result = 1;  // the arrows cover the whole window
        return;
      }
      break;
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS;
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
