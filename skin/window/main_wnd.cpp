#include "skin/window/main_wnd.h"

#include <unordered_map>

#include "framework/application/application.h"
#include "framework/application/callback_guard.h"
#include "framework/controls/win_control.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_broadcast.h"
#include "skin/core/skin_messages.h"
#include "skin/store/skin_manager.h"

namespace {

constexpr wchar_t kWrapperProperty[] = L"ACSBSC";
// The procedure the static one replaced; stays while the static one may
// still be called from a procedure installed above it.
constexpr wchar_t kReplacedProperty[] = L"ACSBSCPREV";

// The wrappers by window, beside the property: the procedure looks its
// wrapper up on every message, and reading a property asks Wine's server.
std::unordered_map<HWND, TacMainWnd*>& HookedWindows() {
  static std::unordered_map<HWND, TacMainWnd*> windows;
  return windows;
}

// Visual styles off (for the classic painting paths) and on again.
void SetTheme(HWND window, bool off) {
  using Setter = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  static const Setter setter = [] {
    HMODULE theme = LoadLibraryW(L"uxtheme.dll");
    return theme ? reinterpret_cast<Setter>(reinterpret_cast<void*>(GetProcAddress(theme, "SetWindowTheme"))) : nullptr;
  }();
  if (setter) setter(window, off ? L" " : nullptr, off ? L" " : nullptr);
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

}  // namespace

LRESULT CALLBACK WrapperWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto found = HookedWindows().find(window);
  TacMainWnd* wrapper = found != HookedWindows().end() ? found->second : nullptr;
  if (!wrapper) {
    auto replaced = reinterpret_cast<WNDPROC>(GetPropW(window, kReplacedProperty));
    const LRESULT result =
        replaced ? CallWindowProcW(replaced, window, msg, wParam, lParam) : DefWindowProcW(window, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) RemovePropW(window, kReplacedProperty);
    return result;
  }
  TMessage message{msg, wParam, lParam, 0};
  try {
    wrapper->WrapperWndProc(message);
  } catch (...) {
    HandleCallbackException();
  }
  return message.Result;
}

TacMainWnd* WrapperOf(HWND window) {
  return window ? static_cast<TacMainWnd*>(GetPropW(window, kWrapperProperty)) : nullptr;
}

TacMainWnd::TacMainWnd(HWND handle, TsCommonData* data, TsSkinManager* manager, const std::string& section,
                       bool repaint)
    : CtrlHandle(handle), SkinManager(manager), SkinData(data), FRepaint(repaint), FSection(section) {}

void TacMainWnd::Init() {
  if (!SkinData || (!SkinData->ProviderForm && FSection != "DIALOG")) SetTheme(CtrlHandle, true);
  if (!SkinData) {
    SkinData = new TsCommonData(nullptr, true);
    SkinData->OwnerWindow = CtrlHandle;
    OwnSkinData = true;
  }
  if (!SkinManager) SkinManager = SkinData->SkinManager();
  if (SkinManager) SkinData->SetSkinManager(SkinManager);
  if (SkinData->SkinSection().empty()) SkinData->SetSkinSection(FSection);
  SaveStdParams();
  ParamsChanged = false;
  Caption = WindowText(CtrlHandle);
  Hook();
  if (TControl* owner = OwnerControl()) {
    OldCtrlStyle = owner->ControlStyle();
    OldCtrlStyleSaved = true;
    owner->ControlStyle().Include(csOpaque);
  }
  AfterHook();
}

TacMainWnd::~TacMainWnd() {
  if (!Destroyed) {
    if (TControl* owner = OwnerControl(); owner && OldCtrlStyleSaved) owner->ControlStyle() = OldCtrlStyle;
    Detach();
    if (IsWindow(CtrlHandle)) SetTheme(CtrlHandle, false);
  }
  if (const auto found = HookedWindows().find(CtrlHandle); found != HookedWindows().end() && found->second == this) {
    HookedWindows().erase(found);
  }
  if (OwnSkinData) delete SkinData;
}

