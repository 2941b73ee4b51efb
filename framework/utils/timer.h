#pragma once
// TTimer: OnTimer every Interval milliseconds on the user-interface thread,
// while Enabled. A thread timer with a timer procedure: it fires inside any
// message loop that dispatches messages, modal ones included.

#include <windows.h>

#include "framework/component/component.h"
#include "framework/controls/control_types.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  std::wstring ClassName() const override { return L"TTimer"; }

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return FInterval; }
  void SetInterval(UINT interval);
  TNotifyEvent OnTimer;

  void Loaded() override;

 protected:
  // One tick: runs OnTimer. A subclass that overrides it may free the timer
  // as its last act.
  virtual void DoTimer();

 private:
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
  void UpdateTimer();

  bool FEnabled = true;
  UINT FInterval = 1000;
  UINT_PTR FTimerId = 0;
};
