#include "framework/application/application.h"

#include <commctrl.h>

#include "framework/application/callback_guard.h"
#include "framework/application/framework_setup.h"
#include "framework/forms/custom_form.h"
#include "framework/system/exception.h"

namespace {

TApplication gApplication(nullptr);

std::wstring ModuleTitle() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring title = path;
  title = title.substr(title.find_last_of(L"\\/") + 1);
  return title.substr(0, title.find_last_of(L'.'));
}

}  // namespace

TApplication* Application = &gApplication;

void HandleCallbackException() noexcept { Application->HandleException(std::current_exception()); }

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() {
  Destroying();
  DestroyComponents();
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  SetUpFramework();
  if (FTitle.empty()) FTitle = ModuleTitle();
  Handle();
}

HWND TApplication::Handle() {
  if (!FHandle) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = AppWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"TApplication";
    if (!GetClassInfoExW(instance, wc.lpszClassName, &wc)) RegisterClassExW(&wc);
    HWND window = CreateWindowExW(0, L"TApplication", FTitle.c_str(),
                                  WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU |
                                      WS_MINIMIZEBOX,
                                  GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                                  0, 0, nullptr, nullptr, instance, nullptr);
    if (!window) throw Exception(L"Cannot create the application window");
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    FHandle.Reset(window);
  }
  return FHandle.Get();
}

void TApplication::SetTitle(const std::wstring& title) {
  FTitle = title;
  if (FHandle) SetWindowTextW(FHandle.Get(), title.c_str());
}

// ---------------------------------------------------------------- message loop

void TApplication::Run() {
  FTerminated = false;
  if (FMainForm && ShowMainForm) FMainForm->Show();
  while (!FTerminated) HandleMessage();
  FTerminated = false;  // the loop may be run again (tests do)
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg) && !FTerminated) WaitMessage();
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  try {
    if (IsDialogKeyMessage(msg)) return true;
  } catch (...) {
    HandleException(std::current_exception());
    return true;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

bool TApplication::IsDialogKeyMessage(const MSG& msg) {
  const bool keyDown = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  const bool character = msg.message == WM_CHAR || msg.message == WM_SYSCHAR;
  if (!keyDown && !character) return false;
  // The framework control that has the key, or the nearest one holding its window.
  TWinControl* control = nullptr;
  for (HWND window = msg.hwnd; window && !control; window = GetParent(window)) {
    control = TWinControl::FindControl(window);
  }
  TCustomForm* form = control ? GetParentForm(control) : nullptr;
  if (!form) return false;

  MSG copy = msg;
  const auto code = static_cast<UINT>(
      SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy)));
  if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
  if (character) {
    if (msg.message == WM_CHAR && (code & DLGC_WANTCHARS)) return false;
    return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
  }
  UINT wanted = 0;
  switch (msg.wParam) {
    case VK_TAB: wanted = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: wanted = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_EXECUTE:
    case VK_CANCEL: break;
    default: return false;
  }
  if (code & wanted) return false;
  return form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam) != 0;
}

// ---------------------------------------------------------------- exceptions

void TApplication::HandleException(const std::exception_ptr& error) noexcept {
  try {
    try {
      std::rethrow_exception(error);
    } catch (const EAbort&) {
      return;
    } catch (...) {
    }
    if (OnException) {
      OnException(this, error);
    } else {
      ShowException(ExceptionMessage(error));
    }
  } catch (...) {
    // The handler itself failed: nothing is left to tell.
  }
}

void TApplication::ShowException(const std::wstring& message) {
  MessageBox(message, FTitle, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::wstring& text, const std::wstring& caption, UINT flags) {
  HWND owner = GetActiveWindow();
  if (!owner && FHandle) owner = FHandle.Get();
  if (FMessageBoxHook) return FMessageBoxHook(owner, text, caption, flags);
  return ::MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

// ---------------------------------------------------------------- application window

int TApplication::HookMainWindow(TWindowHook hook) {
  const int id = FNextHookId++;
  FHooks.push_back(THookEntry{id, std::move(hook)});
  return id;
}

void TApplication::UnhookMainWindow(int hookId) {
  std::erase_if(FHooks, [hookId](const THookEntry& entry) { return entry.Id == hookId; });
}

LRESULT CALLBACK TApplication::AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* app = reinterpret_cast<TApplication*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!app) return DefWindowProcW(window, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  try {
    app->WndProc(message);
  } catch (...) {
    HandleCallbackException();
  }
  return message.Result;
}

bool TApplication::HookedMessage(TMessage& message) {
  // A hook may unhook itself or others while it runs.
  const std::vector<THookEntry> hooks = FHooks;
  for (const THookEntry& entry : hooks) {
    if (entry.Hook(message)) return true;
  }
  return false;
}

void TApplication::WndProc(TMessage& message) {
  if (HookedMessage(message)) return;
  switch (message.Msg) {
    case WM_CLOSE:
      if (FMainForm) FMainForm->Close();
      return;
    case WM_ACTIVATEAPP:
      message.WParam ? Activate() : Deactivate();
      break;
    case CM_ACTIVATE:
    case CM_DEACTIVATE:
      return;
    default:
      break;
  }
  message.Result = DefWindowProcW(FHandle.Get(), message.Msg, message.WParam, message.LParam);
}

void TApplication::Activate() {
  if (FActive) return;
  FActive = true;
  if (OnActivate) OnActivate(this);
  if (FHandle) SendMessageW(FHandle.Get(), CM_ACTIVATE, 0, 0);
}

void TApplication::Deactivate() {
  if (!FActive) return;
  FActive = false;
  if (OnDeactivate) OnDeactivate(this);
  if (FHandle) SendMessageW(FHandle.Get(), CM_DEACTIVATE, 0, 0);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FMainForm) FMainForm = nullptr;
}
