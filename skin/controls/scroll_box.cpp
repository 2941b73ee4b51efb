#include "skin/controls/scroll_box.h"

#include <algorithm>

#include "core/controls/scroll_strip.h"
#include "framework/application/application.h"
#include "framework/forms/custom_form.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"
#include "skin/window/scroll_attach.h"

namespace {

// Posted to itself: the window is made anew after the skin-removal broadcast,
// not under the procedure that is handling it.
constexpr UINT kRecreateMessage = WM_APP + 0x3A1;

}  // namespace

TsScrollBox::TsScrollBox(TComponent* owner) : TScrollBox(owner), SkinData(this, true) {
  SkinData.COC = 58;
  SetBounds(0, 0, 185, 41);
}

TsScrollBox::~TsScrollBox() { ListSW.reset(); }

void TsScrollBox::Loaded() {
  TScrollBox::Loaded();
  SkinData.Loaded();
}

bool TsScrollBox::Ready() const {
  const TComponentState state = ComponentState();
  return Parent() && !state.Contains(csLoading) && !state.Contains(csReading) && !state.Contains(csDestroying) &&
         HandleAllocated();
}

bool TsScrollBox::SkinActive() const {
  TsSkinManager* manager = SkinData.SkinManager();
  return manager && manager->Active() && SkinData.Skinned();
}

void TsScrollBox::AttachWrapper() {
  if (HandleAllocated()) AttachScrollBars(SkinData, ListSW, TScrollWndKind::Plain, true);
}

bool TsScrollBox::PrepareCache() {
  if (!::PrepareCache(SkinData, 0)) return false;
  if (OnPaint && SkinData.CacheBmp()) OnPaint(this, *SkinData.CacheBmp());
  return true;
}

void TsScrollBox::Paint(HDC dc) {
  if (!SkinActive() || !Ready()) return;
  ++Paints;
  const bool own = dc == nullptr;
  if (own) dc = GetDC(Handle());
  const int b = BorderWidth();
  const RECT client = ClientRect();
  if (SkinData.ComplexPainting() || OnPaint) {
    if (!SkinData.Updating() && (SkinData.BGChanged || SkinData.HalfVisible || !SkinData.CacheBmp() ||
                                 SkinData.CacheBmp()->Empty())) {
      SkinData.HalfVisible = false;
      PrepareCache();
    }
    if (!SkinData.Updating()) {
      SkinData.CopyCacheToDC(RECT{b, b, b + client.right, b + client.bottom}, 0, 0, false, dc, client);
      PaintControls(dc);
    }
  } else {
    SkinData.SetUpdating(false);
    HBRUSH brush = CreateSolidBrush(ColorToRGB(SkinData.BackgroundColor(0)));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    PaintControls(dc);
    SkinData.ClearCache();
  }
  if (own) ReleaseDC(Handle(), dc);
  for (int i = 0; i < ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(Controls(i));
    if (child && child->HandleAllocated()) SendSkinCommand(child->Handle(), SKC_PARENT_UPDATED);
  }
}

