#pragma once
// Translucent moving: while a form or dialog is dragged by its caption it
// turns translucent, step by step every 12 ms down to the manager's
// BlendOnMoving value, and opaque again when the move ends.

#include <windows.h>

class TacProviderLink;
class TsSkinManager;

// Runs the platform's modal move by caption on window with the effect.
// provider: the form's provider, null for a dialog. False, with nothing done,
// when the effect is not active: the caller moves the window as usual.
bool MoveWithBlend(HWND window, TacProviderLink* provider, TsSkinManager* manager);
