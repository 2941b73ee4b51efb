#include "skin/core/window_animation.h"

#include <memory>

#include "core/paint/window_animation_steps.h"
#include "framework/application/application.h"
#include "framework/forms/custom_form.h"
#include "framework/system/flag_scope.h"
#include "skin/core/animation_window.h"
#include "skin/core/glow.h"
#include "skin/core/skinned_windows.h"
#include "skin/core/state_fade.h"
#include "skin/core/threaded_timer.h"
#include "skin/core/window_snapshot.h"
#include "skin/store/manager_seams.h"
#include "skin/store/skin_manager.h"

using zelvan::paint::TAnimFrame;

namespace {

constexpr unsigned kStepMs = 12;

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

// Where a window goes to lie directly above `window` in the z-order.
HWND PlaceAbove(HWND window) {
  if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) return HWND_TOPMOST;
  HWND above = GetWindow(window, GW_HWNDPREV);
  return above ? above : HWND_TOP;
}

void ShowWithoutActivation(HWND window, HWND insertAfter) {
  SetWindowPos(window, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// The show pattern: steps + 1 frames 12 ms apart, then one at the target.
void RunShowFrames(TacAnimationWindow& window, HWND over, TBitmap& picture, const RECT& bounds, int steps,
                   uint8_t alpha, TacAnimType mode) {
  const bool zoom = mode == atAero;
  for (int i = 0; i <= steps; ++i) {
    window.Push(picture, bounds, zelvan::paint::ShowAnimationFrame(i, steps, WidthOf(bounds), HeightOf(bounds), alpha, zoom));
    if (i == 0) ShowWithoutActivation(window.Handle(), PlaceAbove(over));
    Sleep(kStepMs);
  }
  window.Push(picture, bounds, zelvan::paint::ShowAnimationFrame(steps, steps, WidthOf(bounds), HeightOf(bounds), alpha, false));
}

// The window's picture shown by the show pattern with the forms locked, then
// the window redrawn whole. showWindow: the window comes up just below the
// animation window first (it is being shown); else the pattern fades its new
// look in over the old one still on screen.
bool FadeInOver(HWND window, int steps, uint8_t alpha, TacAnimType mode, bool showWindow) {
  // The snapshot comes first: while the forms are locked nothing paints.
  std::unique_ptr<TBitmap> picture = SnapshotWindow(window);
  if (!picture) return false;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  TFlagScope locked(FormsLocked, true);
  TacAnimationWindow animation(nullptr);
  RunShowFrames(animation, window, *picture, bounds, steps, alpha, mode);
  if (showWindow) {
    SetWindowPos(window, animation.Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  }
  FormsLocked = false;
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  // The desktop compositor shows a frame late: the animation window stays a
  // little longer so the form's first paint is on screen first.
  if (showWindow && DesktopCompositionEnabled()) Sleep(48);
  return true;
}

bool IsMdiChild(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0; }

// --- the hide timer

class TacHideTimer : public TacThreadedTimer {
 public:
  TacHideTimer() : TacThreadedTimer(nullptr, true) {}

  void Start(HWND window, HWND borderWindow, std::unique_ptr<TBitmap> picture, const RECT& bounds, int steps,
             TacAnimType type) {
    Finish();
    SrcBmp = std::move(picture);
    FBounds = bounds;
    StepCount = steps;
    AnimType = type;
    i = 0;
    DC = borderWindow;
    if (!DC) {
      Form = std::make_unique<TacAnimationWindow>(nullptr);
      DC = Form->Handle();
    }
    PushStep();
    ShowWithoutActivation(DC, PlaceAbove(window));
    if (Application && Application->Terminated()) {
      // No message loop will tick any more: the frames run here.
      while (i < StepCount) {
        Sleep(kStepMs);
        ++i;
        PushStep();
      }
      Finish();
      return;
    }
    SetInterval(kStepMs);
    SetEnabled(true);
  }

  void Finish() {
    SetEnabled(false);
    SetInterval(0xFFFF);
    if (Form) {
      Form.reset();
    } else if (DC && IsWindow(DC)) {
      ShowWindow(DC, SW_HIDE);  // a border window is the provider's; it is only hidden
    }
    DC = nullptr;
    SrcBmp.reset();
    DstBmp.reset();
  }

  bool Running() const { return SrcBmp != nullptr; }

 protected:
  void TimeHandler() override {
    if (!SrcBmp) return;
    ++i;
    PushStep();
    if (i >= StepCount) Finish();
  }

 private:
  void PushStep() {
    const TAnimFrame frame = zelvan::paint::HideAnimationFrame(i, StepCount, WidthOf(FBounds), HeightOf(FBounds),
                                                              StartBlendValue, AnimType == atAero);
    if (Form) {
      Form->Push(*SrcBmp, FBounds, frame);
    } else {
      PushLayeredFrame(DC, *SrcBmp, FBounds, frame, DstBmp);
    }
  }

  std::unique_ptr<TacAnimationWindow> Form;
  HWND DC = nullptr;  // the window the frames go to
  RECT FBounds{};
  uint8_t StartBlendValue = 255;
  int i = 0;
  int StepCount = 0;
  TacAnimType AnimType = atFading;
  std::unique_ptr<TBitmap> SrcBmp;
  std::unique_ptr<TBitmap> DstBmp;
};

TacHideTimer& HideTimer() {
  // Made once and kept: hiding forms one after another reuses it.
  static TacHideTimer* timer = new TacHideTimer();
  return *timer;
}

}  // namespace

bool DesktopCompositionEnabled() {
  using Query = HRESULT(WINAPI*)(BOOL*);
  static const Query query = [] {
    HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
    return dwm ? reinterpret_cast<Query>(reinterpret_cast<void*>(GetProcAddress(dwm, "DwmIsCompositionEnabled")))
               : nullptr;
  }();
  BOOL enabled = FALSE;
  return query && SUCCEEDED(query(&enabled)) && enabled;
}

void ForbidCompositorTransitions(HWND window, bool forbid) {
  if (!DesktopCompositionEnabled()) return;
  using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  static const SetAttribute set = [] {
    HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
    return dwm ? reinterpret_cast<SetAttribute>(reinterpret_cast<void*>(GetProcAddress(dwm, "DwmSetWindowAttribute")))
               : nullptr;
  }();
  constexpr DWORD kTransitionsForceDisabled = 3;
  const BOOL value = forbid ? TRUE : FALSE;
  if (set) set(window, kTransitionsForceDisabled, &value, sizeof(value));  // a stub's failure changes nothing
}

bool WindowAnimationAllowed(TacProviderLink* provider, bool minimizedToo) {
  if (!provider || AnimationsSuppressed() || SessionEnding()) return false;
  if (!provider->AllowAnimation() || provider->SkipAnimation()) return false;
  TCustomForm* form = provider->ProviderForm();
  if (!form || form->Parent() || !form->HandleAllocated()) return false;
  HWND window = form->Handle();
  if (IsMdiChild(window) || (IsIconic(window) && !minimizedToo)) return false;
  TsSkinManager* manager = provider->ProviderManager();
  return manager && manager->Active();
}

bool ShowAnimation(TacProviderLink* provider, unsigned timeMs, uint8_t alpha, TacAnimType mode) {
  if (!WindowAnimationAllowed(provider) || (Application && Application->Terminated())) return false;
  const int steps = zelvan::paint::WindowAnimationSteps(timeMs);
  if (steps == 0) return false;
  provider->RenderFrame();
  if (!FadeInOver(provider->ProviderForm()->Handle(), steps, alpha, mode, true)) return false;
  provider->AfterAnimation();
  return true;
}

bool HideAnimation(TacProviderLink* provider) {
  if (!WindowAnimationAllowed(provider) || !provider->HasCache()) return false;
  const TacFormHide& effect = provider->ProviderManager()->AnimEffects.FormHide;
  const int steps = zelvan::paint::WindowAnimationSteps(effect.Time);
  if (!effect.Active || steps == 0) return false;
  TCustomForm* form = provider->ProviderForm();
  RemoveAllGlows();
  provider->RenderFrame();
  std::unique_ptr<TBitmap> picture = SnapshotWindow(form->Handle());
  if (!picture) return false;
  TFlagScope locked(FormsLocked, true);  // until the fade is set up
  RECT bounds{};
  GetWindowRect(form->Handle(), &bounds);
  HideTimer().Start(form->Handle(), provider->BorderWindow(), std::move(picture), bounds, steps, effect.Mode);
  return true;
}

bool SkinChangeAnimation(TCustomForm* form, unsigned timeMs, uint8_t alpha, TacAnimType mode) {
  if (!form || !form->HandleAllocated() || AnimationsSuppressed() || SessionEnding()) return false;
  HWND window = form->Handle();
  if (!IsWindowVisible(window) || IsIconic(window)) return false;
  const int steps = zelvan::paint::WindowAnimationSteps(timeMs);
  if (steps == 0) return false;
  return FadeInOver(window, steps, alpha, mode, false);
}

// A platform dialog has no provider: the manager's dialog effects and the
// window's own state decide.
static bool DialogAnimationAllowed(HWND dialog, const TsSkinManager* manager, const TacFormAnimation& effect) {
  if (!manager || !manager->Active() || !effect.Active || AnimationsSuppressed() || SessionEnding()) return false;
  if (!IsWindow(dialog) || IsIconic(dialog) || (GetWindowLongPtrW(dialog, GWL_STYLE) & WS_CHILD)) return false;
  return zelvan::paint::WindowAnimationSteps(effect.Time) > 0;
}

bool DialogShowAnimation(HWND dialog, const TsSkinManager* manager) {
  if (!manager || (Application && Application->Terminated())) return false;
  const TacDialogShow& effect = manager->AnimEffects.DialogShow;
  if (!DialogAnimationAllowed(dialog, manager, effect)) return false;
  return FadeInOver(dialog, zelvan::paint::WindowAnimationSteps(effect.Time), 255, effect.Mode, true);
}

std::unique_ptr<TBitmap> DialogHideSnapshot(HWND dialog, const TsSkinManager* manager) {
  if (!manager || !DialogAnimationAllowed(dialog, manager, manager->AnimEffects.DialogHide)) {
    return nullptr;
  }
  return SnapshotWindow(dialog);
}

bool DialogHideAnimation(HWND dialog, const TsSkinManager* manager, std::unique_ptr<TBitmap> snapshot,
                         const RECT& bounds) {
  if (!snapshot || !manager) return false;
  const TacFormHide& effect = manager->AnimEffects.DialogHide;
  if (!DialogAnimationAllowed(dialog, manager, effect)) return false;
  RemoveAllGlows();
  HideTimer().Start(dialog, nullptr, std::move(snapshot), bounds, zelvan::paint::WindowAnimationSteps(effect.Time),
                    effect.Mode);
  return true;
}

bool HideAnimationRunning() { return HideTimer().Running(); }
void FinishHideAnimation() { HideTimer().Finish(); }

void TacProviderLink::AnimateSkinChange(unsigned timeMs, int mode) {
  SkinChangeAnimation(ProviderForm(), timeMs, 255, static_cast<TacAnimType>(mode));
}
