#include "framework/menus/menu.h"

#include <algorithm>
#include <vector>

#include "framework/application/callback_guard.h"

template <class F>
static bool GuardCallback(F&& body) {
  try {
    return body();
  } catch (...) {
    HandleCallbackException();
    return true;
  }
}

namespace {

std::vector<TMenu*>& LiveMenus() {
  static auto* menus = new std::vector<TMenu*>();  // never destroyed: menus may be freed at exit
  return *menus;
}

TOwnerDrawState DrawState(UINT state) {
  TOwnerDrawState result;
  if (state & ODS_SELECTED) result.Include(odSelected);
  if (state & ODS_GRAYED) result.Include(odGrayed);
  if (state & ODS_DISABLED) result.Include(odDisabled);
  if (state & ODS_CHECKED) result.Include(odChecked);
  if (state & ODS_FOCUS) result.Include(odFocused);
  if (state & ODS_DEFAULT) result.Include(odDefault);
  if (state & ODS_NOACCEL) result.Include(odNoAccel);
  return result;
}

// The item a measure or draw message carries, when it is still alive.
TMenuItem* CarriedItem(ULONG_PTR data) {
  auto* item = reinterpret_cast<TMenuItem*>(data);
  return TMenuItem::IsAlive(item) ? item : nullptr;
}

LRESULT CALLBACK PopupListProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  const bool handled = GuardCallback([&] {
    switch (msg) {
      case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure->CtlType != ODT_MENU) return false;
        TMenuItem* item = CarriedItem(measure->itemData);
        if (!item) return false;
        HDC dc = GetDC(window);
        HFONT old = static_cast<HFONT>(SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT)));
        int width = 0, height = 0;
        item->MeasureItem(dc, width, height);
        SelectObject(dc, old);
        ReleaseDC(window, dc);
        measure->itemWidth = static_cast<UINT>(std::max(width, 0));
        measure->itemHeight = static_cast<UINT>(std::max(height, 0));
        result = TRUE;
        return true;
      }
      case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (draw->CtlType != ODT_MENU) return false;
        TMenuItem* item = CarriedItem(draw->itemData);
        if (!item) return false;
        const int saved = SaveDC(draw->hDC);
        item->AdvancedDrawItem(draw->hDC, draw->rcItem, DrawState(draw->itemState));
        RestoreDC(draw->hDC, saved);
        result = TRUE;
        return true;
      }
      case WM_COMMAND:
        if (HIWORD(wParam) != 0 || lParam != 0) return false;
        if (TMenuItem* item = FindMenuItemByCommand(LOWORD(wParam))) item->Click();
        return true;
      case WM_INITMENUPOPUP:
        // A submenu's own click runs as it opens (so it can fill its children).
        if (TMenuItem* item = FindMenuItemBySubMenu(reinterpret_cast<HMENU>(wParam))) item->Click();
        return true;
      default:
        return false;
    }
  });
  return handled ? result : DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

TMenu::TMenu(TComponent* owner) : TComponent(owner) {
  FItems.FMenu = this;
  LiveMenus().push_back(this);
}

TMenu::~TMenu() {
  auto& menus = LiveMenus();
  menus.erase(std::remove(menus.begin(), menus.end(), this), menus.end());
  DestroyHandle();
}

HMENU TMenu::Handle() {
  DestroyHandle();
  FHandle = CreateMenuHandle();
  if (FHandle) FItems.BuildInto(FHandle, FOwnerDraw);
  return FHandle;
}

void TMenu::DestroyHandle() {
  if (FHandle) DestroyMenu(FHandle);  // frees the submenus too
  FHandle = nullptr;
}

TMenuItem* FindMenuItemByCommand(UINT command) {
  for (TMenu* menu : LiveMenus()) {
    if (!menu->CurrentHandle()) continue;
    if (TMenuItem* item = menu->Items().Find(command)) return item;
  }
  return nullptr;
}

TMenuItem* FindMenuItemBySubMenu(HMENU handle) {
  if (!handle) return nullptr;
  for (TMenu* menu : LiveMenus()) {
    if (!menu->CurrentHandle()) continue;
    if (TMenuItem* item = menu->Items().FindBySubMenu(handle)) return item;
  }
  return nullptr;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}
TPopupMenu::~TPopupMenu() = default;

HWND TPopupMenu::PopupListWindow() {
  static HWND window = nullptr;
  if (window && IsWindow(window)) return window;
  WNDCLASSW wc{};
  wc.lpfnWndProc = PopupListProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TPopupList";
  RegisterClassW(&wc);
  window = CreateWindowExW(WS_EX_TOOLWINDOW, L"TPopupList", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  return window;
}

std::function<void(TPopupMenu&)>& TPopupMenu::BeforePopup() {
  static std::function<void(TPopupMenu&)> hook;
  return hook;
}

void ForEachMenu(const std::function<void(TMenu&)>& action) {
  const std::vector<TMenu*> menus = LiveMenus();
  for (TMenu* menu : menus) action(*menu);
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  if (BeforePopup()) BeforePopup()(*this);
  HMENU menu = Handle();
  if (!menu) return;
  UINT flags = TrackButton;
  flags |= Alignment == paRight ? TPM_RIGHTALIGN : Alignment == paCenter ? TPM_CENTERALIGN : TPM_LEFTALIGN;
  if (IsRightToLeft()) flags |= TPM_LAYOUTRTL;
  if (MenuAnimation.Contains(maNone)) flags |= TPM_NOANIMATION;
  HWND owner = PopupListWindow();
  TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
  // The chosen command is posted; the platform menu stays until it is handled.
  MSG msg;
  while (PeekMessageW(&msg, owner, WM_COMMAND, WM_COMMAND, PM_REMOVE)) DispatchMessageW(&msg);
  if (OnClose) OnClose(this);
  DestroyHandle();
}
