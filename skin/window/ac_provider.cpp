// TacProvider: the automatic provider of a form, or of a platform dialog and
// its child windows.
#include "skin/window/ac_provider.h"

#include <algorithm>
#include <commctrl.h>

#include "framework/forms/custom_form.h"
#include "skin/core/skin_messages.h"
#include "skin/store/skin_manager.h"
#include "skin/window/dialog_wnd.h"
#include "skin/window/dialog_wrappers.h"
#include "skin/window/skin_provider.h"

namespace {

// The common-controls library's flat scroll bars, looked up at run time.
void SetFlatScrollBars(HWND window, bool on) {
  using Call = BOOL(WINAPI*)(HWND);
  static HMODULE library = LoadLibraryW(L"comctl32.dll");
  if (!library) return;
  static const auto init = reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(library, "InitializeFlatSB")));
  static const auto uninit =
      reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(library, "UninitializeFlatSB")));
  if (Call call = on ? init : uninit) call(window);
}

}  // namespace

TacProvider* AutoProviderOf(HWND window) {
  if (!window) return nullptr;
  for (TacAutoSkinned* entry : AutoSkinnedWindowList()) {
    if (entry && entry->SkinnedWindow() == window) return static_cast<TacProvider*>(entry);
  }
  return nullptr;
}

int VisibleSkinnedDialogs() {
  int count = 0;
  for (TacAutoSkinned* entry : AutoSkinnedWindowList()) {
    auto* provider = static_cast<TacProvider*>(entry);
    if (provider && provider->ListSW && !provider->DialogGone() && IsWindowVisible(provider->CtrlHandle)) ++count;
  }
  return count;
}

TacProvider::TacProvider(TComponent* owner) : TComponent(owner) {}

TacProvider::~TacProvider() {
  Destroying();
  if (sp) sp->RemoveFreeNotification(this);
  // Children first: they ask their dialog for its background while they go.
  acSkinnedCtrls.clear();
  ListSW.reset();
  EmptySlot();
}

void TacProvider::EmptySlot() {
  auto& list = AutoSkinnedWindowList();
  std::replace(list.begin(), list.end(), static_cast<TacAutoSkinned*>(this), static_cast<TacAutoSkinned*>(nullptr));
}

void TacProvider::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == sp) sp = nullptr;
}

bool TacProvider::DialogGone() const { return ListSW && ListSW->Destroyed; }

// ---------------------------------------------------------------- form variant

void TacProvider::InitForm(TCustomForm* form) {
  // The automatic provider keeps the form's own colour.
  const TColor color = form->Color();
  sp = TsSkinProvider::CreateRT(form);
  sp->UseGlobalColor = false;
  sp->MakeSkinMenu = false;
  if (form->Color() != color) form->SetColor(color);
  sp->FreeNotification(this);
  if (form->HandleAllocated() && IsWindowVisible(form->Handle())) {
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

// ---------------------------------------------------------------- dialog variant

bool TacProvider::InitSkin(HWND window) {
  CtrlHandle = window;
  TsSkinManager* manager = DefaultManager();
  if (ListSW) return true;
  if (!manager || !manager->Active() || !manager->SkinData || !manager->SkinData->Active) {
    SetFlatScrollBars(window, true);
    return false;
  }
  BiDiLeft = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  SetFlatScrollBars(window, false);
  ListSW.reset(Wrap<TacDialogWnd>(window, manager, this));
  if (!InitHwndControls(window)) {
    EmptySlot();
    return false;
  }
  ListSW->InitParams();
  SendSkinCommand(window, SKC_SKIN_LOADED, reinterpret_cast<LPARAM>(manager));
  return true;
}

bool TacProvider::InitHwndControls(HWND window) {
  if (!IsWindow(window)) return false;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!InitHwndControls(child)) return false;
    if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) && !AddControl(child)) return false;
  }
  return true;
}

bool TacProvider::AddControl(HWND window) {
  if (!IsWindow(window)) return false;
  if (FindCtrlInList(window) || (SendSkinCommand(window, SKC_IS_SKINNED) & 0xFF) != 0) return true;
  if (std::unique_ptr<TacMainWnd> wrapper = WrapDialogChild(window, DefaultManager())) {
    acSkinnedCtrls.push_back(std::move(wrapper));
  }
  return true;
}

TacMainWnd* TacProvider::FindCtrlInList(HWND window) const {
  for (const auto& wrapper : acSkinnedCtrls) {
    if (wrapper->CtrlHandle == window) return wrapper.get();
  }
  return nullptr;
}

void TacProvider::PrintHwndControls(HWND window, HDC dc) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    const int saved = SaveDC(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + r.left, origin.y + r.top, nullptr);
    if (IsWindowVisible(child)) {
      SendSkinCommand(child, SKC_SET_PRINT_DC, reinterpret_cast<LPARAM>(dc));
      SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
      SendSkinCommand(child, SKC_SET_PRINT_DC, 0);
      PrintHwndControls(child, dc);
    }
    RestoreDC(dc, saved);
  }
}
