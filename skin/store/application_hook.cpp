// The default manager's hook on the application's hidden window, where the
// platform delivers what concerns the application as a whole: minimising and
// restoring it (the main form flies to the taskbar and back in the skin's
// minimise animation), the taskbar button's menu (the main form's skinned
// system menu), theme changes, activation, the hiding at the end of the run
// (the main form fades out), and the menu skinning's requests to draw a
// popup window's border.
#include <windows.h>

#include <algorithm>
#include <utility>
#include <string>
#include <vector>

#include "framework/application/application.h"
#include "framework/controls/messages.h"
#include "framework/forms/custom_form.h"
#include "framework/menus/menu.h"
#include "framework/menus/menu_item.h"
#include "skin/core/minimize_animation.h"
#include "skin/core/platform_min_animation.h"
#include "skin/core/skin_messages.h"
#include "skin/core/window_animation.h"
#include "skin/menus/menu_wnd.h"
#include "skin/store/manager_seams.h"
#include "skin/store/skin_manager.h"
#include "skin/window/skin_provider.h"

namespace {

constexpr UINT kPopupItemOpened = 0xBCB3;    // LParam: the menu item whose popup opens
constexpr UINT kPopupWindowOpened = 0xBCB4;  // LParam: the popup's window
constexpr UINT kPopupSystemMenu = 0x0313;    // WM_POPUPSYSTEMMENU

bool IsMenuWindow(HWND window) {
  wchar_t name[16] = {};
  return window && IsWindow(window) && GetClassNameW(window, name, 16) && std::wstring(name) == L"#32768";
}

// The message's LParam names a menu item only when one of ours lives at that
// address: the window takes posts from any process.
bool HoldsItem(const TMenuItem& parent, const TMenuItem* item) {
  if (&parent == item) return true;
  for (int i = 0; i < parent.Count(); ++i) {
    if (HoldsItem(*parent.Items(i), item)) return true;
  }
  return false;
}

bool OwnsItem(const TComponent& owner, const TMenuItem* item) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    TComponent* component = owner.Components(i);
    if (auto* menu = dynamic_cast<TMenu*>(component); menu && HoldsItem(menu->Items(), item)) return true;
    if (OwnsItem(*component, item)) return true;
  }
  return false;
}

const TMenuItem* LiveMenuItem(LPARAM address) {
  const auto* item = reinterpret_cast<const TMenuItem*>(address);
  if (!item) return nullptr;
  for (TCustomForm* form : LiveForms()) {
    if (OwnsItem(*form, item)) return item;
    const TsSkinProvider* provider = SkinProviderOf(form);
    if (provider && provider->SystemMenu() && HoldsItem(provider->SystemMenu()->Items(), item)) {
      return item;
    }
  }
  return nullptr;
}

class TacApplicationHook {
 public:
  explicit TacApplicationHook(TsSkinManager& manager) : Manager(manager) {
    FHookId = Application->HookMainWindow([this](TMessage& message) { return Message(message); });
  }
  ~TacApplicationHook() { Application->UnhookMainWindow(FHookId); }
  TacApplicationHook(const TacApplicationHook&) = delete;
  TacApplicationHook& operator=(const TacApplicationHook&) = delete;

  TsSkinManager& Manager;

 private:
  bool Message(TMessage& m);
  bool SkinActive() const { return Manager.Active() && Manager.SkinData->Active; }
  // The main form with a provider, when there is one with a window.
  TsSkinProvider* MainProvider() const;
  bool ApplicationMinimized() const;
  void HideAtTheEnd(const WINDOWPOS* position);
  bool Minimize(TMessage& m);
  bool Restore(TMessage& m);
  bool PopupSystemMenu(TMessage& m);
  void RepaintAllForms();
  void DrawMenuBorder(HWND window);
  void ItemPopupOpened(LPARAM address);

  int FHookId = 0;
};

