// TsSkinProvider: the form's window animations. A form fades in when shown
// and out when hidden or released, flies to the taskbar when minimised, and
// turns translucent while dragged by its caption; each only when the
// manager's effect is on and the provider allows it.
#include <windows.h>

#include "framework/application/application.h"
#include "framework/controls/messages.h"
#include "framework/forms/custom_form.h"
#include "skin/core/minimize_animation.h"
#include "skin/core/move_blend.h"
#include "skin/core/window_animation.h"
#include "skin/store/skin_manager.h"
#include "skin/window/skin_provider.h"

void TsSkinProvider::AfterAnimation() {
  if (OnAfterAnimation) OnAfterAnimation(this);
}

// lParam other than 0: the owner is being minimised or restored, which is
// not this form's own show or hide.
void TsSkinProvider::ShowWindowAnimated(TMessage& m, const TWndMethod& next) {
  HWND window = FForm->Handle();
  const bool showing = m.WParam != 0;
  if (m.LParam != 0 || showing == (IsWindowVisible(window) != 0)) return next(m);
  if (showing) {
    FormState &= ~fsClosingAnimated;
    const TacFormShow& effect = SkinData.SkinManager()->AnimEffects.FormShow;
    // The animation ends with the window visible and painted under it.
    if (effect.Active) ShowAnimation(this, effect.Time, 255, effect.Mode);
  } else if (!(FormState & fsClosingAnimated) && HideAnimated()) {
    FormState |= fsClosingAnimated;
  }
  SkipNextAnimation = false;
  next(m);
}

bool TsSkinProvider::HideAnimated() {
  if (!IsWindowVisible(FForm->Handle())) return false;
  const bool started = HideAnimation(this);
  SkipNextAnimation = false;
  return started;
}

// A form released (freed) while visible fades out like a hidden one.
void TsSkinProvider::ReleaseAnimated(TMessage& m, const TWndMethod& next) {
  HWND window = FForm->Handle();
  if (!(FormState & fsClosingAnimated) && HideAnimated()) {
    FormState |= fsClosingAnimated;
    ShowWindow(window, SW_HIDE);
  }
  next(m);
}

bool TsSkinProvider::SysCommandAnimated(TMessage& m, const TWndMethod& next) {
  HWND window = FForm->Handle();
  const WPARAM command = m.WParam & 0xFFF0;
  const bool minimizing = command == SC_MINIMIZE && !IsIconic(window);
  const bool restoring = (command == SC_RESTORE || command == SC_MAXIMIZE) && IsIconic(window);
  if (!minimizing && !restoring) return false;
  StartMinimizeAnimation(this, minimizing);
  SkipNextAnimation = false;
  next(m);
  return true;
}

// The frame keeps its active look while the form is moved translucent.
bool TsSkinProvider::CaptionDragBlended(TMessage& m) {
  HWND window = FForm->Handle();
  if (m.WParam != HTCAPTION || IsZoomed(window) || IsIconic(window)) return false;
  TsSkinManager* manager = SkinData.SkinManager();
  if (!manager || !manager->AnimEffects.BlendOnMoving.Active) return false;
  FormState |= fsFrozenActive;
  const bool moved = MoveWithBlend(window, this, manager);
  if (!IsWindow(window)) return true;  // closed while moved
  FormState &= ~fsFrozenActive;
  m.Result = 0;
  return moved;
}
