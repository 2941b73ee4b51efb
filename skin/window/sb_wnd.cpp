#include "skin/window/sb_wnd.h"

#include <algorithm>

#include "framework/graphics/bitmap.h"
#include "skin/core/common_data.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"
#include "skin/window/scroll_bar_picture.h"
#include "skin/window/scroll_wnd.h"

using zelvan::paint::spNone;
using zelvan::paint::spThumb;
using zelvan::paint::TScrollPart;

namespace {

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

int StateOf(TScrollPart part, TScrollPart hot, TScrollPart pressed) {
  if (pressed == part) return 2;
  return hot == part ? 1 : 0;
}

}  // namespace

TacSBWnd::TacSBWnd(HWND handle, TsCommonData* data, TsSkinManager* manager, const std::string& section, bool repaint)
    : TacMainWnd(handle, data, manager, section, repaint) {}

TacSBWnd::~TacSBWnd() {
  if (IsWindow(CtrlHandle)) {
    KillTimer(CtrlHandle, kScrollDelayTimer);
    KillTimer(CtrlHandle, kScrollRepeatTimer);
    if (GetCapture() == CtrlHandle) ReleaseCapture();
  }
}

void TacSBWnd::AfterHook() {
  // The skinned bar shows no focus: it is left out of the tab order.
  SetWindowLongPtrW(CtrlHandle, GWL_STYLE, GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & ~WS_TABSTOP);
  if (FRepaint) InvalidateRect(CtrlHandle, nullptr, FALSE);
}

bool TacSBWnd::Horizontal() const { return (GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & SBS_VERT) == 0; }

zelvan::paint::TScrollRange TacSBWnd::Range() const {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(CtrlHandle, SB_CTL, &info)) return {};
  return {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
}

int TacSBWnd::Length() const {
  RECT client{};
  GetClientRect(CtrlHandle, &client);
  return Horizontal() ? client.right : client.bottom;
}

int TacSBWnd::Arrow() const { return GetSystemMetrics(Horizontal() ? SM_CXHSCROLL : SM_CYVSCROLL); }

zelvan::paint::TThumb TacSBWnd::Thumb() const {
  const zelvan::paint::TScrollRange range = Range();
  const int arrow = Arrow();
  const int work = zelvan::paint::TrackLength(Length(), arrow);
  if (work <= 0 || !IsWindowEnabled(CtrlHandle) || zelvan::paint::ScrollSpan(range) <= 0) return {};
  const int length = zelvan::paint::ControlThumbLength(range, work);
  return {arrow + zelvan::paint::ThumbOffset(range, work, length), length};
}

TScrollPart TacSBWnd::PartAt(POINT client) const {
  RECT r{};
  GetClientRect(CtrlHandle, &r);
  if (!PtInRect(&r, client)) return spNone;
  return zelvan::paint::PartAt(static_cast<int>(Horizontal() ? client.x : client.y), Length(), Arrow(), Thumb());
}

void TacSBWnd::SetStates(TScrollPart hot, TScrollPart pressed) {
  const int states[] = {StateOf(zelvan::paint::spLineUp, hot, pressed), StateOf(zelvan::paint::spLineDown, hot, pressed),
                        StateOf(zelvan::paint::spPageUp, hot, pressed), StateOf(zelvan::paint::spPageDown, hot, pressed),
                        StateOf(spThumb, hot, pressed)};
  if (states[0] == Btn1State && states[1] == Btn2State && states[2] == Page1State && states[3] == Page2State &&
      states[4] == ThumbState) {
    return;
  }
  Btn1State = states[0];
  Btn2State = states[1];
  Page1State = states[2];
  Page2State = states[3];
  ThumbState = states[4];
  Repaint();
}

void TacSBWnd::Scroll(int code, int position) {
  const UINT msg = Horizontal() ? WM_HSCROLL : WM_VSCROLL;
  SendMessageW(GetParent(CtrlHandle), msg, MAKEWPARAM(code, std::clamp(position, 0, 65535)),
               reinterpret_cast<LPARAM>(CtrlHandle));
}

void TacSBWnd::Press(POINT client) {
  const TScrollPart part = PartAt(client);
  if (part == spNone || !IsWindowEnabled(CtrlHandle)) return;
  FPressed = part;
  SetCapture(CtrlHandle);
  if (part == spThumb) {
    const zelvan::paint::TThumb thumb = Thumb();
    FTracking = true;
    FGrab = static_cast<int>(Horizontal() ? client.x : client.y) - thumb.Start;
    FThumbAt = thumb.Start;
    FLastPos = Range().Pos;
    SetStates(spNone, spThumb);
    return;
  }
  SetStates(spNone, part);
  Scroll(part, Range().Pos);
  Repaint();
  SetTimer(CtrlHandle, kScrollDelayTimer, 300, nullptr);
}

