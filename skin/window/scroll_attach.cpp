#include "skin/window/scroll_attach.h"

#include "framework/controls/win_control.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"
#include "skin/window/edit_wnd.h"
#include "skin/window/owner_commands_wnd.h"

namespace {

// Flat scroll bars paint themselves past the non-client layout; they are off
// while the skin paints the bars. Looked up: not every common-controls
// library has them.
void SetFlatScrollBars(HWND window, bool on) {
  HMODULE library = GetModuleHandleW(L"comctl32.dll");
  if (!library) return;
  using Switch = BOOL(WINAPI*)(HWND);
  auto call = reinterpret_cast<Switch>(
      reinterpret_cast<void*>(GetProcAddress(library, on ? "InitializeFlatSB" : "UninitializeFlatSB")));
  if (call) call(window);
}

std::unique_ptr<TacScrollWnd> Made(HWND window, TsCommonData* data, TsSkinManager* manager, const std::string& section,
                                   TScrollWndKind kind, bool ownerCommands = false) {
  if (ownerCommands) {
    switch (kind) {
      case TScrollWndKind::Edit:
        return std::unique_ptr<TacScrollWnd>(
            Wrap<TacOwnerCommandsWnd<TacListViewWnd>>(window, data, manager, section, true));
      case TScrollWndKind::Tree:
        return std::unique_ptr<TacScrollWnd>(
            Wrap<TacOwnerCommandsWnd<TacTreeViewWnd>>(window, data, manager, section, true));
      case TScrollWndKind::Plain:
      default:
        return std::unique_ptr<TacScrollWnd>(
            Wrap<TacOwnerCommandsWnd<TacScrollWnd>>(window, data, manager, section, true));
    }
  }
  switch (kind) {
    case TScrollWndKind::Edit:
      return std::unique_ptr<TacScrollWnd>(Wrap<TacEditWnd>(window, data, manager, section, true));
    case TScrollWndKind::Tree:
      return std::unique_ptr<TacScrollWnd>(Wrap<TacTreeViewWnd>(window, data, manager, section, true));
    case TScrollWndKind::Plain:
    default:
      return std::unique_ptr<TacScrollWnd>(Wrap<TacScrollWnd>(window, data, manager, section, true));
  }
}

}  // namespace

void AttachScrollBars(TsCommonData& data, std::unique_ptr<TacScrollWnd>& slot, TScrollWndKind kind,
                      bool ownerCommands) {
  auto* control = dynamic_cast<TWinControl*>(data.OwnerControl());
  if (kind == TScrollWndKind::Plain && control &&
      (control->ComponentState().Contains(csLoading) || control->ComponentState().Contains(csDestroying))) {
    return;
  }
  if (!data.Skinned(true)) {
    const HWND window = slot ? slot->CtrlHandle : nullptr;
    slot.reset();
    if (kind == TScrollWndKind::Plain && window && IsWindow(window)) SetFlatScrollBars(window, true);
    return;
  }
  if (slot && slot->Destroyed) slot.reset();
  if (slot || !control || !control->HandleAllocated()) return;
  if (kind == TScrollWndKind::Plain) SetFlatScrollBars(control->Handle(), false);
  slot = Made(control->Handle(), &data, data.SkinManager(), data.SkinSection(), kind, ownerCommands);
}

std::unique_ptr<TacScrollWnd> AttachScrollBars(HWND window, TsSkinManager* manager, const std::string& section,
                                               TScrollWndKind kind) {
  if (!window || !IsWindow(window) || (SendSkinCommand(window, SKC_IS_SKINNED) & 0xFF) != 0) return nullptr;
  if (kind == TScrollWndKind::Plain) SetFlatScrollBars(window, false);
  return Made(window, nullptr, manager, section, kind);
}

void RefreshScrollBars(TacScrollWnd* wrapper, bool repaint) {
  if (!wrapper || wrapper->Destroyed) return;
  wrapper->Refresh(repaint && !FormsLocked);
}

void RefreshScrollBars(HWND window, bool repaint) { RefreshScrollBars(ScrollWndOf(window), repaint); }
