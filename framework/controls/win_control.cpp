#include "framework/controls/win_control.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <utility>

#include "framework/application/callback_guard.h"
#include "framework/controls/mouse_tracker.h"
#include "framework/controls/window_class_registry.h"
#include "framework/system/exception.h"

namespace {

// The control object of each framework window. Kept in the process, not in a
// window property: every message looks its control up, and under Wine a
// property read is a round trip to the server (about 0.2 ms here).
class TControlMap {
 public:
  void Bind(HWND window, TWinControl* control) {
    std::lock_guard lock(FMutex);
    FControls[window] = control;
  }
  void Unbind(HWND window) {
    std::lock_guard lock(FMutex);
    FControls.erase(window);
  }
  TWinControl* Find(HWND window) {
    std::lock_guard lock(FMutex);
    auto found = FControls.find(window);
    return found == FControls.end() ? nullptr : found->second;
  }

 private:
  std::mutex FMutex;
  std::unordered_map<HWND, TWinControl*> FControls;
};

TControlMap& ControlMap() {
  static TControlMap map;
  return map;
}
// The control whose window is being created: its first message binds them.
thread_local TWinControl* gCreatingControl = nullptr;

HMENU NextChildId() {
  static unsigned id = 100;
  id = id >= 0xFFFF ? 100 : id + 1;
  return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  FBrush.SetColor(Color());
}

TWinControl::~TWinControl() {
  Destroying();
  DestroyHandle();
  DestroyComponents();
  // Children owned elsewhere go with their parent.
  while (!FControls.empty()) delete FControls.back();
}

// ---------------------------------------------------------------- window

TWinControl* TWinControl::FindControl(HWND window) {
  if (!window) return nullptr;
  return ControlMap().Find(window);
}

TWinControl* TWinControl::CreatingControl() { return gCreatingControl; }

LRESULT CALLBACK TWinControl::StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FindControl(window);
  if (!control) {
    control = std::exchange(gCreatingControl, nullptr);
    if (!control) return DefWindowProcW(window, msg, wParam, lParam);
    control->AttachHandle(window);
  }
  TMessage message{msg, wParam, lParam, 0};
  try {
    control->WindowProc(message);
  } catch (...) {
    // A paint that failed would otherwise be asked for again at once, forever.
    if (msg == WM_PAINT) ValidateRect(window, nullptr);
    HandleCallbackException();
  }
  if (msg == WM_NCDESTROY) {
    if (TWinControl* owner = FindControl(window)) owner->DetachHandle();
  } else if (msg == CM_RELEASE && FindControl(window) == control) {
    delete control;  // posted by Release, so nothing of it is on the stack
  }
  return message.Result;
}

void TWinControl::AttachHandle(HWND window) {
  FHandle = window;
  ControlMap().Bind(window, this);
}

void TWinControl::DetachHandle() {
  if (!FHandle) return;
  ControlMap().Unbind(FHandle);
  FHandle = nullptr;
  FTrackingMouseLeave = false;
  SetShowingFlag(false);
  TMouseTracker::CaptureReleased(this);
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  // A parent makes its children's windows along with its own.
  if (Parent()) Parent()->HandleNeeded();
  if (!FHandle) CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = StoredText();
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle().Contains(csAcceptsControls)) {
    params.Style |= WS_CLIPCHILDREN;
    params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (FTabStop) params.Style |= WS_TABSTOP;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = Parent() ? Parent()->Handle() : nullptr;
  params.WinClassName = ClassName();
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  for (TControl* child : FControls) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->CreateHandle();
  }
  UpdateShowing();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  FDefWndProc = TWindowClassRegistry::Register(params, StdWndProc);
  HMENU id = (params.Style & WS_CHILD) ? NextChildId() : nullptr;

  ControlState().Include(csCreating);
  gCreatingControl = this;
  HWND window = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                                params.Style, params.X, params.Y, params.Width, params.Height,
                                params.WndParent, id, GetModuleHandleW(nullptr), nullptr);
  gCreatingControl = nullptr;
  ControlState().Exclude(csCreating);
  if (!window) throw Exception(L"Cannot create a window of class " + params.WinClassName);
  if (FHandle != window) AttachHandle(window);

  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  RECT client{};
  GetClientRect(window, &client);
  FClientSize = SIZE{client.right, client.bottom};
  UpdateBounds();
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  ControlState().Include(csDestroyingHandle);
  DestroyWindow(FHandle);
  DetachHandle();  // in case the window was not ours to destroy
  ControlState().Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  ControlState().Include(csRecreating);
  DestroyHandle();
  CreateHandle();
  ControlState().Exclude(csRecreating);
}

