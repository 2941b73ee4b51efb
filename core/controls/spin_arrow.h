#pragma once
// The arrow a spin button draws when it has no glyph of its own: a small
// filled triangle, 7 pixels wide, centred in the button.

#include <array>

#include "core/paint/geometry.h"

namespace zelvan::controls {

// The triangle's corners for a button of width x height.
std::array<paint::TPoint, 3> SpinArrowTriangle(int width, int height, bool up);

}  // namespace zelvan::controls
