#pragma once
// The arithmetic of skinned scroll bars: how long the thumb is and where it
// lies for a range, page and position, which position a dragged thumb
// stands for, which part of a bar a point hits, bar metrics, and where the
// bars lie in a window. Lengths run along the bar from its start (its left
// or top end); no division here ever has a zero or negative divisor.

#include "core/paint/geometry.h"

namespace zelvan::paint {

// The platform's scroll codes for the parts of a bar; spNone is no part.
enum TScrollPart : int {
  spNone = -1,
  spLineUp = 0,    // the left or up arrow
  spLineDown = 1,  // the right or down arrow
  spPageUp = 2,    // the track before the thumb
  spPageDown = 3,  // the track after it
  spThumb = 5,
};

// What a bar shows: its range, page and position (as the platform keeps them).
struct TScrollRange {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
};

// a * b / c rounded half away from zero, in 64 bits, as the platform's
// multiply-then-divide does; 0 (not the platform's -1) when c is 0.
int MulDivRounded(int a, int b, int c);

// The number of positions the thumb can stand at, less one: max - min -
// max(page, 1) + 1. 0 or below: there is nothing to scroll.
long long ScrollSpan(const TScrollRange& range);

// Where the thumb lies, from the bar's start; Length 0 when there is none.
struct TThumb {
  int Start = 0;
  int Length = 0;
  bool Visible() const { return Length > 0; }
};

// The track between the arrows: barLength - 2 x arrowLength, never negative.
int TrackLength(int barLength, int arrowLength);

// page x track / (max - min + 1) rounded, at least minThumb; the arrow length
// with a page of 0. Not limited to the track (see ThumbOf).
int ThumbLength(const TScrollRange& range, int track, int arrowLength, int minThumb);

// (pos - min) x (track - thumb) / span rounded, kept within 0 .. track -
// thumb; 0 when the span is empty.
int ThumbOffset(const TScrollRange& range, int track, int thumb);

// The thumb of a bar: none when the track cannot hold it (too short, or
// shorter than the thumb must be); else wholly inside the track.
TThumb ThumbOf(const TScrollRange& range, int barLength, int arrowLength, int minThumb);

// The position a thumb dragged to offset (from the track's start) stands for:
// min + offset x span / (track - thumb) rounded, kept within min .. min +
// span. min when the thumb fills the track or there is nothing to scroll.
int PositionOfThumb(const TScrollRange& range, int offset, int track, int thumb);

// The part at coordinate (from the bar's start; outside the bar: none). A bar
// too short for arrows and track is split into its two arrows; without a
// thumb the track's halves are its page parts.
TScrollPart PartAt(int coordinate, int barLength, int arrowLength, const TThumb& thumb);

// The thumb of a stand-alone scroll bar control: work x page / (span + 1)
// rounded (span = max - min), at least 14 (also with a page of 0), at most work.
int ControlThumbLength(const TScrollRange& range, int work);

// A bar's thickness: arrowWidth when not negative, else -arrowWidth times the
// platform's scroll bar thickness.
int BarThickness(int arrowWidth, int systemThickness);

// A bar's arrow length: arrowLength when not negative; else -arrowLength times
// (skinButton + systemArrow - 17) when the skin gives its buttons' size
// (skinButton above 0), else times the platform's arrow length.
int ArrowLength(int arrowLength, int skinButton, int systemArrow);

// Where the bars of a window lie, in window coordinates.
struct TScrollLayout {
  TRect Horz;    // empty when the bar is not shown
  TRect Vert;
  TRect Corner;  // the square between two shown bars, else empty
};

// The frame edges (left, top, right, bottom) lie inside the window's width x
// height; the vertical bar on the left with leftScrollBar.
TScrollLayout LayoutOfBars(int width, int height, const TRect& edges, bool horzShown, int horzThickness,
                           bool vertShown, int vertThickness, bool leftScrollBar);

}  // namespace zelvan::paint
