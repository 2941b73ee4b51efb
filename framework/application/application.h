#pragma once
// TApplication: the application object. It owns the hidden application
// window (which components may hook), the forms made with CreateForm, the
// message loop with dialog keyboard navigation, and the default exception
// handler that every window procedure entry hands its exceptions to.

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "framework/component/component.h"
#include "framework/controls/control_types.h"
#include "framework/controls/messages.h"
#include "framework/system/win_handles.h"

class TCustomForm;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;
  std::wstring ClassName() const override { return L"TApplication"; }

  // Common controls, the registered framework classes, the bitmap storage,
  // and the hidden application window.
  void Initialize();
  HWND Handle();

  bool MainFormOnTaskbar() const { return FMainFormOnTaskbar; }
  void SetMainFormOnTaskbar(bool onTaskbar) { FMainFormOnTaskbar = onTaskbar; }
  TCustomForm* MainForm() const { return FMainForm; }
  // The first form made becomes the main form; closing it ends the program.
  template <typename T>
  void CreateForm(T*& reference) {
    reference = new T(this);
    if (!FMainForm) FMainForm = reference;
  }
  bool ShowMainForm = true;

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Handles one message, or waits for one when there is none.
  void HandleMessage();
  void ProcessMessages();
  bool ProcessMessage(MSG& msg);
  // Tab, arrows, Enter, Escape and accelerator characters for the focused
  // control's form; true when the form used the key.
  bool IsDialogKeyMessage(const MSG& msg);

  // --- exceptions and message boxes
  void HandleException(const std::exception_ptr& error) noexcept;
  virtual void ShowException(const std::wstring& message);
  std::function<void(TObject* sender, const std::exception_ptr& error)> OnException;
  int MessageBox(const std::wstring& text, const std::wstring& caption, UINT flags);
  // Replaces the platform message box (tests intercept it); empty restores it.
  using TMessageBoxHook = std::function<int(HWND owner, const std::wstring& text,
                                            const std::wstring& caption, UINT flags)>;
  void SetMessageBoxHook(TMessageBoxHook hook) { FMessageBoxHook = std::move(hook); }

  // --- the application window's messages; a hook answering true handled the message
  using TWindowHook = std::function<bool(TMessage& message)>;
  int HookMainWindow(TWindowHook hook);
  void UnhookMainWindow(int hookId);
  // Runs the hooks only, not the window's own handling, for a message that a
  // form passes on for the whole application; true when a hook handled it.
  bool HookedMessage(TMessage& message);

  const std::wstring& Title() const { return FTitle; }
  void SetTitle(const std::wstring& title);
  bool Active() const { return FActive; }
  // Forms report WM_ACTIVATEAPP here; the application window then gets CM_ACTIVATE or CM_DEACTIVATE.
  void Activate();
  void Deactivate();
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  bool ShowHint = true;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  static LRESULT CALLBACK AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void WndProc(TMessage& message);

  struct THookEntry {
    int Id;
    TWindowHook Hook;
  };
  TWindowHandle FHandle;
  TCustomForm* FMainForm = nullptr;
  bool FMainFormOnTaskbar = false;
  bool FTerminated = false;
  bool FActive = false;
  std::wstring FTitle;
  std::vector<THookEntry> FHooks;
  int FNextHookId = 1;
  TMessageBoxHook FMessageBoxHook;
};

extern TApplication* Application;
