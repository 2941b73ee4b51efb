#include "skin/core/move_blend.h"

#include "core/paint/window_animation_steps.h"
#include "skin/core/skinned_windows.h"
#include "skin/core/threaded_timer.h"
#include "skin/store/skin_manager.h"

namespace {

class TacMoveTimer : public TacThreadedTimer {
 public:
  TacMoveTimer(HWND window, const zelvan::paint::TMoveBlend& blend)
      : TacThreadedTimer(nullptr, true), FormHandle(window), Blend(blend) {
    SetInterval(12);
    SetEnabled(true);
  }

 protected:
  void TimeHandler() override {
    SetLayeredWindowAttributes(FormHandle, 0, Blend.Current, LWA_ALPHA);
    Blend.Advance();
  }

 private:
  HWND FormHandle;
  zelvan::paint::TMoveBlend Blend;
};

// The window's own constant opacity, 255 when it has none.
BYTE OwnAlpha(HWND window, bool layered) {
  BYTE alpha = 255;
  DWORD flags = 0;
  if (layered && GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) && (flags & LWA_ALPHA)) return alpha;
  return 255;
}

}  // namespace

bool MoveWithBlend(HWND window, TacProviderLink* provider, TsSkinManager* manager) {
  if (!manager || !IsWindow(window)) return false;
  const TacBlendOnMoving& effect = manager->AnimEffects.BlendOnMoving;
  if (!effect.Active) return false;
  const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  const bool wasLayered = (exStyle & WS_EX_LAYERED) != 0;
  const BYTE ownAlpha = OwnAlpha(window, wasLayered);
  const zelvan::paint::TMoveBlend blend =
      provider ? zelvan::paint::TMoveBlend::ForForm(ownAlpha, effect.BlendValue, provider->AllowBlendOnMoving(), effect.Time)
               : zelvan::paint::TMoveBlend::ForDialog(effect.BlendValue);
  SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  SetLayeredWindowAttributes(window, 0, blend.Current, LWA_ALPHA);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  {
    TacMoveTimer timer(window, blend);
    SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
  }
  if (!IsWindow(window)) return true;
  if (wasLayered) {
    SetLayeredWindowAttributes(window, 0, ownAlpha, LWA_ALPHA);
  } else {
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  }
  SetFocus(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return true;
}
