#include "core/controls/scroll_strip.h"

#include <algorithm>

namespace zelvan::controls {

paint::TRect UncoveredStrip(bool horizontal, int d, int width, int height) {
  if (d == 0 || width <= 0 || height <= 0) return {};
  const int size = horizontal ? width : height;
  const int moved = std::min(d < 0 ? -d : d, size);
  if (horizontal) return d < 0 ? paint::TRect{width - moved, 0, width, height} : paint::TRect{0, 0, moved, height};
  return d < 0 ? paint::TRect{0, height - moved, width, height} : paint::TRect{0, 0, width, moved};
}

int WheelPosition(int position, int delta, int increment) { return position - (delta / 120) * increment; }

}  // namespace zelvan::controls