void TacSBWnd::Drag(POINT client) {
  if (FTracking) {
    const zelvan::paint::TScrollRange range = Range();
    const int arrow = Arrow();
    const int work = zelvan::paint::TrackLength(Length(), arrow);
    const int length = zelvan::paint::ControlThumbLength(range, work);
    FThumbAt = std::clamp(static_cast<int>(Horizontal() ? client.x : client.y) - FGrab, arrow, arrow + std::max(work - length, 0));
    const int position = zelvan::paint::PositionOfThumb(range, FThumbAt - arrow, work, length);
    if (position != FLastPos) {
      FLastPos = position;
      Scroll(SB_THUMBTRACK, position);
    }
    Repaint();
    return;
  }
  SetStates(spNone, PartAt(client) == FPressed ? FPressed : spNone);
}

void TacSBWnd::Release() {
  const bool tracking = FTracking;
  KillTimer(CtrlHandle, kScrollDelayTimer);
  KillTimer(CtrlHandle, kScrollRepeatTimer);
  FPressed = spNone;
  FTracking = false;
  if (tracking) Scroll(SB_THUMBPOSITION, FLastPos);
  Scroll(SB_ENDSCROLL, 0);
  if (GetCapture() == CtrlHandle) ReleaseCapture();
  SetStates(spNone, spNone);
  Repaint();
}

void TacSBWnd::Repaint() {
  if (DontRepaint || !IsWindowVisible(CtrlHandle)) return;
  HDC dc = GetDC(CtrlHandle);
  if (!dc) return;
  PaintTo(dc);
  ReleaseDC(CtrlHandle, dc);
}

void TacSBWnd::PaintTo(HDC dc) {
  RECT client{};
  GetClientRect(CtrlHandle, &client);
  if (IsRectEmpty(&client) || !SkinManager) return;
  if (!FPicture) FPicture = std::make_unique<TBitmap>(client.right, client.bottom, pf32bit);
  if (FPicture->Width() != client.right || FPicture->Height() != client.bottom) {
    FPicture->SetSize(client.right, client.bottom);
  }
  TBarPicture bar;
  bar.Horizontal = Horizontal();
  bar.Arrow = Arrow();
  bar.Active = IsWindowEnabled(CtrlHandle) && zelvan::paint::ScrollSpan(Range()) > 0;
  bar.Thumb = Thumb();
  if (FTracking) bar.Thumb.Start = FThumbAt;
  bar.Arrow1State = Btn1State;
  bar.Arrow2State = Btn2State;
  bar.Page1State = Page1State;
  bar.Page2State = Page2State;
  bar.ThumbState = ThumbState;
  GdiFlush();
  PaintBarPicture(*SkinManager, FPicture->Image(), POINT{0, 0}, BehindWindow(*SkinData, CtrlHandle), bar);
  CopyBitmapToDC(*FPicture, dc, client, POINT{0, 0});
}

void TacSBWnd::WrapperWndProc(TMessage& message) {
  if (Destroyed || !SkinData || !SkinManager || !SkinManager->Active() || !HasBarSections(*SkinManager, Horizontal())) {
    TacMainWnd::WrapperWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_PAINT: {
      if (message.WParam) {  // a context given (WM_PRINTCLIENT)
        PaintTo(reinterpret_cast<HDC>(message.WParam));
      } else {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(CtrlHandle, &ps);
        PaintTo(dc);
        EndPaint(CtrlHandle, &ps);
      }
      message.Result = 0;
      return;
    }
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Press(PointOf(message.LParam));
      return;
    case WM_MOUSEMOVE:
      if (FPressed != spNone) {
        Drag(PointOf(message.LParam));
      } else {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, CtrlHandle, 0};
        TrackMouseEvent(&track);
        SetStates(PartAt(PointOf(message.LParam)), spNone);
      }
      return;
    case WM_MOUSELEAVE:
      if (FPressed == spNone) SetStates(spNone, spNone);
      return;
    case WM_LBUTTONUP:
      if (FPressed != spNone) Release();
      return;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      if (FPressed != spNone) Release();
      break;
    case WM_TIMER:
      if (message.WParam == kScrollDelayTimer) {
        KillTimer(CtrlHandle, kScrollDelayTimer);
        if (FPressed != spNone && !FTracking) SetTimer(CtrlHandle, kScrollRepeatTimer, 55, nullptr);
        return;
      }
      if (message.WParam == kScrollRepeatTimer) {
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(CtrlHandle, &cursor);
        if (FPressed == spNone || GetCapture() != CtrlHandle) {
          if (FPressed != spNone) Release();
          KillTimer(CtrlHandle, kScrollRepeatTimer);
        } else if (PartAt(cursor) == FPressed) {
          Scroll(FPressed, Range().Pos);
          Repaint();
        }
        return;
      }
      break;
    default:
      break;
  }
  TacMainWnd::WrapperWndProc(message);
  // The platform's control paints itself when its values change (only the
  // setters: reading the values back goes through here too).
  switch (message.Msg) {
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_ENABLE_ARROWS:
    case SBM_SETSCROLLINFO:
    case WM_ENABLE:
      Repaint();
      break;
    default:
      break;
  }
}
