#include "skin/core/threaded_timer.h"

#include "framework/application/application.h"
#include "framework/utils/timer.h"

// The message timer that ticks for a TacThreadedTimer. Ticking through a
// virtual call, not OnTimer, lets the handler free both timers safely.
class TacInnerTimer : public TTimer {
 public:
  explicit TacInnerTimer(TacThreadedTimer* outer) : TTimer(nullptr), FOuter(outer) { SetEnabled(false); }

 protected:
  void DoTimer() override { FOuter->Tick(); }

 private:
  TacThreadedTimer* FOuter;
};

TacThreadedTimer::TacThreadedTimer(TComponent* owner) : TComponent(owner) {
  if (Application && Application->Terminated()) FEnabled = false;
  Restart();
}

TacThreadedTimer::TacThreadedTimer(TComponent* owner, bool changeEvent)
    : TComponent(owner), FEnabled(false), FChangeEvent(changeEvent) {}

TacThreadedTimer::~TacThreadedTimer() {
  *FAlive = false;
  FTimerThread.reset();
}

void TacThreadedTimer::SetEnabled(bool enabled) {
  FEnabled = enabled;
  Restart();
}

void TacThreadedTimer::SetInterval(unsigned interval) {
  FInterval = interval;
  Restart();
}

void TacThreadedTimer::SetOnTimer(TNotifyEvent handler) {
  FOnTimer = std::move(handler);
  Restart();
}

void TacThreadedTimer::SetThreadPriority(TThreadPriority priority) {
  FThreadPriority = priority;
  Restart();
}

void TacThreadedTimer::Reset() {
  FTimerThread.reset();
  Restart();
}

void TacThreadedTimer::Restart() {
  const bool run = FEnabled && FInterval > 0 && HasHandler();
  if (!run) {
    FTimerThread.reset();
    return;
  }
  if (!FTimerThread) {
    FTimerThread = std::make_unique<TacInnerTimer>(this);
  }
  // Disabling first starts the platform timer anew with the new interval.
  FTimerThread->SetEnabled(false);
  FTimerThread->SetInterval(FInterval);
  FTimerThread->SetEnabled(true);
}

void TacThreadedTimer::Tick() {
  if (FExecuting || !FTimerThread || !FTimerThread->Enabled()) return;
  const std::shared_ptr<bool> alive = FAlive;
  FExecuting = true;
  if (FChangeEvent) {
    TimeHandler();
  } else if (FOnTimer) {
    TNotifyEvent handler = FOnTimer;  // the handler may replace itself
    handler(this);
  }
  if (*alive) FExecuting = false;
}
