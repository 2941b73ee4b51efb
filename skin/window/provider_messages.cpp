// TsSkinProvider: the form's messages while it is skinned.
#include <windowsx.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/application/application.h"
#include "framework/controls/messages.h"
#include "framework/forms/custom_form.h"
#include "skin/core/glow.h"
#include "skin/core/skin_messages.h"
#include "skin/core/state_fade.h"
#include "skin/core/window_animation.h"
#include "skin/paint/control_paint.h"
#include "skin/store/manager_seams.h"
#include "skin/store/skin_manager.h"
#include "skin/store/skin_preview.h"
#include "skin/window/border_form.h"
#include "skin/window/ctrl_adapter.h"
#include "skin/window/skin_provider.h"

namespace {

// The platform's system-menu requests, which need the system-menu style.
bool IsSysMenuRequest(const TMessage& m) {
  switch (m.Msg) {
    case WM_SYSCOMMAND: {
      const WPARAM command = m.WParam & 0xFFF0;
      return command == SC_MOUSEMENU || (command == SC_KEYMENU && m.LParam == L' ');
    }
    case WM_NCLBUTTONDOWN:
      return m.WParam == HTSYSMENU;
    case WM_CONTEXTMENU:
    case WM_NCRBUTTONUP:
    case 0x0313:  // WM_POPUPSYSTEMMENU
      return true;
    default:
      return false;
  }
}

RECT WorkArea(HWND window, const RECT* around) {
  HMONITOR monitor = around ? MonitorFromRect(around, MONITOR_DEFAULTTONEAREST)
                          : MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(monitor, &info);
  // A stay-on-top window may cover the task bar.
  return GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST ? info.rcMonitor : info.rcWork;
}

}  // namespace

void TsSkinProvider::WndProc(TMessage& message, const TWndMethod& next) {
  if (message.Msg == SKM_COMMAND) {
    if (!SkinCommand(message)) next(message);
    BorderAfter(message);
    return;
  }
  if (message.Msg == 0xBC4D) {  // the region query is answered only above this procedure
    message.Result = 0;
    return;
  }
  if (message.Msg == WM_NCDESTROY) {
    RemoveExBorders();
    // A re-created window starts unskinned again.
    FPrepared = FRgnApplied = false;
    SkinData.ClearCache();
    SkinData.BGChanged = true;
    return next(message);
  }
  if (!FPrepared && !Gone() && FForm->HandleAllocated() && message.Msg != WM_NCCREATE) PrepareForm();
  if (Gone() || !Skinned() || !SkinnedMessage(message, next)) next(message);
  BorderAfter(message);
}

// ---------------------------------------------------------------- extended border

void TsSkinProvider::BorderAfter(const TMessage& m) {
  switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_NCACTIVATE:
    case WM_SIZE:
    case WM_SHOWWINDOW:
      UpdateExBorders();
      return;
    case WM_SETREDRAW:
      // The end of a skin change's lock, under which no border was made.
      if (m.WParam) UpdateExBorders();
      return;
    case SKM_COMMAND:
      switch (SkinCommandCode(m.WParam)) {
        case SKC_SKIN_REMOVED:
          RemoveExBorders();
          return;
        case SKC_SKIN_LOADED:
        case SKC_REFRESH:
          if (FBorderForm) FBorderForm->Invalidate();  // new templates
          UpdateExBorders();
          return;
        default:
          return;
      }
    default:
      return;
  }
}

void TsSkinProvider::UpdateExBorders() {
  if (Gone() || !FForm->HandleAllocated()) return RemoveExBorders();
  FollowExtendedBorder(FBorderForm, FForm->Handle(), SkinData.SkinManager(), ExBorders() && SkinsFrame(),
                       FormActive, this);
}

bool TsSkinProvider::FromBorderForm() const { return FBorderForm && FBorderForm->InMouseMsg(); }

void TsSkinProvider::RemoveExBorders() { FBorderForm.reset(); }

