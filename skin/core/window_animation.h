#pragma once
// Window animations: a form fading (and, in aero mode, zooming) in when
// shown, out when hidden, and its new look fading in over the old one after
// a skin change. They work on a snapshot of the form in an animation window,
// while FormsLocked holds every control's painting back. Showing and skin
// changes run to the end before returning; hiding runs on the process's hide
// timer, so the application goes on while the old picture fades.

#include <windows.h>

#include <memory>

#include "framework/graphics/bitmap.h"
#include "skin/store/manager_options.h"

class TCustomForm;
class TsSkinManager;
class TacProviderLink;

// The desktop compositor is on (dwmapi loaded at run time; Wine has none).
bool DesktopCompositionEnabled();
// Under the compositor: forbids (or allows again) the compositor's own
// transitions of window, which would play over the skin's animations.
void ForbidCompositorTransitions(HWND window, bool forbid);

// Whether a window animation of the provider's form may run now (the
// provider's permissions, no parent, not MDI, not minimised, the manager
// active, the session not ending, animations not suppressed). A restore
// animation starts from a minimised form: minimizedToo.
bool WindowAnimationAllowed(TacProviderLink* provider, bool minimizedToo = false);

// Fades the form in to alpha over time ms (steps of 12 ms), then shows it
// in place of the animation window. True when it animated.
bool ShowAnimation(TacProviderLink* provider, unsigned timeMs, uint8_t alpha, TacAnimType mode);

// Starts fading the form's picture out (the manager's FormHide effect);
// the caller hides the form right after. True when it started.
bool HideAnimation(TacProviderLink* provider);

// The form's new look fades in over the old one still on screen.
bool SkinChangeAnimation(TCustomForm* form, unsigned timeMs, uint8_t alpha, TacAnimType mode);

// A platform dialog (no provider) fades in by the manager's DialogShow
// effect, before the platform shows it; true when it animated.
bool DialogShowAnimation(HWND dialog, const TsSkinManager* manager);
// The picture a dialog's hide animation (DialogHide) will fade; null when
// no hide animation would run.
std::unique_ptr<TBitmap> DialogHideSnapshot(HWND dialog, const TsSkinManager* manager);
// Starts fading snapshot out where the dialog was (bounds, screen).
bool DialogHideAnimation(HWND dialog, const TsSkinManager* manager, std::unique_ptr<TBitmap> snapshot,
                         const RECT& bounds);

// A hide animation is running.
bool HideAnimationRunning();
// Ends a running hide animation at once, freeing its window.
void FinishHideAnimation();
