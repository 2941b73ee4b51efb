#pragma once
// Window classes of the framework: each windowed class registers a class named
// after itself, as a superclass of the platform class it wraps, whose windows
// start in the framework's window procedure; the platform class's procedure
// becomes the end of the control's handler chain.

#include <windows.h>

#include "framework/controls/create_params.h"

class TWindowClassRegistry {
 public:
  // Registers params.WinClassName on first use; returns the procedure its
  // windows had before the framework's (DefWindowProcW for a plain class).
  static WNDPROC Register(const TCreateParams& params, WNDPROC frameworkProc);
};