// ---------------------------------------------------------------- children

void TWinControl::InsertControl(TControl* control) {
  control->FParent = this;
  FControls.push_back(control);
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed) FTabList.push_back(windowed);
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
  if (!control->ComponentState().Contains(csReading)) {
    if (control->FParentFont) control->TakeParentFont();
    if (control->FParentColor) control->TakeParentColor();
  }
  if (windowed) {
    if (FHandle && windowed->FHandle) {
      ::SetParent(windowed->FHandle, FHandle);
    } else if (FHandle) {
      windowed->CreateHandle();
    } else {
      windowed->DestroyHandle();
    }
  }
  control->UpdateShowing();
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  auto found = std::find(FControls.begin(), FControls.end(), control);
  if (found == FControls.end()) return;
  control->Invalidate();
  const bool dying = control->ComponentState().Contains(csDestroying);
  if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && !dying) {
    windowed->DestroyHandle();
  }
  FControls.erase(std::find(FControls.begin(), FControls.end(), control));
  FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), control), FTabList.end());
  control->FParent = nullptr;
  TMouseTracker::Forget(control);
  if (!ComponentState().Contains(csDestroying)) {
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
  }
  if (!dying) control->UpdateShowing();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent()) {
    if (c == this) return true;
  }
  return false;
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled) {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* child = *it;
    if (dynamic_cast<TWinControl*>(child)) continue;
    if (!child->Visible() || (!child->Enabled() && !allowDisabled)) continue;
    const RECT bounds = child->BoundsRect();
    if (!PtInRect(&bounds, point)) continue;
    const LPARAM local = MAKELPARAM(point.x - bounds.left, point.y - bounds.top);
    if (child->Perform(CM_HITTEST, 0, local) != 0) return child;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  const std::vector<TControl*> children = FControls;
  for (TControl* child : children) {
    child->WindowProc(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT msg, WPARAM wParam, LPARAM lParam) {
  const std::vector<TControl*> children = FControls;
  for (TControl* child : children) child->Perform(msg, wParam, lParam);
}

// ---------------------------------------------------------------- bounds and showing

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (FHandle) {
    SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateBounds();
    return;
  }
  const int dw = width - Width();
  const int dh = height - Height();
  StoreBounds(left, top, width, height);
  if ((dw || dh) && !ComponentState().Contains(csLoading)) ResizeChildren(dw, dh);
}

void TWinControl::UpdateBounds() {
  if (!FHandle) return;
  RECT bounds{};
  GetWindowRect(FHandle, &bounds);
  if (Parent() && Parent()->FHandle && (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, Parent()->FHandle, reinterpret_cast<POINT*>(&bounds), 2);
  }
  StoreBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  if (IsIconic(FHandle)) return;
  RECT client{};
  GetClientRect(FHandle, &client);
  const int dw = client.right - FClientSize.cx;
  const int dh = client.bottom - FClientSize.cy;
  FClientSize = SIZE{client.right, client.bottom};
  if ((dw || dh) && !ComponentState().Contains(csLoading) && !ControlState().Contains(csCreating)) {
    ResizeChildren(dw, dh);
  }
}

void TWinControl::ResizeChildren(int dw, int dh) {
  const std::vector<TControl*> children = FControls;
  for (TControl* child : children) child->ApplyAnchors(dw, dh);
}

RECT TWinControl::ClientRect() {
  if (!FHandle) return TControl::ClientRect();
  RECT client{};
  GetClientRect(FHandle, &client);
  return client;
}

POINT TWinControl::ClientOrigin() {
  if (!FHandle) return TControl::ClientOrigin();
  POINT origin{0, 0};
  ::ClientToScreen(FHandle, &origin);
  return origin;
}

bool TWinControl::ComputeShowing() const {
  return Visible() && FHandle && (!Parent() || Parent()->Showing());
}

void TWinControl::UpdateShowing() {
  const bool showing = ComputeShowing();
  if (showing == Showing()) return;
  SetShowingFlag(showing);
  Perform(CM_SHOWINGCHANGED);
  const std::vector<TControl*> children = FControls;
  for (TControl* child : children) child->UpdateShowing();
}

void TWinControl::SetWindowShowing(bool show) {
  ShowWindow(FHandle, show ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  SortTabList();
}
