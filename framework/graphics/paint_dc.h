#pragma once
// Solid fills on a device context, for painting that does not go through a
// working bitmap.

#include <windows.h>

#include "core/paint/color.h"

namespace zelvan::framework {

// Fills rect with a solid brush of the colour (system colours resolved); the
// context's state is saved and restored around the fill.
void FillRectByBrush(HDC dc, const RECT& rect, paint::TColor color);

// The four strips of a frame with the given side widths, as FillFrame32 lays
// them out.
void FillFrameByBrush(HDC dc, const RECT& rect, int left, int top, int right, int bottom, paint::TColor color);

}  // namespace zelvan::framework
