#include "framework/controls/control.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "framework/controls/mouse_tracker.h"
#include "framework/controls/win_control.h"
#include "framework/menus/menu.h"
#include "framework/system/exception.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  FFont.OnChange = [this](TGraphicsObject*) {
    if (!FTakingParentValue) FParentFont = false;
    Perform(CM_FONTCHANGED);
  };
}

TControl::~TControl() {
  Destroying();
  TMouseTracker::Forget(this);
  if (FParent) FParent->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.Result;
}

// ---------------------------------------------------------------- hooks

struct TWindowHookList {
  struct Entry {
    TWndHookToken Token;
    TWndHook Hook;
  };
  std::vector<Entry> Entries;  // bottom first
  TWndMethod Below;            // WindowProc when the first hook came
};

namespace {

// Runs entries[index] (and through next, those below it), then below.
void RunHooks(const std::shared_ptr<TWindowHookList>& list, size_t index, TMessage& message) {
  if (index == 0) return list->Below(message);
  const TWndMethod next = [&list, index](TMessage& m) { RunHooks(list, index - 1, m); };
  list->Entries[index - 1].Hook(message, next);
}

}  // namespace

TWndHookToken TControl::AddWindowHook(TWndHook hook) {
  auto list = std::make_shared<TWindowHookList>();
  if (FHooks) {
    *list = *FHooks;
  } else {
    list->Below = WindowProc;
    // The hooks stay in front of whatever WindowProc held; a later plain hook
    // that saves and restores WindowProc sits above them all.
    WindowProc = [this](TMessage& message) {
      const std::shared_ptr<TWindowHookList> current = FHooks;
      RunHooks(current, current->Entries.size(), message);
    };
  }
  const TWndHookToken token = FNextHookToken++;
  list->Entries.push_back({token, std::move(hook)});
  FHooks = std::move(list);
  return token;
}

void TControl::RemoveWindowHook(TWndHookToken token) {
  if (!FHooks) return;
  auto list = std::make_shared<TWindowHookList>(*FHooks);
  std::erase_if(list->Entries, [token](const TWindowHookList::Entry& e) { return e.Token == token; });
  FHooks = std::move(list);
}

// ---------------------------------------------------------------- handler chain

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN: return MouseButtonDown(message, mbLeft, false);
    case WM_RBUTTONDOWN: return MouseButtonDown(message, mbRight, false);
    case WM_MBUTTONDOWN: return MouseButtonDown(message, mbMiddle, false);
    case WM_LBUTTONDBLCLK: return MouseButtonDown(message, mbLeft, true);
    case WM_RBUTTONDBLCLK: return MouseButtonDown(message, mbRight, true);
    case WM_MBUTTONDBLCLK: return MouseButtonDown(message, mbMiddle, true);
    case WM_LBUTTONUP: return MouseButtonUp(message, mbLeft);
    case WM_RBUTTONUP: return MouseButtonUp(message, mbRight);
    case WM_MBUTTONUP: return MouseButtonUp(message, mbMiddle);
    case WM_MOUSEMOVE:
      DefaultHandler(message);
      if (!FControlStyle.Contains(csNoStdEvents)) {
        MouseMove(MouseShiftState(message.WParam), GET_X_LPARAM(message.LParam),
                  GET_Y_LPARAM(message.LParam));
      }
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      return ForwardMouseNotification(message);
    case CM_PARENTFONTCHANGED:
      if (FParentFont) TakeParentFont();
      return;
    case CM_PARENTCOLORCHANGED:
      if (FParentColor) TakeParentColor();
      return;
    case CM_HITTEST:
      message.Result = 1;
      return;
    case WM_CONTEXTMENU:
      if (FPopupMenu && FPopupMenu->AutoPopup) {
        POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
        if (message.LParam == -1) {  // from the keyboard: the control's middle
          const POINT origin = ClientOrigin();
          at = POINT{origin.x + Width() / 2, origin.y + Height() / 2};
        }
        FPopupMenu->PopupComponent = this;
        FPopupMenu->Popup(at.x, at.y);
        message.Result = 1;
        return;
      }
      break;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  DefaultHandler(message);
}

// A control without a window keeps its text itself.
void TControl::DefaultHandler(TMessage& message) {
  switch (message.Msg) {
    case WM_GETTEXTLENGTH:
      message.Result = static_cast<LRESULT>(FText.size());
      break;
    case WM_GETTEXT: {
      const size_t capacity = message.WParam;
      auto* buffer = reinterpret_cast<wchar_t*>(message.LParam);
      if (!buffer || capacity == 0) break;
      const size_t count = std::min(FText.size(), capacity - 1);
      FText.copy(buffer, count);
      buffer[count] = L'\0';
      message.Result = static_cast<LRESULT>(count);
      break;
    }
    case WM_SETTEXT: {
      const auto* text = reinterpret_cast<const wchar_t*>(message.LParam);
      FText = text ? text : L"";
      message.Result = TRUE;
      break;
    }
    default:
      break;
  }
}

