#include "skin/menus/menu_wnd.h"

#include <algorithm>
#include <string>

#include "framework/application/application.h"
#include "framework/graphics/bitmap.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_messages.h"
#include "skin/menus/skinable_menus.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"

namespace {

// One skin data for every menu wrapper, made once and kept: the wrappers
// only read the manager and section from it, and data freed with a wrapper
// was still reached later by the platform's activation messages.
TsCommonData* SharedMenuData() {
  static auto* data = [] {
    auto* made = new TsCommonData(nullptr, false);
    made->SetSkinSection("MAINMENU");
    return made;
  }();
  return data;
}

bool IsMenuWindow(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  return std::wstring(name) == L"#32768";
}

}  // namespace

std::vector<TacMnuWnd*>& SkinnedMenuWindows() {
  static std::vector<TacMnuWnd*> list;
  return list;
}

void WrapMenuWindow(HWND window, TsSkinManager* manager) {
  if (!window || !manager || WrapperOf(window) || !IsMenuWindow(window)) return;
  FreeMenuWrappers(false);
  SkinnedMenuWindows().push_back(Wrap<TacMnuWnd>(window, manager));
}

void FreeMenuWrappers(bool all) {
  auto& list = SkinnedMenuWindows();
  std::vector<TacMnuWnd*> keep;
  for (TacMnuWnd* wrapper : list) {
    if (all || wrapper->Destroyed) {
      delete wrapper;
    } else {
      keep.push_back(wrapper);
    }
  }
  list = std::move(keep);
}

void FreeMenuWrappersOf(TsSkinManager* manager) {
  auto& list = SkinnedMenuWindows();
  std::vector<TacMnuWnd*> keep;
  for (TacMnuWnd* wrapper : list) {
    if (wrapper->SkinManager == manager) {
      delete wrapper;
    } else {
      keep.push_back(wrapper);
    }
  }
  list = std::move(keep);
}

TacMnuWnd::TacMnuWnd(HWND handle, TsSkinManager* manager)
    : TacMainWnd(handle, SharedMenuData(), manager, "MAINMENU", false) {}

void TacMnuWnd::WrapperWndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      return WindowGone(message);
    case WM_TIMER:
      CallPrevWndProc(message);
      return;
    case SKM_COMMAND:
      switch (SkinCommandCode(message.WParam)) {
        case SKC_IS_SKINNED:
          message.Result = 1;
          return;
        case SKC_SET_UPDATING:
          message.Result = RgnChanged ? 1 : 0;
          return;
        case SKC_MENU_BORDER:
          if (IsWindowVisible(CtrlHandle)) RgnChanged = true;
          message.Result = 0;
          return;
        case SKC_GET_APPLICATION:
          message.Result = reinterpret_cast<LRESULT>(Application);
          return;
        default:
          break;
      }
      break;
    default:
      break;
  }
  if (!TsSkinableMenus::SkinnedPopupFlag()) return TacMainWnd::WrapperWndProc(message);
  switch (message.Msg) {
    case WM_ERASEBKGND:
      return EraseBackground(message);
    case WM_NCPAINT:
      CallPrevWndProc(message);
      PaintFrame();
      ApplyOpacity();
      Shown = true;
      return;
    case WM_PAINT:
      // Wine's menu window has no frame to paint: its first paint shows it.
      CallPrevWndProc(message);
      if (!Shown) ApplyOpacity();
      Shown = true;
      return;
    default:
      return TacMainWnd::WrapperWndProc(message);
  }
}

void TacMnuWnd::EraseBackground(TMessage& message) {
  message.Result = 1;
  RgnChanged = false;
  auto dc = reinterpret_cast<HDC>(message.WParam);
  TacMenuInfo* info = TsSkinableMenus::MenuInfoOf(CtrlHandle);
  if (!info || !info->Bmp) {
    CallPrevWndProc(message);
    return;
  }
  RECT client{};
  GetClientRect(CtrlHandle, &client);
  RECT bounds{};
  GetWindowRect(CtrlHandle, &bounds);
  POINT origin{0, 0};
  ClientToScreen(CtrlHandle, &origin);
  CopyBitmapToDC(*info->Bmp, dc, client, POINT{origin.x - bounds.left, origin.y - bounds.top});
}

// The frame strips (window minus client) from the popup's background.
void TacMnuWnd::PaintFrame() {
  TacMenuInfo* info = TsSkinableMenus::MenuInfoOf(CtrlHandle);
  if (!info || !info->Bmp) return;
  RECT bounds{};
  GetWindowRect(CtrlHandle, &bounds);
  POINT origin{0, 0};
  ClientToScreen(CtrlHandle, &origin);
  RECT client{};
  GetClientRect(CtrlHandle, &client);
  OffsetRect(&client, origin.x - bounds.left, origin.y - bounds.top);
  if (client.left == 0 && client.top == 0 && client.right == bounds.right - bounds.left &&
      client.bottom == bounds.bottom - bounds.top) {
    return;  // no frame outside the client area
  }
  HDC dc = GetWindowDC(CtrlHandle);
  if (!dc) return;
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  CopyBitmapToDC(*info->Bmp, dc, RECT{0, 0, info->Bmp->Width(), info->Bmp->Height()}, POINT{0, 0});
  RestoreDC(dc, saved);
  ReleaseDC(CtrlHandle, dc);
}

void TacMnuWnd::ApplyOpacity() {
  const uint8_t alpha = SkinManager ? SkinManager->MenuSupport.AlphaBlend : 255;
  const LONG_PTR ex = GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE);
  if (alpha == 255) {
    if (ex & WS_EX_LAYERED) SetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    return;
  }
  if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  SetLayeredWindowAttributes(CtrlHandle, 0, alpha, LWA_ALPHA);
}

void TacMnuWnd::WindowGone(TMessage& message) {
  if (Destroyed) {
    CallPrevWndProc(message);
    return;
  }
  if (OldProc) {
    CallPrevWndProc(message);
  } else {
    message.Result = DefWindowProcW(CtrlHandle, message.Msg, message.WParam, message.LParam);
  }
  Detach();
  RgnChanged = false;
  TsSkinableMenus::ClearMenuInfo();
  bool others = false;
  for (TacMnuWnd* wrapper : SkinnedMenuWindows()) {
    if (wrapper == this || wrapper->Destroyed) continue;
    others = true;
    RedrawWindow(wrapper->CtrlHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  }
  // This wrapper is still running: the others go now, it goes with the next.
  auto& list = SkinnedMenuWindows();
  std::vector<TacMnuWnd*> keep;
  for (TacMnuWnd* wrapper : list) {
    if (wrapper != this && wrapper->Destroyed) {
      delete wrapper;
    } else {
      keep.push_back(wrapper);
    }
  }
  list = std::move(keep);
  if (!others) TsSkinableMenus::SkinnedPopupFlag() = false;
}
