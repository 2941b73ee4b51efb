#pragma once
// The platform's own minimise and restore animation, switched off while one
// of ours plays or while a window is minimised or restored without it. The
// setting is session-wide: it is changed for this session only (never written
// to the user's profile) and always put back.

#include <windows.h>

class TPlatformMinimizeAnimation {
 public:
  void SwitchOff() {
    if (FSaved) return;
    ANIMATIONINFO info{sizeof(info), 0};
    if (!SystemParametersInfoW(SPI_GETANIMATION, sizeof(info), &info, 0)) return;
    FWasOn = info.iMinAnimate != 0;
    FSaved = true;
    if (!FWasOn) return;
    info.iMinAnimate = 0;
    SystemParametersInfoW(SPI_SETANIMATION, sizeof(info), &info, 0);
  }
  void Restore() {
    if (!FSaved) return;
    FSaved = false;
    if (!FWasOn) return;
    ANIMATIONINFO info{sizeof(info), 1};
    SystemParametersInfoW(SPI_SETANIMATION, sizeof(info), &info, 0);
  }

 private:
  bool FSaved = false;
  bool FWasOn = false;
};

// Off for the length of a scope, back on every path out of it.
class TPlatformMinimizeAnimationOff {
 public:
  TPlatformMinimizeAnimationOff() { FSwitch.SwitchOff(); }
  ~TPlatformMinimizeAnimationOff() { FSwitch.Restore(); }
  TPlatformMinimizeAnimationOff(const TPlatformMinimizeAnimationOff&) = delete;
  TPlatformMinimizeAnimationOff& operator=(const TPlatformMinimizeAnimationOff&) = delete;

 private:
  TPlatformMinimizeAnimation FSwitch;
};
