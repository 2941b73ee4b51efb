#include "core/controls/header_layout.h"

#include <algorithm>

namespace zelvan::controls {

THeaderSectionLayout LayoutHeaderSection(const THeaderSectionInput& in) {
  const int c = in.ImageSpace;
  const int g = in.ArrowWidth > 0 ? in.ArrowWidth + 6 : 0;
  const int tw = in.TextWidth + 6;
  const int f = in.Width - 6;
  paint::TRect r{4, 1, in.Width - 4, in.Height - 1};
  bool right = false;
  switch (in.Align) {
    case THeaderAlign::Right:
      r.Right -= g;
      if (c + tw + g + 6 < f) {
        right = true;
      } else {
        r.Left = c + 6;
      }
      break;
    case THeaderAlign::Center:
      if (c + tw + g + 6 < f) {
        r.Left = r.Left + c + (r.Width() - tw - g - c) / 2;
        r.Right = r.Left + tw;
      } else {
        r.Left = c + 6;
        r.Right -= g;
      }
      break;
    case THeaderAlign::Left:
    default:
      r.Left += c;
      // The arrow keeps its room: a narrow column clips its caption, not the arrow.
      r.Right = std::min(f - g, r.Left + tw);
      break;
  }
  THeaderSectionLayout out;
  out.TextRight = right;
  out.Text = r;
  if (in.Pressed) out.Text = paint::OffsetRect(out.Text, 1, 1);
  out.Arrow = {r.Right + 6, (in.Height - in.ArrowHeight) / 2};
  out.ImageLeft = out.Text.Left - c;
  return out;
}

int HeaderSectionState(int column, int pressedColumn, int hoverColumn) {
  if (pressedColumn >= 0) return column == pressedColumn ? 2 : 0;
  return column >= 0 && column == hoverColumn ? 1 : 0;
}

}  // namespace zelvan::controls
