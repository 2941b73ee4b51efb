// The skin manager telling the application's windows: skin loaded, removed,
// repaint, one section changed, and the control under the mouse.

#include "framework/controls/control.h"
#include "framework/system/flag_scope.h"
#include "skin/core/common_data.h"
#include "skin/core/glow.h"
#include "skin/core/skin_broadcast.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"
#include "skin/store/manager_seams.h"
#include "skin/store/skin_change_lock.h"
#include "skin/store/skin_manager.h"

namespace {

// The answer to SKC_GET_SKIN_DATA (a TsCommonData or 0): whether the mouse is
// still over the control it belongs to.
bool SkinDataMouseAbove(LRESULT skinData) {
  const auto* data = reinterpret_cast<const TsCommonData*>(skinData);
  return data && data->MouseAbove();
}

}  // namespace

void TsSkinManager::SendToAllForms(uint16_t code, LPARAM lParam) {
  TMessage message{SKM_COMMAND, SkinCommandWParam(code), lParam, 0};
  BroadcastToAllForms(message);
}

void TsSkinManager::TellAllWindows(bool repaint) {
  if (Reading()) return;
  RemoveAllGlows();
  TSkinChangeLock lock(*this, repaint);
  ResetMenuBorderWidth(*this);
  {
    SkinData->Active = false;
    TFlagScope changing(FSkinChanging, true);
    InitConstantIndexes();
    SendToAllForms(SKC_SKIN_LOADED, reinterpret_cast<LPARAM>(this));
    SkinData->Active = true;
  }
  if (IsDefault() && !GlobalHookInstalled()) InstallHook();
  if (repaint) RepaintForms(false);
}

void TsSkinManager::RemoveSkinFromAllWindows() {
  TFlagScope removing(SkinRemoving, true);
  RemoveAllGlows();
  UnInstallHook();
  SkinData->Active = false;
  SendToAllForms(SKC_SKIN_REMOVED, reinterpret_cast<LPARAM>(this));
  FreeSkin();
}

void TsSkinManager::RepaintForms(bool lock) {
  const LPARAM self = reinterpret_cast<LPARAM>(this);
  if (!Reading()) SendToAllForms(SKC_STOP_ANIMATION, self);
  {
    TSkinChangeLock hold(*this, lock && !Reading());
    SendToAllForms(SKC_REFRESH, self);
  }
  if (RegisteredRepaintWindow) SendSkinCommand(RegisteredRepaintWindow, SKC_REFRESH, self);
  for (size_t i = 0; i < AutoSkinnedWindowList().size(); ++i) {
    TacAutoSkinned* entry = AutoSkinnedWindowList()[i];
    HWND window = entry ? entry->SkinnedWindow() : nullptr;
    if (window && IsWindowVisible(window)) {
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
  }
}

void TsSkinManager::UpdateSkin(bool repaint) {
  if (FSettings.Active) TellAllWindows(repaint);
}

void TsSkinManager::UpdateSkinSection(const std::string& section) {
  std::string upper = section;
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  ChangedSectionName() = upper;
  SendToAllForms(SKC_SECTION_CHANGED, reinterpret_cast<LPARAM>(this));
}

void TsSkinManager::EndUpdate(bool repaint, bool animation) {
  NonAutoUpdate = false;
  bool& animate = AnimEffects.SkinChanging.Active;
  TFlagScope once(animate, animate && animation);
  UpdateSkin(repaint);
}

// ---------------------------------------------------------------- control under the mouse

void TsSkinManager::SetActiveControl(HWND control) {
  if (control == FActiveControl) return;
  if (FActiveGraphControl && !SetActiveGraphControl(nullptr)) return;
  HWND previous = FActiveControl;
  FActiveControl = control;
  const LPARAM self = reinterpret_cast<LPARAM>(this);
  if (previous && IsWindow(previous)) SendSkinCommand(previous, SKC_MOUSE_LEAVE, self);
  if (control) SendSkinCommand(control, SKC_MOUSE_ENTER, self);
}

bool TsSkinManager::SetActiveGraphControl(TControl* control) {
  if (control == FActiveGraphControl) return true;
  TControl* previous = FActiveGraphControl;
  if (!control) {
    // The control keeps its place while its skin data says the mouse is still on it.
    if (SkinDataMouseAbove(PerformSkinCommand(previous, SKC_GET_SKIN_DATA))) return false;
  } else {
    SetActiveControl(nullptr);
  }
  if (previous) previous->RemoveFreeNotification(this);
  FActiveGraphControl = control;
  if (control) control->FreeNotification(this);
  if (previous) PerformSkinCommand(previous, SKC_MOUSE_LEAVE, reinterpret_cast<LPARAM>(this));
  return true;
}
