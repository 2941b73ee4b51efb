#pragma once
// Where a skinned list header puts a section's caption, sort arrow and
// image, and which state each section is painted in.

#include "core/paint/geometry.h"

namespace zelvan::controls {

enum class THeaderAlign { Left, Right, Center };

struct THeaderSectionInput {
  int Width = 0, Height = 0;  // the section
  THeaderAlign Align = THeaderAlign::Left;
  int TextWidth = 0;   // the caption's extent
  int ImageSpace = 0;  // c: the small image's width + 4, or 0
  int ArrowWidth = 0;  // the sort arrow's width, 0 without arrow
  int ArrowHeight = 0;
  bool Pressed = false;
};

struct THeaderSectionLayout {
  paint::TRect Text;        // where the caption is drawn
  bool TextRight = false;   // drawn right-aligned in Text
  paint::TPoint Arrow;      // the sort arrow's top-left (when there is one)
  int ImageLeft = 0;        // the image's left edge
};

THeaderSectionLayout LayoutHeaderSection(const THeaderSectionInput& in);

// State of the section of `column`: 2 for the pressed column (others 0 while
// one is pressed), else 1 for the hovered one, else 0. -1 and -2 mean none.
int HeaderSectionState(int column, int pressedColumn, int hoverColumn);

}  // namespace zelvan::controls
