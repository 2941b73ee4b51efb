#include "core/paint/outline_drag.h"

#include <algorithm>

namespace zelvan::paint {

bool StartsOutlineDrag(int hitCode) { return hitCode == htCaption || (hitCode >= htLeft && hitCode <= htBottomRight); }

namespace {

// The moving edge of one axis: its travel clamped so the size stays in [low, high].
int MovedLow(int low, int high, int delta, int minSize, int maxSize) {
  const int size = std::clamp(high - (low + delta), minSize, std::max(minSize, maxSize));
  return high - size;
}
int MovedHigh(int low, int high, int delta, int minSize, int maxSize) {
  const int size = std::clamp(high + delta - low, minSize, std::max(minSize, maxSize));
  return low + size;
}

}  // namespace

TRect OutlineDragRect(const TRect& start, int hitCode, int dx, int dy, const TSizeLimits& limits) {
  TRect r = start;
  if (hitCode == htCaption) {
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
    return r;
  }
  const bool left = hitCode == htLeft || hitCode == htTopLeft || hitCode == htBottomLeft;
  const bool right = hitCode == htRight || hitCode == htTopRight || hitCode == htBottomRight;
  const bool top = hitCode == htTop || hitCode == htTopLeft || hitCode == htTopRight;
  const bool bottom = hitCode == htBottom || hitCode == htBottomLeft || hitCode == htBottomRight;
  if (left) r.Left = MovedLow(start.Left, start.Right, dx, limits.MinWidth, limits.MaxWidth);
  if (right) r.Right = MovedHigh(start.Left, start.Right, dx, limits.MinWidth, limits.MaxWidth);
  if (top) r.Top = MovedLow(start.Top, start.Bottom, dy, limits.MinHeight, limits.MaxHeight);
  if (bottom) r.Bottom = MovedHigh(start.Top, start.Bottom, dy, limits.MinHeight, limits.MaxHeight);
  return r;
}

}  // namespace zelvan::paint
