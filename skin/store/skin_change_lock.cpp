#include "skin/store/skin_change_lock.h"

#include "framework/application/application.h"
#include "framework/forms/custom_form.h"
#include "skin/core/skinned_windows.h"
#include "skin/store/skin_manager.h"

namespace {

bool ApplicationMinimized() {
  TCustomForm* main = Application->MainForm();
  if (main && main->HandleAllocated() && IsIconic(main->Handle())) return true;
  HWND app = Application->Handle();
  return app && IsIconic(app);
}

TCustomForm* FormOf(HWND window) { return dynamic_cast<TCustomForm*>(TWinControl::FindControl(window)); }

}  // namespace

TSkinChangeLock::TSkinChangeLock(TsSkinManager& manager, bool engage) : FManager(manager) {
  if (!engage || ApplicationMinimized()) return;
  FEngaged = true;
  if (manager.IsDefault() && manager.AnimEffects.SkinChanging.Active && !FormsLocked) {
    FormsLocked = true;
    FSetFlag = true;
  }
  for (int i = 0; i < SkinnedFormList().Count(); ++i) {
    TCustomForm* form = SkinnedFormList().Items(i);
    if (!form->HandleAllocated() || form->Parent()) continue;
    HWND window = form->Handle();
    if (!IsWindowVisible(window) || IsIconic(window)) continue;
    TacProviderLink* provider = ProviderOf(form);
    if (!provider || provider->ProviderManager() != &manager) continue;
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    FFrozen.push_back(window);
  }
}

TSkinChangeLock::~TSkinChangeLock() { Release(); }

void TSkinChangeLock::Release() noexcept {
  if (!FEngaged) return;
  FEngaged = false;
  if (FSetFlag) FormsLocked = false;
  const TacSkinChanging& animation = FManager.AnimEffects.SkinChanging;
  for (HWND window : FFrozen) {
    if (!IsWindow(window)) continue;
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    try {
      TacProviderLink* provider = ProviderOf(FormOf(window));
      if (animation.Active && provider) provider->AnimateSkinChange(animation.Time, animation.Mode);
    } catch (...) {
      // The new look is shown without the change animation.
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  FFrozen.clear();
}
