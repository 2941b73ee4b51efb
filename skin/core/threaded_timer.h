#pragma once
// TacThreadedTimer: the timer of the window animations. It ticks through an
// ordinary message timer on the user-interface thread (the name is kept for
// the programmers who know it); a tick that arrives while the previous one is
// still being handled is dropped, and the handler may free the timer.

#include <memory>

#include "framework/component/component.h"
#include "framework/controls/control_types.h"

class TacInnerTimer;

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TacThreadedTimer : public TComponent {
 public:
  // Enabled, 1000 ms (not started while the application terminates).
  explicit TacThreadedTimer(TComponent* owner);
  // Disabled; with changeEvent each tick calls TimeHandler instead of OnTimer.
  TacThreadedTimer(TComponent* owner, bool changeEvent);
  ~TacThreadedTimer() override;
  std::wstring ClassName() const override { return L"TacThreadedTimer"; }

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned interval);
  const TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent handler);
  // Stored and published; it has no effect.
  TThreadPriority ThreadPriority() const { return FThreadPriority; }
  void SetThreadPriority(TThreadPriority priority);
  // Makes the inner timer anew.
  void Reset();
  bool Executing() const { return FExecuting; }

 protected:
  virtual void TimeHandler() {}

 private:
  friend class TacInnerTimer;
  void Tick();
  void Restart();
  bool HasHandler() const { return FChangeEvent || static_cast<bool>(FOnTimer); }

  bool FEnabled = true;
  unsigned FInterval = 1000;
  TNotifyEvent FOnTimer;
  TThreadPriority FThreadPriority = tpNormal;
  bool FChangeEvent = false;
  bool FExecuting = false;
  std::unique_ptr<TacInnerTimer> FTimerThread;
  // Cleared when the timer is destroyed, so a tick whose handler freed it
  // does not touch it afterwards.
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};