TControl* TacMainWnd::OwnerControl() const { return SkinData ? SkinData->OwnerControl() : nullptr; }

void TacMainWnd::Hook() {
  SetPropW(CtrlHandle, kWrapperProperty, this);
  HookedWindows()[CtrlHandle] = this;
  if (auto* control = dynamic_cast<TWinControl*>(OwnerControl())) {
    FHookedControl = control;
    FHookToken = control->AddWindowHook([this](TMessage& message, const TWndMethod& next) {
      const TWndMethod* outer = FNext;
      FNext = &next;
      struct Restore {
        const TWndMethod*& slot;
        const TWndMethod* value;
        ~Restore() { slot = value; }
      } restore{FNext, outer};
      WrapperWndProc(message);
    });
    return;
  }
  // A window whose procedure is ours already (an earlier wrapper went while
  // a procedure above it stayed) keeps it: the new wrapper is found by the
  // property alone.
  if (auto replaced = reinterpret_cast<WNDPROC>(GetPropW(CtrlHandle, kReplacedProperty))) {
    OldProc = replaced;
    return;
  }
  OldProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(CtrlHandle, GWLP_WNDPROC));
  SetPropW(CtrlHandle, kReplacedProperty, reinterpret_cast<HANDLE>(OldProc));
  SetWindowLongPtrW(CtrlHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WrapperWindowProc));
}

void TacMainWnd::Detach() {
  if (Destroyed) return;
  if (FHookedControl) {
    FHookedControl->RemoveWindowHook(FHookToken);
    FHookedControl = nullptr;
  } else if (IsWindow(CtrlHandle) &&
             GetWindowLongPtrW(CtrlHandle, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WrapperWindowProc)) {
    SetWindowLongPtrW(CtrlHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OldProc));
    RemovePropW(CtrlHandle, kReplacedProperty);
  }
  if (IsWindow(CtrlHandle) && WrapperOf(CtrlHandle) == this) RemovePropW(CtrlHandle, kWrapperProperty);
  if (const auto found = HookedWindows().find(CtrlHandle); found != HookedWindows().end() && found->second == this) {
    HookedWindows().erase(found);
  }
  RestoreStdParams();
  if (IsWindow(CtrlHandle) && IsWindowVisible(CtrlHandle)) {
    SetWindowPos(CtrlHandle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Destroyed = true;
}

LRESULT TacMainWnd::CallPrevWndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (FHookedControl) {
    if (!FNext) return 0;
    TMessage message{msg, wParam, lParam, 0};
    (*FNext)(message);
    return message.Result;
  }
  if (OldProc) return CallWindowProcW(OldProc, CtrlHandle, msg, wParam, lParam);
  return 0;
}

void TacMainWnd::RefreshGeometry() {
  GetWindowRect(CtrlHandle, &WndRect);
  ParentWnd = GetParent(CtrlHandle);
  if (ParentWnd) GetWindowRect(ParentWnd, &ParentRect);
  WndSize = {WndRect.right - WndRect.left, WndRect.bottom - WndRect.top};
  WndPos = {WndRect.left, WndRect.top};
  if (ParentWnd) ScreenToClient(ParentWnd, &WndPos);
}