// True when the message was dealt with (the next procedure ran or must not).
bool TsSkinProvider::SkinnedMessage(TMessage& m, const TWndMethod& next) {
  const bool frame = SkinsFrame();
  const bool caption = frame && HasCaption();
  if (caption && CaptionMouse(m, next)) return true;
  if (frame && IsSysMenuRequest(m)) {
    SysMenuCall(m, next);
    return true;
  }
  switch (m.Msg) {
    case WM_NCPAINT:
      if (!frame) return false;
      PaintNC();
      m.Result = 0;
      return true;
    case WM_NCACTIVATE:
      if (!frame) return false;
      Activate(m, next);
      return true;
    case WM_SETTEXT:
    case WM_SETICON:
      if (!caption) return false;
      HiddenCaptionCall(m, next);
      return true;
    case WM_NCHITTEST: {
      if (!caption) return false;
      const TFactsScope facts(*this);
      m.Result = FrameHitTest(ScreenToCache(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}));
      return true;
    }
    case WM_NCLBUTTONDOWN:
      // The caption buttons had it first; the caption and edges may be dragged.
      if (caption && CaptionDragBlended(m)) return true;
      return frame && OutlineDragStarted(m);
    case WM_SHOWWINDOW:
      ShowWindowAnimated(m, next);
      return true;
    case WM_SYSCOMMAND:
      return SysCommandAnimated(m, next);
    case CM_RELEASE:
      ReleaseAnimated(m, next);
      return true;
    case WM_CLOSE:
      next(m);
      // The main form's close ends the application: it fades out first.
      if (!Gone() && Application && Application->Terminated() && FForm == Application->MainForm() &&
          HideAnimated()) {
        FormState |= fsClosingAnimated;
        ShowWindow(FForm->Handle(), SW_HIDE);
      }
      return true;
    case WM_ERASEBKGND:
      if (!DrawClientArea) return false;
      EraseBackground(m);
      return true;
    case WM_PAINT:
      if (!DrawClientArea) return false;
      ClientPaint(m);
      return true;
    case WM_PRINT:
      Print(m);
      return true;
    case WM_PRINTCLIENT:
      m.Result = 0;
      return true;
    case WM_SIZE:
      Sized(m, next);
      return true;
    case WM_GETMINMAXINFO:
      MinMaxInfo(m, next);
      return true;
    case WM_ENTERSIZEMOVE:
    case WM_EXITSIZEMOVE:
      FSizeMoving = m.Msg == WM_ENTERSIZEMOVE;
      return false;
    case WM_WINDOWPOSCHANGING:
      Snap(m);
      return false;
    case WM_MOVE:
      RemoveAllGlows();  // they would stay at the old place on the screen
      return false;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
      FMetrics.clear();
      SkinData.BGChanged = true;
      return false;
    case WM_SETREDRAW:
      // The platform's flag is not nested: the last value holds.
      FRedrawOff = m.WParam == 0;
      return false;
    case WM_QUERYENDSESSION: {
      // Running animations may finish, but a timer that cannot tick must not
      // hold the session's end for ever.
      SetSessionEnding(true);
      const DWORD start = GetTickCount();
      MSG msg;
      while (FadeTimerCount() > 0 && GetTickCount() - start < 1000) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      }
      return false;
    }
    case WM_ENTERIDLE:
      m.Result = 0;
      return true;
    case WM_MOUSEMOVE:
      next(m);
      // The mouse is on the form itself: no windowed control is hot any more.
      if (!Gone()) SkinData.SkinManager()->SetActiveControl(nullptr);
      return true;
    case CM_ENABLEDCHANGED:
      next(m);
      SkinData.BGChanged = true;
      return true;
    case WM_PARENTNOTIFY:
      next(m);
      if (LOWORD(m.WParam) == WM_CREATE && !FForm->ComponentState().Contains(csLoading)) {
        AttachAdapter();
        ToldChildren(SKC_GET_SKIN_STATE, 1);
      }
      return true;
    case CM_CONTROLLISTCHANGE:
      next(m);
      if (m.LParam == 1 && FAdapter) {
        if (auto* control = dynamic_cast<TWinControl*>(reinterpret_cast<TControl*>(m.WParam))) {
          FAdapter->AddNewItem(control);
          PerformSkinCommand(control, SKC_GET_SKIN_STATE, 1);
        }
      }
      return true;
    case CM_SHOWINGCHANGED:
      next(m);
      if (!FForm->Showing()) {
        SkinData.ClearCache();
        SkinData.BGChanged = true;
      } else {
        AnnounceToPreviewTool(FForm);
      }
      return true;
    case WM_COPYDATA:
    case kPreviewMessage:
      return PreviewMessage(FForm, m, next);
    default:
      return false;
  }
}

// ---------------------------------------------------------------- caption

