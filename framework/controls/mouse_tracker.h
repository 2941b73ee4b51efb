#pragma once
// Which control the mouse is over and which control holds the mouse, for the
// whole user-interface thread. A change of the control under the mouse sends
// CM_MOUSELEAVE to the old one and then CM_MOUSEENTER to the new one, windowed
// or graphic alike.

class TControl;
class TWinControl;

class TMouseTracker {
 public:
  static TControl* MouseControl();
  // The mouse moved over `control` (a graphic child, or the window itself).
  static void MovedOver(TControl* control);
  // The mouse left the client area of `window` (WM_MOUSELEAVE).
  static void LeftWindow(TWinControl* window);

  static TControl* CaptureControl();
  static void SetCaptureControl(TControl* control);
  // `window` lost the capture (WM_CAPTURECHANGED): its controls no longer hold the mouse.
  static void CaptureReleased(TWinControl* window);

  // A control is going away: forget it without telling it anything.
  static void Forget(TControl* control);
};
