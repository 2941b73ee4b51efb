#pragma once
// The rectangle an outline drag shows: a form moved by its caption or sized
// by an edge or corner, followed as a frame outline instead of the live
// window. The moved edges stop where the size would leave its limits; the
// opposite edges never move.

#include "core/paint/frame_layout.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

struct TSizeLimits {
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0x7FFF;
  int MaxHeight = 0x7FFF;
};

// Whether a hit code starts an outline drag (the caption, an edge, a corner).
bool StartsOutlineDrag(int hitCode);

// start: the window when the drag began; dx, dy: the pointer's travel since.
TRect OutlineDragRect(const TRect& start, int hitCode, int dx, int dy, const TSizeLimits& limits);

}  // namespace zelvan::paint
