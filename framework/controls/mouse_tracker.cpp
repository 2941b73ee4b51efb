#include "framework/controls/mouse_tracker.h"

#include "framework/controls/messages.h"
#include "framework/controls/win_control.h"

namespace {

TControl* gMouseControl = nullptr;
TControl* gCaptureControl = nullptr;

}  // namespace

TControl* TMouseTracker::MouseControl() { return gMouseControl; }

void TMouseTracker::MovedOver(TControl* control) {
  if (control == gMouseControl) return;
  TControl* old = gMouseControl;
  gMouseControl = control;
  if (old) old->Perform(CM_MOUSELEAVE);
  // The leave handler may have moved the mouse control on.
  if (control && gMouseControl == control) control->Perform(CM_MOUSEENTER);
}

void TMouseTracker::LeftWindow(TWinControl* window) {
  if (!gMouseControl) return;
  if (gMouseControl == window || gMouseControl->Parent() == window) MovedOver(nullptr);
}

TControl* TMouseTracker::CaptureControl() { return gCaptureControl; }

void TMouseTracker::SetCaptureControl(TControl* control) {
  gCaptureControl = control;
  if (!control) {
    ReleaseCapture();
    return;
  }
  auto* windowed = dynamic_cast<TWinControl*>(control);
  TWinControl* owner = windowed ? windowed : control->Parent();
  if (owner && owner->HandleAllocated()) SetCapture(owner->Handle());
}

void TMouseTracker::CaptureReleased(TWinControl* window) {
  if (gCaptureControl == window || (gCaptureControl && gCaptureControl->Parent() == window)) {
    gCaptureControl = nullptr;
  }
}

void TMouseTracker::Forget(TControl* control) {
  if (gMouseControl == control) gMouseControl = nullptr;
  if (gCaptureControl == control) gCaptureControl = nullptr;
}
