#include "core/paint/dotted_frame.h"

namespace zelvan::paint {

std::vector<TFrameDot> DottedFrameDots(const TRect& rect) {
  std::vector<TFrameDot> dots;
  if (rect.IsEmpty()) return dots;
  const int right = rect.Right - 1, bottom = rect.Bottom - 1;
  // A step's lead pixel before the rect's start is skipped rather than drawn outside.
  for (int x = rect.Left; x <= right; x += 3) {
    for (const int y : {rect.Top, bottom}) {
      dots.push_back({x, y, true});
      if (x - 1 >= rect.Left) dots.push_back({x - 1, y, false});
    }
  }
  for (int y = rect.Top; y <= bottom; y += 3) {
    for (const int x : {rect.Left, right}) {
      dots.push_back({x, y, true});
      if (y - 1 >= rect.Top) dots.push_back({x, y - 1, false});
    }
  }
  return dots;
}

}  // namespace zelvan::paint
