#pragma once
// Points and half-open rectangles (Right and Bottom excluded) of the painters.

#include <algorithm>

namespace zelvan::paint {

struct TPoint {
  int X = 0;
  int Y = 0;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
};

inline bool operator==(const TRect& a, const TRect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

inline TRect OffsetRect(const TRect& r, int dx, int dy) { return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }

// The common part of a and b; may come out empty.
inline TRect IntersectRects(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

// The part of r inside a width x height bitmap; may come out empty.
inline TRect ClipToSize(const TRect& r, int width, int height) {
  return IntersectRects(r, {0, 0, width, height});
}

}  // namespace zelvan::paint
