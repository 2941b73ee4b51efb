#include "skin/core/minimize_animation.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/paint/window_animation_steps.h"
#include "framework/application/application.h"
#include "framework/forms/custom_form.h"
#include "skin/core/animation_window.h"
#include "skin/core/platform_min_animation.h"
#include "skin/core/skinned_windows.h"
#include "skin/core/state_fade.h"
#include "skin/core/threaded_timer.h"
#include "skin/core/window_animation.h"
#include "skin/core/window_snapshot.h"
#include "skin/store/skin_manager.h"

using zelvan::paint::TRect;

namespace {

TRect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

class TacMinTimer : public TacThreadedTimer {
 public:
  TacMinTimer() : TacThreadedTimer(nullptr, true) {}

  void Start(HWND form, std::shared_ptr<TBitmap> picture, const TRect& from, const TRect& to, uint8_t alphaFrom,
             uint8_t alphaTo, int steps) {
    Finish();
    FormHandle = form;
    SavedImage = std::move(picture);
    Source = from;
    Target = to;
    AlphaFrom = alphaFrom;
    AlphaTo = alphaTo;
    StepCount = steps;
    Step = 0;
    Platform.SwitchOff();
    AnimForm = std::make_unique<TacAnimationWindow>(nullptr);
    PushStep();
    SetWindowPos(AnimForm->Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (StepCount <= 1) return Finish();
    SetInterval(15);
    SetEnabled(true);
  }

  void Finish() {
    SetEnabled(false);
    AnimForm.reset();
    SavedImage.reset();
    Platform.Restore();
  }

  bool Running() const { return AnimForm != nullptr; }

 protected:
  void TimeHandler() override {
    if (!AnimForm) return;
    ++Step;
    PushStep();
    if (Step >= StepCount - 1) Finish();
  }

 private:
  void PushStep() {
    const zelvan::paint::TAnimFrame at =
        zelvan::paint::MinimizeAnimationFrame(Step, StepCount, Source, Target, AlphaFrom, AlphaTo);
    const LONG left = std::lround(at.Left), top = std::lround(at.Top);
    const RECT bounds{left, top, std::max(left + 1, static_cast<LONG>(std::lround(at.Right))),
                      std::max(top + 1, static_cast<LONG>(std::lround(at.Bottom)))};
    zelvan::paint::TAnimFrame whole;
    whole.Right = bounds.right - bounds.left;
    whole.Bottom = bounds.bottom - bounds.top;
    whole.Alpha = at.Alpha;
    AnimForm->Push(*SavedImage, bounds, whole);
  }

  HWND FormHandle = nullptr;
  std::shared_ptr<TBitmap> SavedImage;
  std::unique_ptr<TacAnimationWindow> AnimForm;
  TRect Source, Target;
  uint8_t AlphaFrom = 255, AlphaTo = 0;
  int StepCount = 1, Step = 0;
  TPlatformMinimizeAnimation Platform;
};

TacMinTimer& MinTimer() {
  static TacMinTimer* timer = new TacMinTimer();
  return *timer;
}

// The picture of the form minimised last, for its restore.
struct TMinimizedPicture {
  HWND Form = nullptr;
  std::shared_ptr<TBitmap> Picture;
};
TMinimizedPicture& LastMinimized() {
  static TMinimizedPicture last;
  return last;
}

TRect TaskbarPoint(const RECT& form) {
  RECT taskbar{};
  if (HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr)) GetWindowRect(tray, &taskbar);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const zelvan::paint::TPoint p = zelvan::paint::MinimizeTarget(ToRect(taskbar), ToRect(screen), ToRect(work), ToRect(form));
  return {p.X, p.Y, p.X, p.Y};
}

}  // namespace

bool StartMinimizeAnimation(TacProviderLink* provider, bool minimizing, bool fromApplicationWindow) {
  if (!provider || !provider->ProviderForm()) return false;
  TCustomForm* form = provider->ProviderForm();
  if (Application && form == Application->MainForm() && !fromApplicationWindow) return false;
  if (!form->HandleAllocated()) return false;
  HWND window = form->Handle();
  // A restore starts from a minimised form; the other rules are the show's.
  const bool allowed = WindowAnimationAllowed(provider, !minimizing);
  if (!allowed) return false;
  const TacMinimizing& effect = provider->ProviderManager()->AnimEffects.Minimizing;
  if (!effect.Active || effect.Time == 0) return false;
  const int steps = zelvan::paint::MinimizeAnimationSteps(effect.Time);
  TMinimizedPicture& last = LastMinimized();
  if (minimizing) {
    provider->RenderFrame();
    std::shared_ptr<TBitmap> picture = SnapshotWindow(window);
    if (!picture) return false;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    last = {window, picture};
    MinTimer().Start(window, picture, ToRect(bounds), TaskbarPoint(bounds), 255, 0, steps);
    return true;
  }
  if (last.Form != window || !last.Picture) return false;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(window, &placement);
  const RECT normal = placement.rcNormalPosition;
  std::shared_ptr<TBitmap> picture = std::move(last.Picture);
  last = {};
  MinTimer().Start(window, picture, TaskbarPoint(normal), ToRect(normal), 0, 255, steps);
  return true;
}

bool MinimizeAnimationRunning() { return MinTimer().Running(); }
void FinishMinimizeAnimation() { MinTimer().Finish(); }
