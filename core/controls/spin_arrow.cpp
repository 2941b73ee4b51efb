#include "core/controls/spin_arrow.h"

namespace zelvan::controls {

std::array<paint::TPoint, 3> SpinArrowTriangle(int width, int height, bool up) {
  const int x0 = (width - 9) / 2, y0 = (height - 5) / 2;
  if (up) return {paint::TPoint{x0 + 1, y0 + 4}, paint::TPoint{x0 + 7, y0 + 4}, paint::TPoint{x0 + 4, y0 + 1}};
  return {paint::TPoint{x0 + 1, y0 + 1}, paint::TPoint{x0 + 7, y0 + 1}, paint::TPoint{x0 + 4, y0 + 4}};
}

}  // namespace zelvan::controls
