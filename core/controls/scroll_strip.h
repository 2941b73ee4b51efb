#pragma once
// The arithmetic of scrolling a skinned container: the strip that a scroll
// uncovers (the only part painted anew) and the position one wheel turn goes to.

#include "core/paint/geometry.h"

namespace zelvan::controls {

// d: the old position minus the new one (negative when scrolled down or
// right); width, height: the client area. The strip in client coordinates;
// a scroll of a whole page or more uncovers everything.
paint::TRect UncoveredStrip(bool horizontal, int d, int width, int height);

// The position a wheel turn of `delta` (120 a notch) asks for: whole notches
// only, `increment` pixels each; a part of a notch does not move.
int WheelPosition(int position, int delta, int increment);

}  // namespace zelvan::controls
