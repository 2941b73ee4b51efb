#include "skin/store/manager_seams.h"

bool TrySkinWindow(HWND) { return false; }
void WindowDestroyed(HWND) {}
void InstallApplicationHook(TsSkinManager&) {}
void RemoveApplicationHook(TsSkinManager&) {}
void RemoveExtendedBorders(TsSkinManager&) {}

