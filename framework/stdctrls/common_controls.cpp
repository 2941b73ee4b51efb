#include "framework/stdctrls/common_controls.h"

#include <commctrl.h>

void EnsureCommonControls(DWORD classes) {
  static DWORD registered = 0;
  if ((registered & classes) == classes) return;
  INITCOMMONCONTROLSEX init{sizeof(init), classes};
  if (InitCommonControlsEx(&init)) registered |= classes;
}
