#pragma once
// Painting steps the wrappers share.

#include <windows.h>

#include "core/paint/cache_info.h"

class TBitmap;
class TFont;

// The platform's message font, which captions of raw windows use.
void TakeMessageFont(TFont& font);

// A disabled control's cache with 40 % of what lies behind it showing
// through: the parent's picture when it is ready, else its colour.
void BlendDisabled(TBitmap& cache, const zelvan::paint::TCacheInfo& behind);

// The window's client area in dc filled with what its parent shows behind it.
void FillFromParent(HWND window, HDC dc);