// lParam -1 asks the platform not to repaint the non-client area; its
// answer goes back unchanged (FALSE to a deactivation would block it).
void TsSkinProvider::Activate(TMessage& m, const TWndMethod& next) {
  const bool active = m.WParam != 0;
  if (active != FormActive && !(FormState & fsFrozenActive)) {
    FormActive = active;
    const TsSkinManager* manager = SkinData.SkinManager();
    const int title = TitleSkinIndex();
    const bool formStates = SkinData.Section() && SkinData.Section()->States > 1;
    const bool titleStates = manager->IsValidSkinIndex(title) && manager->gd[static_cast<size_t>(title)].States > 1;
    if (formStates || titleStates) SkinData.BGChanged = true;
  }
  m.LParam = -1;
  FormState |= fsInNcActivate;
  next(m);
  FormState &= ~fsInNcActivate;
  PaintNC();
}

// The platform paints its caption straight away on these messages when the
// window is visible: the visible style is off while they run.
void TsSkinProvider::HiddenCaptionCall(TMessage& m, const TWndMethod& next) {
  HWND window = FForm->Handle();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const bool visible = (style & WS_VISIBLE) != 0;
  if (visible) SetWindowLongPtrW(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_VISIBLE));
  next(m);
  if (visible && IsWindow(window)) {
    SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_VISIBLE);
  }
  FGlow1 = {};
  FGlow2 = {};
  SkinData.BGChanged = true;
  if (visible) PaintNC();
}

void TsSkinProvider::SysMenuCall(TMessage& m, const TWndMethod& next) {
  HWND window = FForm->Handle();
  const bool lend = FormHasSysMenu() && !(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU);
  if (lend) SetSysMenuStyle(true);
  next(m);
  if (lend && !Gone() && IsWindow(window)) SetSysMenuStyle(false);
}

// ---------------------------------------------------------------- client

void TsSkinProvider::CopyClientFromCache(HDC dc, const RECT& area) {
  TBitmap* cache = SkinData.CacheBmp();
  if (!cache || cache->Empty()) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  for (int i = 0; i < FForm->ControlCount(); ++i) {
    TControl* child = FForm->Controls(i);
    if (dynamic_cast<TWinControl*>(child) || !child->Visible() || !child->ControlStyle().Contains(csOpaque)) continue;
    const RECT r = child->BoundsRect();
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  CopyBitmapToDC(*cache, dc, area, POINT{area.left + OffsetX(), area.top + OffsetY()});
  RestoreDC(dc, saved);
}

void TsSkinProvider::EraseBackground(TMessage& m) {
  m.Result = 1;
  if (!FForm->Showing() || SkinData.Updating() || FormsLocked) return;
  auto dc = reinterpret_cast<HDC>(m.WParam);
  RECT client{};
  GetClientRect(FForm->Handle(), &client);
  if (!PlainBackground() && UpdateCache()) {
    CopyClientFromCache(dc, client);
    ToldChildren(SKC_PARENT_UPDATED);
    return;
  }
  HBRUSH brush = CreateSolidBrush(FormColor());
  FillRect(dc, &client, brush);
  DeleteObject(brush);
}

// The cache (or the form's colour and paint routine), then the windowless
// children, which the form's own painting would otherwise have drawn.
void TsSkinProvider::ClientPaint(TMessage& m) {
  HWND window = FForm->Handle();
  auto given = reinterpret_cast<HDC>(m.WParam);
  PAINTSTRUCT ps{};
  HDC dc = given ? given : BeginPaint(window, &ps);
  RECT area{};
  GetClientRect(window, &area);
  if (!given) area = ps.rcPaint;
  if (given || !FormsLocked) {
    if (!PlainBackground() && UpdateCache()) {
      CopyClientFromCache(dc, area);
    } else {
      HBRUSH brush = CreateSolidBrush(FormColor());
      FillRect(dc, &area, brush);
      DeleteObject(brush);
      FForm->PaintTo(dc);
    }
    FForm->PaintControls(dc);
  }
  if (!given) EndPaint(window, &ps);
  m.Result = 0;
}

void TsSkinProvider::Print(TMessage& m) {
  HWND window = FForm->Handle();
  auto dc = reinterpret_cast<HDC>(m.WParam);
  const auto flags = static_cast<DWORD>(m.LParam);
  m.Result = 0;
  if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(window)) return;
  ForbidCompositorTransitions(window, true);
  if (!UpdateCache()) return;
  TBitmap& cache = *SkinData.CacheBmp();
  SkinData.PrintDC = dc;
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  const RECT client = ClientInWindow();
  int dx = 0, dy = 0;
  if (flags & PRF_NONCLIENT) {
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    const POINT at = CacheOrigin();
    CopyBitmapToDC(cache, dc, RECT{at.x, at.y, at.x + cache.Width(), at.y + cache.Height()}, POINT{0, 0});
    RestoreDC(dc, saved);
    dx = client.left;
    dy = client.top;
  }
  if (flags & PRF_CLIENT) {
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, origin.x + dx, origin.y + dy, nullptr);
    const RECT area{0, 0, client.right - client.left, client.bottom - client.top};
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    if (!PlainBackground()) {
      CopyBitmapToDC(cache, dc, area, POINT{OffsetX(), OffsetY()});
    } else {
      HBRUSH brush = CreateSolidBrush(FormColor());
      FillRect(dc, &area, brush);
      DeleteObject(brush);
      FForm->PaintTo(dc);
    }
    FForm->PaintControls(dc);
    if (flags & PRF_CHILDREN) {
      // Bottom of the z-order first, so the top child is printed last.
      std::vector<HWND> children;
      for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
      for (auto it = children.rbegin(); it != children.rend(); ++it) {
        if (!IsWindowVisible(*it)) continue;
        RECT r{};
        GetWindowRect(*it, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        const int inner = SaveDC(dc);
        SetViewportOrgEx(dc, origin.x + dx + r.left, origin.y + dy + r.top, nullptr);
        SendMessageW(*it, WM_PRINT, m.WParam, PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
        RestoreDC(dc, inner);
      }
    }
    RestoreDC(dc, saved);
  }
  SkinData.PrintDC = nullptr;
}

// ---------------------------------------------------------------- size and place

void TsSkinProvider::Sized(TMessage& m, const TWndMethod& next) {
  SkinData.SetUpdating(true);  // children placed by the old procedure wait for the new picture
  next(m);
  SkinData.SetUpdating(false);
  if (FormsLocked) return;
  RgnChanged = true;
  SkinData.BGChanged = true;
  FGlow1 = {};
  FGlow2 = {};
  HWND window = FForm->Handle();
  if (!IsWindowVisible(window) || m.WParam == SIZE_MINIMIZED) return;
  PaintNC();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE);
  if (SkinData.BGType & 3) {
    for (int i = 0; i < FForm->ControlCount(); ++i) {
      PerformSkinCommand(FForm->Controls(i), SkinCommandWParam(SKC_PARENT_BG_CHANGED, 1), 0);
    }
  }
  ToldChildren(SKC_PARENT_UPDATED);
}