void TsScrollBox::BeforeScroll(int bar) {
  if (OnBeforeScroll) OnBeforeScroll(this);
  FScrollStart = bar == SB_HORZ ? HorzPosition() : VertPosition();
  if (SkinData.ComplexPainting() && BarOf(bar).Tracking) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TsScrollBox::AfterScroll(int bar) {
  HWND window = Handle();
  if (SkinData.ComplexPainting()) {
    if (BarOf(bar).Tracking) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  } else if (BarOf(bar).Tracking) {
    // d from the position kept when the step began, never from a distance:
    // an after-scroll without its before-scroll then costs a strip, not stale pixels.
    const int now = bar == SB_HORZ ? HorzPosition() : VertPosition();
    const RECT client = ClientRect();
    const auto strip = zelvan::controls::UncoveredStrip(bar == SB_HORZ, FScrollStart - now, client.right, client.bottom);
    FScrollStart = now;
    LastStrip = RECT{strip.Left, strip.Top, strip.Right, strip.Bottom};
    if (!strip.IsEmpty()) {
      RedrawWindow(window, &LastStrip, nullptr,
                   RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    }
  }
  if (OnAfterScroll) OnAfterScroll(this);
}

bool TsScrollBox::Wheel(TMessage& message) {
  if (FInWheel) return true;
  TCustomForm* form = GetParentForm(this);
  if (!form) {
    message.Result = 1;
    return true;
  }
  if (TWinControl* active = form->ActiveControl(); active && active != this && active->HandleAllocated()) {
    FInWheel = true;
    const LRESULT handled = SendMessageW(active->Handle(), message.Msg, message.WParam, message.LParam);
    FInWheel = false;
    RefreshScrollBars(ListSW.get());
    if (handled) {
      message.Result = 1;
      return true;
    }
  }
  const int delta = GET_WHEEL_DELTA_WPARAM(message.WParam);
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(Handle(), SB_VERT, &info);
  const int last = std::max(0, info.nMax - static_cast<int>(info.nPage) + 1);
  const int target =
      std::clamp(zelvan::controls::WheelPosition(VertPosition(), delta, VertScrollBar().Increment), 0, last);
  if (target != VertPosition()) {
    if (OnBeforeScroll) OnBeforeScroll(this);
    ScrollTo(HorzPosition(), target);
    RefreshScrollBars(ListSW.get());
    if (OnAfterScroll) OnAfterScroll(this);
  }
  message.Result = 1;
  return true;
}

bool TsScrollBox::SkinCommand(TMessage& message) {
  const uint16_t code = SkinCommandCode(message.WParam);
  const bool own = message.LParam == reinterpret_cast<LPARAM>(SkinData.SkinManager());
  const int bar = HIWORD(message.LParam) == WM_HSCROLL ? SB_HORZ : SB_VERT;
  switch (code) {
    case SKC_SKIN_REMOVED:
      if (own) {
        ListSW.reset();
        SkinData.CommandHandler(message);
        if (!ComponentState().Contains(csDestroying) && HandleAllocated() && !FRecreatePending) {
          FRecreatePending = true;
          PostMessageW(Handle(), kRecreateMessage, 0, 0);
        }
        return true;
      }
      return SkinData.CommandHandler(message);
    case SKC_REFRESH:
      SkinData.CommandHandler(message);
      if (own && HandleAllocated()) {
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN |
                                                     (SkinData.Updating() ? 0 : RDW_UPDATENOW));
        AttachWrapper();
      }
      return true;
    case SKC_PARENT_UPDATED:
      if (SkinData.Updating()) {
        SkinData.SetUpdating(false);
        if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return true;
      }
      return SkinData.CommandHandler(message);
    case SKC_IS_SKINNED:
      message.Result = 1;
      return true;
    case SKC_REPAINT_NOW:
      if (HandleAllocated()) {
        RedrawWindow(Handle(), nullptr, nullptr,
                     RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
      }
      return true;
    case SKC_BEFORE_SCROLL:
      if (Ready()) BeforeScroll(bar);
      return true;
    case SKC_AFTER_SCROLL:
      if (Ready()) AfterScroll(bar);
      return true;
    case SKC_GET_APPLICATION:
      message.Result = reinterpret_cast<LRESULT>(Application);
      return true;
    case SKC_GET_UPDATING:
      if (!SkinActive() || !Ready()) break;
      message.Result = SkinData.ComplexPainting() && SkinData.Updating() ? 1 : 0;
      return true;
    case SKC_GET_BG_INFO: {
      if (!SkinActive() || !Ready()) break;
      auto* request = reinterpret_cast<TBgRequest*>(message.LParam);
      if (SkinData.BGChanged || !SkinData.CacheBmp() || SkinData.CacheBmp()->Empty()) PrepareCache();
      const bool intoDC = request->PaintToDC;
      SkinData.AnswerBgRequest(*request, 0, Handle());
      // Children lie in the client area; the cache holds the border too.
      if (request->Kind == bgBitmap && !intoDC) {
        request->X += BorderWidth();
        request->Y += BorderWidth();
      }
      message.Result = 1;
      return true;
    }
    default:
      break;
  }
  return SkinData.CommandHandler(message);
}

void TsScrollBox::WndProc(TMessage& message) {
  if (message.Msg == SKM_COMMAND) {
    if (!SkinCommand(message)) TScrollBox::WndProc(message);
    return;
  }
  if (message.Msg == kRecreateMessage) {
    FRecreatePending = false;
    if (!SkinActive()) {
      SkinData.SkinIndex = -1;
      SkinData.BorderIndex = -1;
      RecreateWnd();
    }
    return;
  }
  if (message.Msg == CM_MOUSEENTER && OnMouseEnter) OnMouseEnter(this);
  if (message.Msg == CM_MOUSELEAVE && OnMouseLeave) OnMouseLeave(this);
  if (message.Msg == WM_MOUSEWHEEL && FAutoMouseWheel && Wheel(message)) return;
  if (!SkinActive() || !Ready()) {
    TScrollBox::WndProc(message);
    if (message.Msg == CM_SHOWINGCHANGED) AttachWrapper();
    SkinData.CommonMessage(message);
    return;
  }
  switch (message.Msg) {
    case WM_ERASEBKGND:
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC dc = message.WParam ? reinterpret_cast<HDC>(message.WParam) : BeginPaint(Handle(), &ps);
      PaintControls(dc);
      if (!message.WParam) EndPaint(Handle(), &ps);
      message.Result = 0;
      return;
    }
    case CM_VISIBLECHANGED:
      SkinData.BGChanged = true;
      break;
    default:
      break;
  }
  TScrollBox::WndProc(message);
  SkinData.CommonMessage(message);
  switch (message.Msg) {
    case WM_SIZE:
      SkinData.BGChanged = true;
      RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
      break;
    case WM_MOVE:
    case CM_CONTROLLISTCHANGE:
    case CM_CONTROLCHANGE:
    case WM_PARENTNOTIFY:
      if (AutoScroll() && !SkinData.Updating()) RefreshScrollBars(ListSW.get());
      break;
    case CM_SHOWINGCHANGED:
      AttachWrapper();
      break;
    default:
      break;
  }
}
