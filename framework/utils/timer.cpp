#include "framework/utils/timer.h"

#include <map>

#include "framework/application/callback_guard.h"

namespace {

std::map<UINT_PTR, TTimer*>& RunningTimers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) { UpdateTimer(); }

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(UINT interval) {
  if (interval == FInterval) return;
  FInterval = interval;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FTimerId) {
    KillTimer(nullptr, FTimerId);
    RunningTimers().erase(FTimerId);
    FTimerId = 0;
  }
  // A layout starts its timers only once it is loaded.
  if (!FEnabled || FInterval == 0 || ComponentState().Contains(csLoading)) return;
  FTimerId = SetTimer(nullptr, 0, FInterval, &TTimer::TimerProc);
  if (FTimerId) RunningTimers()[FTimerId] = this;
}

void TTimer::DoTimer() {
  if (OnTimer) OnTimer(this);
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  try {
    auto found = RunningTimers().find(id);
    if (found != RunningTimers().end()) found->second->DoTimer();
  } catch (...) {
    HandleCallbackException();
  }
}