// A plain pointer: a manager freed during the process's exit (with the
// application's components) still finds it, never a destroyed static.
TacApplicationHook* gApplicationHook = nullptr;

// With the main form on the taskbar the application is minimised through
// it; otherwise through the application window that owns every form.
void ShowApplication(int command) {
  const TPlatformMinimizeAnimationOff platformOff;
  TCustomForm* mainForm = Application->MainForm();
  if (Application->MainFormOnTaskbar() && mainForm && mainForm->HandleAllocated()) {
    ShowWindow(mainForm->Handle(), command);
  } else {
    ShowWindow(Application->Handle(), command);
  }
}

void RedrawWhole(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

TsSkinProvider* TacApplicationHook::MainProvider() const {
  TCustomForm* mainForm = Application->MainForm();
  if (!mainForm || !mainForm->HandleAllocated()) return nullptr;
  return SkinProviderOf(mainForm);
}

bool TacApplicationHook::ApplicationMinimized() const {
  TCustomForm* mainForm = Application->MainForm();
  if (Application->MainFormOnTaskbar() && mainForm && mainForm->HandleAllocated()) return IsIconic(mainForm->Handle());
  return IsIconic(Application->Handle());
}

bool TacApplicationHook::Message(TMessage& m) {
  switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
      HideAtTheEnd(reinterpret_cast<const WINDOWPOS*>(m.LParam));
      return false;
    case WM_SYSCOMMAND:
      if (!SkinActive()) return false;
      if (m.WParam == SC_MINIMIZE) return Minimize(m);
      if (m.WParam == SC_RESTORE) return Restore(m);
      Manager.ShowState = saIgnore;
      return false;
    case kPopupSystemMenu:
      return PopupSystemMenu(m);
    case WM_THEMECHANGED:
      m.Result = 0;
      return true;
    case CM_ACTIVATE:
      RepaintAllForms();
      return false;
    case kPopupItemOpened:
      if (!Manager.SkinnedPopups()) return false;
      ItemPopupOpened(m.LParam);
      return true;
    case kPopupWindowOpened:
      if (!Manager.SkinnedPopups()) return false;
      DrawMenuBorder(reinterpret_cast<HWND>(m.LParam));
      return true;
    default:
      return false;
  }
}

