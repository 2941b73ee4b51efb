#include "skin/window/scroll_tracking.h"

#include <algorithm>
#include <string>

#include "skin/core/skin_messages.h"
#include "skin/window/scroll_wnd.h"

using zelvan::paint::spLineDown;
using zelvan::paint::spLineUp;
using zelvan::paint::spNone;
using zelvan::paint::spThumb;
using zelvan::paint::TScrollPart;

namespace {

constexpr UINT kHotInterval = 20;
constexpr UINT kRepeatDelay = 300;
constexpr UINT kRepeatInterval = 55;

struct TTrackState {
  // The pressed bar.
  TacScrollWnd* Wnd = nullptr;
  UINT ScrollMsg = 0;
  int BarType = -1;
  TScrollPart Pressed = spNone;
  TScrollPart Over = spNone;  // the pressed part while the mouse is over it
  bool Holding = false;       // a scroll message of the interaction is under way
  // Thumb dragging, along the bar from its start.
  RECT BarRect{};
  int Arrow = 0;
  int Track = 0;
  int ThumbLength = 0;
  int ThumbStart = 0;
  int GrabOffset = 0;
  int LastPos = 0;
  // The hot bar.
  TacScrollWnd* HotWnd = nullptr;
  int HotBar = -1;
  TScrollPart HotPart = spNone;
  RECT HotRect{};  // screen coordinates
};

TTrackState& State() {
  static TTrackState state;
  return state;
}

void ResetPress(TTrackState& s) {
  s.Wnd = nullptr;
  s.ScrollMsg = 0;
  s.BarType = -1;
  s.Pressed = s.Over = spNone;
  s.Holding = false;
}

void ResetHot(TTrackState& s) {
  s.HotWnd = nullptr;
  s.HotBar = -1;
  s.HotPart = spNone;
  s.HotRect = {};
}

TacScrollBar& BarOf(TacScrollWnd& wnd, int type) { return type == SB_HORZ ? wnd.sBarHorz : wnd.sBarVert; }

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

// A point in screen coordinates along a bar whose rect (window coordinates) is given.
int AlongBar(HWND window, const RECT& bar, bool horz, POINT screen) {
  RECT w{};
  GetWindowRect(window, &w);
  return horz ? screen.x - w.left - bar.left : screen.y - w.top - bar.top;
}

// Classes that take the button-up themselves once a bar is released.
bool KeepsButtonUp(TacScrollWnd& wnd) {
  std::wstring name;
  if (TControl* owner = wnd.OwnerControl()) {
    name = owner->ClassName();
  } else {
    wchar_t buffer[64]{};
    GetClassNameW(wnd.CtrlHandle, buffer, 64);
    name = buffer;
  }
  return name == L"TImageEnView" || name == L"TImageEnVect";
}

void Release(TacScrollWnd& wnd);

bool Press(TacScrollWnd& wnd, int type, POINT screen) {
  TTrackState& s = State();
  TacScrollBar& bar = BarOf(wnd, type);
  wnd.Refresh(false);
  const TScrollPart part = wnd.PartAt(bar, screen);
  if (part == spNone || !wnd.BarActive(bar)) return true;  // an inactive bar ignores presses
  if ((part == spLineUp && (bar.fScrollFlags & kSbLeftUpDisabled)) ||
      (part == spLineDown && (bar.fScrollFlags & kSbRightDownDisabled))) {
    return true;
  }
  if (s.Wnd && s.Wnd != &wnd) Release(*s.Wnd);
  ResetPress(s);
  s.Wnd = &wnd;
  s.ScrollMsg = bar.Horizontal() ? WM_HSCROLL : WM_VSCROLL;
  s.BarType = type;
  s.Pressed = s.Over = part;
  SetCapture(wnd.CtrlHandle);
  if (part == spThumb) {
    const zelvan::paint::TThumb thumb = wnd.ThumbOf(bar);
    s.BarRect = wnd.BarRect(bar);
    const int length = bar.Horizontal() ? s.BarRect.right - s.BarRect.left : s.BarRect.bottom - s.BarRect.top;
    s.Arrow = wnd.ArrowLength(bar);
    s.Track = zelvan::paint::TrackLength(length, s.Arrow);
    s.ThumbLength = thumb.Length;
    s.ThumbStart = thumb.Start;
    s.GrabOffset = AlongBar(wnd.CtrlHandle, s.BarRect, bar.Horizontal(), screen) - thumb.Start;
    s.LastPos = bar.ScrollInfo.nPos;
    bar.ScrollInfo.nTrackPos = bar.ScrollInfo.nPos;
    wnd.fThumbTracking = true;
    wnd.RepaintBar(bar);
    return true;
  }
  wnd.RepaintBar(bar);
  s.Holding = true;
  TScrollTracker::SendScroll(wnd, s.ScrollMsg, part, bar.ScrollInfo.nPos);
  if (s.Wnd != &wnd) return true;  // the scroll message ended the press (the capture went elsewhere)
  s.Holding = false;
  wnd.Refresh(false);
  wnd.RepaintBar(bar);
  SetTimer(wnd.CtrlHandle, kScrollDelayTimer, kRepeatDelay, nullptr);
  return true;
}

void Move(TacScrollWnd& wnd, POINT screen) {
  TTrackState& s = State();
  TacScrollBar& bar = BarOf(wnd, s.BarType);
  if (wnd.fThumbTracking) {
    const int along = AlongBar(wnd.CtrlHandle, s.BarRect, bar.Horizontal(), screen) - s.GrabOffset;
    s.ThumbStart = std::clamp(along, s.Arrow, s.Arrow + std::max(s.Track - s.ThumbLength, 0));
    const int position = zelvan::paint::PositionOfThumb(bar.Range(), s.ThumbStart - s.Arrow, s.Track, s.ThumbLength);
    if (position != s.LastPos) {
      s.LastPos = position;
      bar.ScrollInfo.nTrackPos = position;
      s.Holding = true;
      TScrollTracker::SendScroll(wnd, s.ScrollMsg, SB_THUMBTRACK, position);
      if (s.Wnd != &wnd) return;
      s.Holding = false;
    }
    wnd.RepaintBar(bar);
    return;
  }
  const TScrollPart over = wnd.PartAt(bar, screen) == s.Pressed ? s.Pressed : spNone;
  if (over != s.Over) {
    s.Over = over;
    wnd.RepaintBar(bar);
  }
}

void Release(TacScrollWnd& wnd) {
  TTrackState& s = State();
  const TTrackState done = s;
  TacScrollBar& bar = BarOf(wnd, done.BarType);
  KillTimer(wnd.CtrlHandle, kScrollDelayTimer);
  KillTimer(wnd.CtrlHandle, kScrollRepeatTimer);
  // Cleared first: the messages below may end the capture, which comes back here.
  s.Pressed = s.Over = spNone;
  s.Holding = true;
  int position = bar.ScrollInfo.nPos;
  if (wnd.fThumbTracking) {
    position = done.LastPos;
    TScrollTracker::SendScroll(wnd, done.ScrollMsg, SB_THUMBPOSITION, position);
    wnd.fThumbTracking = false;
  }
  TScrollTracker::SendScroll(wnd, done.ScrollMsg, SB_ENDSCROLL, position);
  ResetPress(s);
  if (GetCapture() == wnd.CtrlHandle) ReleaseCapture();
  wnd.Refresh(false);
  wnd.RepaintBar(bar);
}

void Hover(TacScrollWnd& wnd, int type, POINT screen) {
  TTrackState& s = State();
  if (s.HotWnd == &wnd && s.HotBar == type) return;
  TacScrollWnd* previous = s.HotWnd;
  const int previousBar = s.HotBar;
  if (previous && previous != &wnd) KillTimer(previous->CtrlHandle, kScrollHotTimer);
  ResetHot(s);
  if (previous) previous->RepaintBar(BarOf(*previous, previousBar));
  TacScrollBar& bar = BarOf(wnd, type);
  RECT window{};
  GetWindowRect(wnd.CtrlHandle, &window);
  s.HotRect = wnd.BarRect(bar);
  OffsetRect(&s.HotRect, window.left, window.top);
  s.HotWnd = &wnd;
  s.HotBar = type;
  s.HotPart = wnd.PartAt(bar, screen);
  SetTimer(wnd.CtrlHandle, kScrollHotTimer, kHotInterval, nullptr);
  wnd.RepaintBar(bar);
}

void HotTick(TacScrollWnd& wnd) {
  TTrackState& s = State();
  if (s.HotWnd != &wnd) {
    KillTimer(wnd.CtrlHandle, kScrollHotTimer);
    return;
  }
  if (wnd.fThumbTracking) return;
  TacScrollBar& bar = BarOf(wnd, s.HotBar);
  POINT cursor{};
  GetCursorPos(&cursor);
  if (PtInRect(&s.HotRect, cursor)) {
    const TScrollPart part = wnd.PartAt(bar, cursor);
    if (part != s.HotPart) {
      s.HotPart = part;
      wnd.RepaintBar(bar);
    }
    return;
  }
  KillTimer(wnd.CtrlHandle, kScrollHotTimer);
  ResetHot(s);
  wnd.RepaintBar(bar);
}

void RepeatTick(TacScrollWnd& wnd) {
  TTrackState& s = State();
  if (s.Wnd != &wnd || s.Pressed == spNone || wnd.fThumbTracking) {
    KillTimer(wnd.CtrlHandle, kScrollRepeatTimer);
    return;
  }
  // A capture taken away without notice ends the press too.
  if (GetCapture() != wnd.CtrlHandle) {
    Release(wnd);
    return;
  }
  TacScrollBar& bar = BarOf(wnd, s.BarType);
  POINT cursor{};
  GetCursorPos(&cursor);
  const TScrollPart over = wnd.PartAt(bar, cursor) == s.Pressed ? s.Pressed : spNone;
  if (over != spNone) {
    s.Holding = true;
    TScrollTracker::SendScroll(wnd, s.ScrollMsg, s.Pressed, bar.ScrollInfo.nPos);
    if (s.Wnd != &wnd) return;
    s.Holding = false;
  }
  s.Over = over;
  wnd.Refresh(false);
  wnd.RepaintBar(bar);
}

}  // namespace