void TacMainWnd::PassToChildren(TMessage& message) {
  const LRESULT result = message.Result;
  if (auto* container = dynamic_cast<TWinControl*>(OwnerControl())) {
    BroadcastToChildren(container, message);
  } else {
    for (HWND child = GetWindow(CtrlHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      SendMessageW(child, message.Msg, message.WParam, message.LParam);
    }
  }
  message.Result = result;
}

void TacMainWnd::RepaintNow() {
  if (!DontRepaint) RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TacMainWnd::WrapperWndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      if (SkinData && SkinData->GlowID >= 0) SkinData->RemoveGlow();
      if (FHookedControl || OldProc) {
        CallPrevWndProc(message);
      } else {
        // With nothing before the wrapper the platform answers.
        message.Result = DefWindowProcW(CtrlHandle, message.Msg, message.WParam, message.LParam);
      }
      if (message.Result == 0) Detach();
      return;
    case WM_UPDATEUISTATE:
      return;  // the wrapper paints focus cues itself
    case WM_SIZE:
      if (SkinData) SkinData->BGChanged = true;
      break;
    case WM_SETTEXT:
      // Passed on once only: a second pass would raise a second change.
      CallPrevWndProc(message);
      Caption = WindowText(CtrlHandle);
      return;
    case WM_MOUSEMOVE:
      if (TsSkinManager* manager = DefaultManager(); manager && IsWindowEnabled(CtrlHandle) &&
                                                     manager->ActiveControl() != CtrlHandle) {
        manager->SetActiveControl(CtrlHandle);
      }
      break;
    case WM_PRINTCLIENT:
      message.Result = SendMessageW(CtrlHandle, WM_PAINT, message.WParam, message.LParam);
      return;
    default:
      break;
  }
  if (!SkinData || !SkinManager || !SkinManager->Active()) {
    CallPrevWndProc(message);
    return;
  }
  if (message.Msg == SKM_COMMAND && SkinCommand(message)) return;
  CallPrevWndProc(message);
}

// True when the command was answered here and goes no further.
bool TacMainWnd::SkinCommand(TMessage& message) {
  const bool ownManager = message.LParam == reinterpret_cast<LPARAM>(SkinManager);
  switch (SkinCommandCode(message.WParam)) {
    case SKC_SKIN_LOADED:
      if (!ownManager) return false;
      SkinData->UpdateIndexes();
      SkinData->BGChanged = true;
      PassToChildren(message);
      return false;
    case SKC_SKIN_REMOVED:
      if (ownManager) RestoreStdParams();
      return false;
    case SKC_REFRESH:
      if (!ownManager) return false;
      SkinData->UpdateIndexes();
      SkinData->BGChanged = true;
      SkinData->SetUpdating(false);
      if (IsWindowVisible(CtrlHandle)) {
        RepaintNow();
        PassToChildren(message);
      }
      return true;
    case SKC_PARENT_UPDATED:
      if (SkinData->Updating()) {
        SkinData->SetUpdating(false);
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      }
      return true;
    case SKC_IS_SKINNED:
      message.Result = 1;
      return true;
    case SKC_GET_UPDATING:
      message.Result = SkinData->Updating() ? 1 : 0;
      return true;
    case SKC_SET_SECTION:
      if (auto* info = reinterpret_cast<TacSectionInfo*>(message.LParam)) SkinData->SetSkinSection(info->Name);
      return false;
    case SKC_MOVE_NEEDS_REPAINT:
      return OwnerControl() && SkinData->CommandHandler(message);
    case SKC_GET_BG_COLOR:
      if (CallPrevWndProc(message) == 0) SkinData->CommandHandler(message);
      return true;
    case SKC_PREPARE_CACHE:
      PrepareCacheCommand();
      return false;
    case SKC_GET_BG_INFO:
      if (auto* request = reinterpret_cast<TBgRequest*>(message.LParam)) {
        SkinData->AnswerBgRequest(*request, 0, CtrlHandle);
      }
      return true;
    case SKC_GET_SKIN_DATA:
      CallPrevWndProc(message);
      message.Result = reinterpret_cast<LRESULT>(SkinData);
      return true;
    case SKC_SET_PRINT_DC:
      SkinData->CommandHandler(message);
      message.Result = 0;
      return false;
    case SKC_GET_APPLICATION:
      message.Result = reinterpret_cast<LRESULT>(Application);
      return true;
    default:
      return false;
  }
}