// Maximised over the work area (the monitor for stay-on-top forms), the
// frame beyond its edges.
void TsSkinProvider::MinMaxInfo(TMessage& m, const TWndMethod& next) {
  HWND window = FForm->Handle();
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
  const bool framed = (style & (WS_CAPTION | WS_THICKFRAME)) != 0 && !(style & WS_CHILD);
  if (info && framed) {
    HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(monitor, &mi);
    const RECT work = WorkArea(window, nullptr);
    const auto bounds = zelvan::paint::MaximizedBounds({mi.rcMonitor.left, mi.rcMonitor.top, mi.rcMonitor.right, mi.rcMonitor.bottom},
                                                       {work.left, work.top, work.right, work.bottom}, PlatformFrameWidth());
    info->ptMaxPosition = POINT{bounds.Position.X, bounds.Position.Y};
    info->ptMaxSize = POINT{bounds.Size.X, bounds.Size.Y};
  }
  next(m);
}

void TsSkinProvider::Snap(TMessage& m) {
  auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
  HWND window = FForm->Handle();
  if (!ScreenSnap || !FSizeMoving || !pos || (pos->flags & SWP_NOMOVE) || IsZoomed(window) || IsIconic(window)) return;
  RECT now{};
  GetWindowRect(window, &now);
  const int width = pos->flags & SWP_NOSIZE ? now.right - now.left : pos->cx;
  const int height = pos->flags & SWP_NOSIZE ? now.bottom - now.top : pos->cy;
  const RECT wanted{pos->x, pos->y, pos->x + width, pos->y + height};
  const RECT work = WorkArea(window, &wanted);
  const zelvan::paint::TPoint at = zelvan::paint::SnapToWorkArea(
      {pos->x, pos->y}, width, height, {work.left, work.top, work.right, work.bottom}, SnapBuffer);
  pos->x = at.X;
  pos->y = at.Y;
}
