// The default manager's thread-local window-creation hook: every new
// top-level window and every window being activated is handed to the
// automatic window skinning.
#include "framework/application/callback_guard.h"
#include "skin/core/skinned_windows.h"
#include "skin/store/manager_seams.h"
#include "skin/store/skin_manager.h"
#include "skin/store/try_skin_window.h"
#include "skin/menus/menu_wnd.h"

namespace {

HHOOK gHook = nullptr;
TsSkinManager* gHookOwner = nullptr;

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT answer = CallNextHookEx(gHook, code, wParam, lParam);
  try {
    auto* window = reinterpret_cast<HWND>(wParam);
    switch (code) {
      case HCBT_CREATEWND: {
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (create) AutoSkinCreatedWindow(window, *create);
        break;
      }
      case HCBT_ACTIVATE:
        TrySkinWindow(window);
        break;
      case HCBT_DESTROYWND:
        WindowDestroyed(window);
        break;
      default:
        break;
    }
  } catch (...) {
    HandleCallbackException();
  }
  return answer;
}

}  // namespace

void TsSkinManager::InstallHook() {
  if (gHook || !IsDefault() || ComponentState().Contains(csDesigning)) return;
  gHook = SetWindowsHookExW(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
  if (gHook) gHookOwner = this;
}

void TsSkinManager::UnInstallHook() {
  if (!gHook || gHookOwner != this) return;
  UnhookWindowsHookEx(gHook);
  gHook = nullptr;
  gHookOwner = nullptr;
  std::vector<TacAutoSkinned*>& list = AutoSkinnedWindowList();
  for (size_t i = 0; i < list.size(); ++i) delete std::exchange(list[i], nullptr);
  list.clear();
  FreeMenuWrappers(true);
}

bool TsSkinManager::GlobalHookInstalled() const { return gHook != nullptr && gHookOwner == this; }