void TControl::MouseButtonDown(TMessage& message, TMouseButton button, bool doubleClick) {
  DefaultHandler(message);
  if (doubleClick && FControlStyle.Contains(csDoubleClicks)) {
    if (button == mbLeft) DblClick();
  } else if (button == mbLeft) {
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    FControlState.Include(csLButtonDown);
    if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
  }
  if (!FControlStyle.Contains(csNoStdEvents)) {
    TShiftState shift = MouseShiftState(message.WParam);
    if (doubleClick) shift.Include(ssDouble);
    MouseDown(button, shift, GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
  }
}

void TControl::MouseButtonUp(TMessage& message, TMouseButton button) {
  DefaultHandler(message);
  const int x = GET_X_LPARAM(message.LParam);
  const int y = GET_Y_LPARAM(message.LParam);
  if (button == mbLeft) {
    FControlState.Exclude(csLButtonDown);
    if (MouseCapture()) SetMouseCapture(false);
    if (FControlState.Contains(csClicked)) {
      FControlState.Exclude(csClicked);
      const RECT client = ClientRect();
      if (PtInRect(&client, POINT{x, y})) Click();
    }
  }
  if (!FControlStyle.Contains(csNoStdEvents)) {
    MouseUp(button, MouseShiftState(message.WParam), x, y);
  }
}

// The control itself fires its event; its parents hear, with LParam naming it.
void TControl::ForwardMouseNotification(TMessage& message) {
  if (message.LParam == 0) {
    const TNotifyEvent& event = message.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave;
    if (event) event(this);
  }
  if (FParent) {
    FParent->Perform(message.Msg, 0,
                     message.LParam ? message.LParam : reinterpret_cast<LPARAM>(this));
  }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

// ---------------------------------------------------------------- parent and bounds

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (parent == this) throw Exception(L"A control cannot be its own parent");
  if (FParent) FParent->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  Invalidate();
  StoreBounds(left, top, width, height);
  Invalidate();
}

void TControl::StoreBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  // Containers that follow their children (scroll boxes) learn of it here.
  if (FParent) FParent->Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(this));
}

RECT TControl::ClientRect() { return RECT{0, 0, FWidth, FHeight}; }

void TControl::SetClientWidth(int width) { SetWidth(FWidth - ClientWidth() + width); }

void TControl::SetClientHeight(int height) { SetHeight(FHeight - ClientHeight() + height); }

POINT TControl::ClientOrigin() {
  if (!FParent) return POINT{FLeft, FTop};
  POINT origin = FParent->ClientOrigin();
  return POINT{origin.x + FLeft, origin.y + FTop};
}

POINT TControl::ClientToScreen(POINT point) {
  const POINT origin = ClientOrigin();
  return POINT{point.x + origin.x, point.y + origin.y};
}

POINT TControl::ScreenToClient(POINT point) {
  const POINT origin = ClientOrigin();
  return POINT{point.x - origin.x, point.y - origin.y};
}

void TControl::ApplyAnchors(int dw, int dh) {
  int left = FLeft, top = FTop, width = FWidth, height = FHeight;
  if (FAnchors.Contains(akRight)) {
    (FAnchors.Contains(akLeft) ? width : left) += dw;
  } else if (!FAnchors.Contains(akLeft)) {
    left += dw / 2;
  }
  if (FAnchors.Contains(akBottom)) {
    (FAnchors.Contains(akTop) ? height : top) += dh;
  } else if (!FAnchors.Contains(akTop)) {
    top += dh / 2;
  }
  SetBounds(left, top, width, height);
}

// ---------------------------------------------------------------- state

void TControl::SetVisible(bool visible) {
  if (visible == FVisible) return;
  if (!visible) Invalidate();
  FVisible = visible;
  Perform(CM_VISIBLECHANGED, visible);
  UpdateShowing();
  if (visible) Invalidate();
  if (FParent) FParent->Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(this));
}

bool TControl::ComputeShowing() const { return FVisible && FParent && FParent->Showing(); }

void TControl::UpdateShowing() {
  const bool showing = ComputeShowing();
  if (showing == FShowing) return;
  FShowing = showing;
  Perform(CM_SHOWINGCHANGED);
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  Perform(CM_ENABLEDCHANGED);
}

std::wstring TControl::Text() {
  const auto length = static_cast<size_t>(Perform(WM_GETTEXTLENGTH));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<size_t>(
      Perform(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

void TControl::SetText(const std::wstring& text) {
  if (Text() == text) return;
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor color) {
  if (!FTakingParentValue) FParentColor = false;
  if (color == FColor) return;
  FColor = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parentColor) {
  if (parentColor == FParentColor) return;
  FParentColor = parentColor;
  if (parentColor && FParent && !ComponentState().Contains(csReading)) TakeParentColor();
}

void TControl::SetParentFont(bool parentFont) {
  if (parentFont == FParentFont) return;
  FParentFont = parentFont;
  if (parentFont && FParent && !ComponentState().Contains(csReading)) TakeParentFont();
}

void TControl::TakeParentFont() {
  FTakingParentValue = true;
  FFont.Assign(FParent->Font());
  FTakingParentValue = false;
}

void TControl::TakeParentColor() {
  FTakingParentValue = true;
  SetColor(FParent->Color());
  FTakingParentValue = false;
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (FParent && FParentFont) TakeParentFont();
  if (FParent && FParentColor) TakeParentColor();
}

bool TControl::MouseCapture() const { return TMouseTracker::CaptureControl() == this; }

void TControl::SetMouseCapture(bool capture) {
  if (capture == MouseCapture()) return;
  TMouseTracker::SetCaptureControl(capture ? this : nullptr);
}

// ---------------------------------------------------------------- painting

void TControl::Invalidate() {
  if (!FParent || !FParent->HandleAllocated() || !FVisible) return;
  const RECT bounds = BoundsRect();
  InvalidateRect(FParent->Handle(), &bounds, !FControlStyle.Contains(csOpaque));
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (FPopupMenu == menu) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = menu;
  if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FPopupMenu) FPopupMenu = nullptr;
}
