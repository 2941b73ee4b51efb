// TrySkinWindow: the decision the manager's window hook asks for every new
// top-level window and every window being activated. Framework forms without
// a provider of their own get an automatic one; platform dialogs get a
// dialog provider; popup-menu windows get the menu wrapper.
#include <algorithm>
#include <cwctype>
#include <string>

#include "framework/application/application.h"
#include "framework/forms/custom_form.h"
#include "skin/core/skin_messages.h"
#include "skin/menus/menu_wnd.h"
#include "skin/store/manager_seams.h"
#include "skin/store/skin_manager.h"
#include "skin/store/try_skin_window.h"
#include "skin/window/ac_provider.h"

namespace {

constexpr ATOM kDialogAtom = 32770;  // "#32770"
constexpr ATOM kMenuAtom = 32768;    // "#32768"
// Two skinned dialogs on the screen are enough; more only for dialogs with a tool bar.
constexpr int kSkinnedDialogLimit = 2;
// A form whose tag has all these bits set is never skinned automatically.
constexpr intptr_t kNoSkinTag = -98;

bool ApplicationGoing() { return !Application || Application->ComponentState().Contains(csDestroying); }

std::wstring ClassNameOf(HWND window) {
  wchar_t name[256]{};
  GetClassNameW(window, name, 256);
  return name;
}

// The atom a creation names its class by (also for the "#nnnnn" form), or 0.
ATOM ClassAtom(LPCWSTR className) {
  if (IS_INTRESOURCE(className)) return static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(className));
  if (!className) return 0;
  const std::wstring name = className;
  if (name == L"#32770") return kDialogAtom;
  if (name == L"#32768") return kMenuAtom;
  return 0;
}

// The framework form of a window; while the window is still being created
// (it has seen no message yet), the form that is creating it.
TCustomForm* FormOf(HWND window) {
  if (TWinControl* control = TWinControl::FindControl(window)) return dynamic_cast<TCustomForm*>(control);
  TWinControl* creating = TWinControl::CreatingControl();
  if (!creating || creating->HandleAllocated() || creating->ClassName() != ClassNameOf(window)) return nullptr;
  return dynamic_cast<TCustomForm*>(creating);
}

bool HasToolBar(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    std::wstring name = ClassNameOf(child);
    std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return std::towlower(c); });
    if (name == L"toolbarwindow32" || HasToolBar(child)) return true;
  }
  return false;
}

void Enlist(TacProvider* provider) {
  auto& list = AutoSkinnedWindowList();
  const auto free = std::find(list.begin(), list.end(), nullptr);
  if (free != list.end()) {
    *free = provider;
  } else {
    list.push_back(provider);
  }
}

bool TrySkinForm(TCustomForm& form, TsSkinManager& manager) {
  if ((form.Tag() & kNoSkinTag) == kNoSkinTag) return false;
  if (form.ComponentState().Contains(csLoading)) return true;  // left for its activation
  if (ExcludedFromAutoSkinning(form.ClassName())) return false;
  if (form.Perform(SKM_COMMAND, SkinCommandWParam(SKC_GET_PROVIDER), 0) != 0) return true;
  const TacSkinningRule rule = form.ClassName() == L"TMessageForm" ? srStdDialogs : srStdForms;
  if (!manager.SkinningRules().Contains(rule)) return true;
  auto* provider = new TacProvider(&form);
  Enlist(provider);
  provider->InitForm(&form);
  return true;
}

bool TrySkinDialog(HWND window, TsSkinManager& manager) {
  if (VisibleSkinnedDialogs() >= kSkinnedDialogLimit && !HasToolBar(window)) return false;
  bool allow = true;
  if (manager.OnSysDlgInit) manager.OnSysDlgInit(window, allow);
  if (!allow) return true;
  auto* provider = new TacProvider(nullptr);
  Enlist(provider);
  if (!provider->InitSkin(window)) {
    delete provider;
  } else if (IsWindowVisible(window)) {
    // Taken when activated: the frame it shows is the platform's until now.
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  return true;
}

// creating: the window has seen no message yet, so it is not asked anything.
bool TrySkin(HWND window, LONG_PTR style, bool creating) {
  TsSkinManager* manager = DefaultManager();
  if (!manager || ApplicationGoing() || !IsWindow(window)) return false;
  TCustomForm* form = FormOf(window);
  // Only forms and platform dialogs are skinned here; any other window is
  // left before anything is asked of it (the hook sees every window made).
  if (!form && (ClassNameOf(window) != L"#32770" || (style & WS_CHILD))) return false;
  if (form) {
    if (form->Perform(SKM_COMMAND, SkinCommandWParam(SKC_IS_SKINNED), 0) & 0xFF) return false;
  } else if (creating ? WrapperOf(window) != nullptr : (SendSkinCommand(window, SKC_IS_SKINNED) & 0xFF) != 0) {
    return false;
  }
  if ((style & WS_POPUP) && !(style & WS_BORDER)) return false;
  if (AutoProviderOf(window)) return false;
  if (form) return TrySkinForm(*form, *manager);
  if (!manager->SkinningRules().Contains(srStdDialogs)) return false;
  return TrySkinDialog(window, *manager);
}

}  // namespace

bool ExcludedFromAutoSkinning(const std::wstring& className) {
  return className == L"TApplication" || className == L"TfcPopup";
}

bool TrySkinWindow(HWND window) { return TrySkin(window, GetWindowLongPtrW(window, GWL_STYLE), false); }

void AutoSkinCreatedWindow(HWND window, const CREATESTRUCTW& create) {
  if (ApplicationGoing()) return;
  TsSkinManager* manager = DefaultManager();
  switch (ClassAtom(create.lpszClass)) {
    case kDialogAtom:
      TrySkin(window, create.style, true);
      return;
    case kMenuAtom:
      if (manager && manager->SkinnedPopups() && !WrapperOf(window)) WrapMenuWindow(window, manager);
      return;
    default:
      break;
  }
  if (IS_INTRESOURCE(create.lpszClass) || !create.lpszClass) return;
  if (std::wstring(create.lpszClass) == L"TPUtilWindow") return;
  if (create.style == 0 || create.dwExStyle == 0 || (create.style & WS_CHILD)) return;
  // The main form's own window is taken at its creation too, so it never
  // shows the platform's frame first.
  TrySkin(window, create.style, true);
}

// Providers of dialogs whose windows are gone; never the one whose window is
// going now, as its wrapper may still be on the stack.
void WindowDestroyed(HWND) {
  auto& list = AutoSkinnedWindowList();
  for (size_t i = 0; i < list.size(); ++i) {
    auto* provider = static_cast<TacProvider*>(list[i]);
    if (provider && provider->ListSW && provider->DialogGone()) {
      list[i] = nullptr;
      delete provider;
    }
  }
}
