// TWinControl's message handling: painting with graphic children, mouse
// routing, reflection of parent notifications, keys, focus and the state
// notifications that travel down to the children.
#include <windowsx.h>

#include "framework/controls/mouse_tracker.h"
#include "framework/controls/win_control.h"

namespace {

// Children whose parent is `parent` and that are drawn by it.
bool HasGraphicChildren(TWinControl& parent) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    if (!dynamic_cast<TWinControl*>(parent.Controls(i))) return true;
  }
  return false;
}

// The window that a parent notification concerns, or null.
HWND NotificationSource(const TMessage& message, HWND parent) {
  switch (message.Msg) {
    case WM_NOTIFY:
      return reinterpret_cast<const NMHDR*>(message.LParam)->hwndFrom;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM:
      return message.WParam ? GetDlgItem(parent, static_cast<int>(message.WParam)) : nullptr;
    default:
      return reinterpret_cast<HWND>(message.LParam);
  }
}

}  // namespace

void TWinControl::WndProc(TMessage& message) {
  if (message.Msg >= WM_MOUSEMOVE && message.Msg <= WM_MBUTTONDBLCLK) {
    if (RouteMouseToChild(message)) return;
  }
  if (ReflectToChild(message)) return;
  switch (message.Msg) {
    case WM_PAINT:
      if (IsPlainWindowClass() || HasGraphicChildren(*this)) return PaintHandler(message);
      break;
    case WM_PRINTCLIENT:
      // Snapshots of windows (animations, previews) paint through here.
      if (IsPlainWindowClass()) {
        if (message.LParam & PRF_ERASEBKGND) Perform(WM_ERASEBKGND, message.WParam, 0);
        TMessage paint{WM_PAINT, message.WParam, 0, 0};
        PaintHandler(paint);
        message.Result = 0;
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (IsPlainWindowClass()) {
        const RECT client = ClientRect();
        FillRect(reinterpret_cast<HDC>(message.WParam), &client, FBrush.Handle());
        message.Result = 1;
        return;
      }
      break;
    case WM_MOUSELEAVE:
      FTrackingMouseLeave = false;
      TMouseTracker::LeftWindow(this);
      break;
    case WM_CAPTURECHANGED:
      TMouseTracker::CaptureReleased(this);
      break;
    case WM_WINDOWPOSCHANGED:
      DefaultHandler(message);
      UpdateBounds();
      return;
    case WM_NCCALCSIZE:
      if (FBevelKind != bkNone) return BevelCalcSize(message);
      break;
    case WM_NCPAINT:
      if (FBevelKind != bkNone) {
        DefaultHandler(message);
        PaintBevel();
        return;
      }
      break;
    case WM_DESTROY:
      // The text lives in the window; keep it for a window made again later.
      if (FHandle) {
        const int length = GetWindowTextLengthW(FHandle);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(FHandle, text.data(), length + 1)));
        StoredText() = text;
      }
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
      if (HandleKeyMessage(message)) return;
      break;
    case WM_SETFOCUS:
    case CM_ENTER:
    case CM_EXIT:
    case CM_FOCUSCHANGED:
      return HandleFocusMessage(message);
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      return Broadcast(message);
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_TABSTOPCHANGED:
      return HandleStateNotification(message);
    case CN_CTLCOLORBTN:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC: {
      auto dc = reinterpret_cast<HDC>(message.WParam);
      SetTextColor(dc, ColorToRGB(Font().Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      message.Result = reinterpret_cast<LRESULT>(FBrush.Handle());
      return;
    }
    default:
      break;
  }
  TControl::WndProc(message);
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!FHandle) return TControl::DefaultHandler(message);
  message.Result =
      CallWindowProcW(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
}

// ---------------------------------------------------------------- painting

void TWinControl::PaintHandler(TMessage& message) {
  auto dc = reinterpret_cast<HDC>(message.WParam);
  PAINTSTRUCT ps{};
  const bool ownPaint = dc == nullptr;
  if (ownPaint) dc = BeginPaint(FHandle, &ps);
  struct EndPainting {
    bool active;
    HWND window;
    PAINTSTRUCT& ps;
    ~EndPainting() {
      if (active) EndPaint(window, &ps);
    }
  } end{ownPaint, FHandle, ps};
  // A platform class may narrow the clipping to its own part (an edit to its
  // text rectangle); the graphic children are painted with the clip as it was.
  const int saved = SaveDC(dc);
  PaintWindow(dc);
  RestoreDC(dc, saved);
  PaintControls(dc);
}

void TWinControl::PaintWindow(HDC dc) {
  if (!IsPlainWindowClass()) {
    CallWindowProcW(FDefWndProc, FHandle, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::PaintControls(HDC dc) {
  RECT clip{};
  if (GetClipBox(dc, &clip) == NULLREGION) return;
  const std::vector<TControl*> children = FControls;
  for (TControl* child : children) {
    if (dynamic_cast<TWinControl*>(child) || !child->Visible()) continue;
    const RECT bounds = child->BoundsRect();
    RECT visible{};
    if (!IntersectRect(&visible, &bounds, &clip)) continue;
    const int saved = SaveDC(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + bounds.left, origin.y + bounds.top, nullptr);
    IntersectClipRect(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
}

// ---------------------------------------------------------------- mouse

bool TWinControl::RouteMouseToChild(TMessage& message) {
  const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* target = TMouseTracker::CaptureControl();
  if (!target || target->Parent() != this || dynamic_cast<TWinControl*>(target)) {
    target = ControlAtPos(point, false);
  }
  if (message.Msg == WM_MOUSEMOVE) {
    if (FHandle && !FTrackingMouseLeave) {
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FHandle, 0};
      FTrackingMouseLeave = TrackMouseEvent(&track) != FALSE;
    }
    TMouseTracker::MovedOver(target ? target : this);
  }
  if (!target) return false;
  const LPARAM local = MAKELPARAM(point.x - target->Left(), point.y - target->Top());
  message.Result = target->Perform(message.Msg, message.WParam, local);
  return true;
}

// ---------------------------------------------------------------- reflection

bool TWinControl::ReflectToChild(TMessage& message) {
  const UINT reflected = ReflectedMessage(message.Msg);
  if (!reflected || !FHandle) return false;
  HWND source = NotificationSource(message, FHandle);
  if (!source || source == FHandle) return false;
  TWinControl* child = FindControl(source);
  if (!child) return false;
  message.Result = child->Perform(reflected, message.WParam, message.LParam);
  return true;
}

// ---------------------------------------------------------------- keys

bool TWinControl::HandleKeyMessage(TMessage& message) {
  if (message.Msg == WM_CHAR) {
    if (!OnKeyPress) return false;
    auto key = static_cast<wchar_t>(message.WParam);
    OnKeyPress(this, key);
    if (key == 0) return true;
    message.WParam = key;
    return false;
  }
  const bool down = message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN;
  const TKeyEvent& event = down ? OnKeyDown : OnKeyUp;
  if (!event) return false;
  auto key = static_cast<WORD>(message.WParam);
  event(this, key, KeyboardShiftState());
  if (key == 0) return true;
  message.WParam = key;
  return false;
}

// ---------------------------------------------------------------- focus

void TWinControl::HandleFocusMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS: {
      DefaultHandler(message);
      // The form keeps its active control and tells everyone inside.
      TWinControl* root = this;
      while (root->Parent()) root = root->Parent();
      if (root != this) root->Perform(CM_FOCUSCHANGED, 1, reinterpret_cast<LPARAM>(this));
      return;
    }
    case CM_ENTER:
      if (OnEnter) OnEnter(this);
      return;
    case CM_EXIT:
      if (OnExit) OnExit(this);
      return;
    case CM_FOCUSCHANGED:
      // WParam 1 asks the form to take note; the form passes it on with 0.
      NotifyControls(CM_FOCUSCHANGED, 0, message.LParam);
      return;
    default:
      return;
  }
}

// ---------------------------------------------------------------- state notifications

void TWinControl::HandleStateNotification(TMessage& message) {
  switch (message.Msg) {
    case CM_VISIBLECHANGED:
      if (Visible() && !Parent()) HandleNeeded();
      if (FHandle) SetWindowShowing(Visible());
      break;
    case CM_ENABLEDCHANGED: {
      if (message.LParam == 0 && FHandle) EnableWindow(FHandle, Enabled());
      const LPARAM origin = message.LParam ? message.LParam : reinterpret_cast<LPARAM>(this);
      TControl::WndProc(message);
      NotifyControls(CM_ENABLEDCHANGED, 0, origin);
      return;
    }
    case CM_FONTCHANGED:
      if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
      TControl::WndProc(message);
      NotifyControls(CM_PARENTFONTCHANGED);
      return;
    case CM_COLORCHANGED:
      FBrush.SetColor(Color());
      TControl::WndProc(message);
      NotifyControls(CM_PARENTCOLORCHANGED);
      return;
    case CM_TABSTOPCHANGED:
      if (FHandle) {
        LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
        style = FTabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrW(FHandle, GWL_STYLE, style);
      }
      break;
    default:
      break;
  }
  TControl::WndProc(message);
}
