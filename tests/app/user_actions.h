#pragma once
// What a user does, sent to real windows as the platform would deliver it:
// clicks and keys posted to the window's queue (so that the message loop's
// dialog-key handling sees them), and steps run from a timer while a modal
// loop owns the thread.

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

void PostClick(HWND window, int x, int y);
// Clicks the middle of a window (a button).
void PostClick(HWND window);
void PostKey(HWND window, WORD key);
// Types the characters one by one as WM_CHAR messages.
void PostText(HWND window, const std::wstring& text);

// Steps run in order from a timer; a step returning false is tried again on
// the next tick (it waits for something). When the steps are not through
// after `timeoutMs`, OnTimeout runs once (it ends the modal loop, so a broken
// test fails instead of hanging) and the script stops.
class TUserScript {
 public:
  explicit TUserScript(std::deque<std::function<bool()>> steps, UINT timeoutMs = 15000, UINT tickMs = 30);
  std::function<void()> OnTimeout;
  ~TUserScript();
  TUserScript(const TUserScript&) = delete;
  TUserScript& operator=(const TUserScript&) = delete;
  bool Finished() const { return FSteps.empty() && !FTimedOut; }
  size_t StepsLeft() const { return FSteps.size(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
  std::deque<std::function<bool()>> FSteps;
  UINT_PTR FTimer = 0;
  DWORD FDeadline;
  bool FRunning = false;
  bool FTimedOut = false;
};

// A folder of its own under the temporary folder, removed with its contents.
class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  const std::wstring& Path() const { return FPath; }
  std::wstring Make(const std::wstring& name) const;  // a sub-folder
  std::wstring File(const std::wstring& name) const;  // an empty file

 private:
  std::wstring FPath;
};
