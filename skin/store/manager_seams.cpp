#include "skin/store/manager_seams.h"

bool TrySkinWindow(HWND) { return false; }
void WindowDestroyed(HWND) {}
void RemoveExtendedBorders(TsSkinManager&) {}

