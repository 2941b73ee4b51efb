#pragma once
// The dotted focus frame: which pixels of a rect's edges get which colour.

#include <vector>

#include "core/paint/geometry.h"

namespace zelvan::paint {

struct TFrameDot {
  int X = 0;
  int Y = 0;
  bool Second = false;  // colour 2; else colour 1
};

// Along the top and bottom rows every third pixel from the left (x) gets
// colour 2 and the one before it (x - 1) colour 1; down the left and right
// columns the same every third pixel from the top. The last row and column
// inside the rect are the bottom and right edges. Never a dot outside rect.
std::vector<TFrameDot> DottedFrameDots(const TRect& rect);

}  // namespace zelvan::paint