bool TScrollTracker::HandleMouse(TacScrollWnd& wnd, TMessage& message) {
  TTrackState& s = State();
  const bool onBar = message.WParam == HTHSCROLL || message.WParam == HTVSCROLL;
  const int type = message.WParam == HTHSCROLL ? SB_HORZ : SB_VERT;
  const bool pressedHere = s.Wnd == &wnd && s.Pressed != spNone;
  switch (message.Msg) {
    case WM_NCMOUSEMOVE:
      if (onBar) Hover(wnd, type, PointOf(message.LParam));
      return false;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (!onBar) return false;
      message.Result = 0;
      return Press(wnd, type, PointOf(message.LParam));
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_NCMBUTTONDBLCLK:
      message.Result = 0;
      return onBar;
    case WM_MOUSEMOVE: {
      if (!pressedHere) return false;
      POINT at = PointOf(message.LParam);
      ClientToScreen(wnd.CtrlHandle, &at);
      Move(wnd, at);
      return true;
    }
    case WM_LBUTTONUP:
      if (!pressedHere) return false;
      Release(wnd);
      return KeepsButtonUp(wnd);
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      // Capture taken away mid-press (a message box, another window): a release.
      if (pressedHere) Release(wnd);
      return false;
    default:
      return false;
  }
}

