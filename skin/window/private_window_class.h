#pragma once
// The engine's own helper windows (border, fades, hints) are raw windows of
// private classes: nothing for the creation hook to skin, no framework form.

#include <windows.h>

// Registers the class (or finds it registered); false when it cannot exist.
bool RegisterPrivateWindowClass(const wchar_t* name, WNDPROC proc, HCURSOR cursor = nullptr);