// The application window hides when the run ends: the main form (not on the
// taskbar) fades out from its picture, and the hook waits for the fade,
// since no message loop will run it afterwards. It waits only for a fade that
// really started: a FormHide time too short for one step starts none.
void TacApplicationHook::HideAtTheEnd(const WINDOWPOS* position) {
  if (!position || !(position->flags & SWP_HIDEWINDOW)) return;
  const TacFormHide& effect = Manager.AnimEffects.FormHide;
  if (Application->MainFormOnTaskbar() || !effect.Active || effect.Time == 0) return;
  if (IsIconic(Application->Handle()) || !Application->Terminated()) return;
  TsSkinProvider* provider = MainProvider();
  if (!provider) return;
  HWND window = provider->ProviderForm()->Handle();
  if (!IsWindowVisible(window) || !provider->SkinsFrame() || !provider->AllowAnimation() || provider->SkipNextAnimation) {
    return;
  }
  if (!HideAnimation(provider)) return;
  provider->SkipNextAnimation = true;
  provider->FormState |= TsSkinProvider::fsClosingAnimated;
  SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(window, 0, 1, LWA_ALPHA);
  UpdateWindow(window);
  while (HideAnimationRunning()) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// Only the exact command: with extra bits in its low four it is another
// request, which animates nothing.
bool TacApplicationHook::Minimize(TMessage& m) {
  Manager.ShowState = saMinimize;
  TsSkinProvider* provider = MainProvider();
  if (!provider || ApplicationMinimized() || !IsWindowVisible(provider->ProviderForm()->Handle())) return false;
  if (!Manager.AnimEffects.Minimizing.Active || !provider->SkinsFrame()) return false;
  StartMinimizeAnimation(provider, true, true);
  provider->SkipNextAnimation = true;
  if (DesktopCompositionEnabled()) return false;
  ShowApplication(SW_MINIMIZE);
  m.Result = 0;
  return true;
}

bool TacApplicationHook::Restore(TMessage& m) {
  Manager.ShowState = saRestore;
  TsSkinProvider* provider = MainProvider();
  if (!provider) return false;
  HWND window = provider->ProviderForm()->Handle();
  provider->SkipNextAnimation = false;  // set when minimised from here
  if (provider->FormState & TsSkinProvider::fsClosingAnimated) {
    provider->FormState &= ~TsSkinProvider::fsClosingAnimated;
    if (Manager.ExtendedBordersInEffect() && provider->AllowExtBorders && !provider->BorderWindow()) {
      provider->SkinData.ClearCache();
    }
    ShowApplication(SW_RESTORE);
    if (DesktopCompositionEnabled()) {
      RedrawWhole(window);
      const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
      if (exStyle & WS_EX_LAYERED) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
        provider->SkinData.BGChanged = true;
      }
    }
    return false;
  }
  if (Manager.AnimEffects.Minimizing.Active && IsWindowVisible(window)) {
    if (!provider->SkinsFrame()) return false;
    if (!StartMinimizeAnimation(provider, false, true)) {
      ShowWindow(window, SW_SHOWNOACTIVATE);
      InvalidateRect(window, nullptr, TRUE);
      RedrawWhole(window);
    }
    if (DesktopCompositionEnabled()) return false;
    ShowApplication(SW_RESTORE);
    m.Result = 0;
    return true;
  }
  if (DesktopCompositionEnabled() && !Application->MainFormOnTaskbar()) {
    ShowApplication(SW_RESTORE);
    RedrawWhole(window);
    m.Result = 0;
    return true;
  }
  return false;
}

bool TacApplicationHook::PopupSystemMenu(TMessage& m) {
  TsSkinProvider* provider = MainProvider();
  if (!Application->MainFormOnTaskbar() || !provider) return false;
  POINT at{};
  GetCursorPos(&at);
  provider->DropSysMenu(at.x, at.y);
  m.Result = 0;
  return true;
}

void TacApplicationHook::RepaintAllForms() {
  const std::vector<TCustomForm*> forms = LiveForms();  // a form may go while told
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
    if (std::find(LiveForms().begin(), LiveForms().end(), *it) == LiveForms().end()) continue;
    if ((*it)->HandleAllocated()) SendSkinCommand((*it)->Handle(), SKC_REPAINT_NOW);
  }
}

void TacApplicationHook::DrawMenuBorder(HWND window) {
  if (IsMenuWindow(window)) WrapMenuWindow(window, &Manager);
}

// The popup's window is found under the middle of its first entry.
void TacApplicationHook::ItemPopupOpened(LPARAM address) {
  const TMenuItem* item = LiveMenuItem(address);
  const TMenuItem* parent = item ? item->Parent() : nullptr;
  if (!parent) return;
  HMENU menu = parent->SubMenuHandle();
  if (!menu && item->GetParentMenu()) menu = item->GetParentMenu()->CurrentHandle();
  RECT first{};
  if (!menu || (!GetMenuItemRect(nullptr, menu, 0, &first) &&
                !GetMenuItemRect(TPopupMenu::PopupListWindow(), menu, 0, &first))) {
    return;
  }
  DrawMenuBorder(WindowFromPoint(POINT{(first.left + first.right) / 2, (first.top + first.bottom) / 2}));
}

}  // namespace

void InstallApplicationHook(TsSkinManager& manager) {
  if (gApplicationHook || manager.ComponentState().Contains(csDesigning) || !Application) return;
  gApplicationHook = new TacApplicationHook(manager);
}

void RemoveApplicationHook(TsSkinManager& manager) {
  if (gApplicationHook && &gApplicationHook->Manager == &manager) delete std::exchange(gApplicationHook, nullptr);
}