void TScrollTracker::Tick(TacScrollWnd& wnd, UINT_PTR id) {
  TTrackState& s = State();
  switch (id) {
    case kScrollHotTimer:
      HotTick(wnd);
      break;
    case kScrollDelayTimer:
      KillTimer(wnd.CtrlHandle, kScrollDelayTimer);
      if (s.Wnd == &wnd && s.Pressed != spNone && !wnd.fThumbTracking) {
        SetTimer(wnd.CtrlHandle, kScrollRepeatTimer, kRepeatInterval, nullptr);
      }
      break;
    case kScrollRepeatTimer:
      RepeatTick(wnd);
      break;
    default:
      break;
  }
}

void TScrollTracker::Forget(TacScrollWnd& wnd) {
  TTrackState& s = State();
  if (s.Wnd == &wnd) {
    if (GetCapture() == wnd.CtrlHandle) {
      ResetPress(s);
      ReleaseCapture();
    }
    ResetPress(s);
    wnd.fThumbTracking = false;
  }
  if (s.HotWnd == &wnd) ResetHot(s);
}

bool TScrollTracker::HoldsRepaints(const TacScrollWnd& wnd) {
  const TTrackState& s = State();
  return (s.Wnd == &wnd && s.Holding) || wnd.fThumbTracking;
}

TBarLook TScrollTracker::LookOf(const TacScrollWnd& wnd, const TacScrollBar& bar) {
  const TTrackState& s = State();
  TBarLook look;
  if (s.Wnd == &wnd && s.BarType == bar.nBarType) {
    if (wnd.fThumbTracking) {
      look.Pressed = spThumb;
      look.Dragging = true;
      look.Thumb = {s.ThumbStart, s.ThumbLength};
    } else {
      look.Pressed = s.Over;
    }
  }
  if (s.HotWnd == &wnd && s.HotBar == bar.nBarType) look.Hot = s.HotPart;
  return look;
}

void TScrollTracker::SendScroll(TacScrollWnd& wnd, UINT msg, int code, int position) {
  HWND window = wnd.CtrlHandle;
  const LPARAM request = MAKELPARAM(code, msg);
  LPARAM second = 0;
  bool preset = false;
  if (SendMessageW(window, SKM_COMMAND, SkinCommandWParam(SKC_BEFORE_SCROLL), request) == 1) {
    second = position;  // the window scrolls itself from the position
  } else if (code == SB_THUMBTRACK) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, position, 0};
    SetScrollInfo(window, msg == WM_HSCROLL ? SB_HORZ : SB_VERT, &info, FALSE);
    preset = true;
  }
  SendMessageW(window, msg, MAKEWPARAM(code, std::clamp(position, 0, 65535)), second);
  if (!IsWindow(window)) return;
  SendMessageW(window, SKM_COMMAND, SkinCommandWParam(SKC_AFTER_SCROLL), request);
  // A window that scrolls by the difference between its track position and
  // its position (the platform's list view) sees none after the preset: it
  // follows the position, but its picture must be made anew.
  if (preset) InvalidateRect(window, nullptr, FALSE);
}
