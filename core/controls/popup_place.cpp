#include "core/controls/popup_place.h"

namespace zelvan::controls {

paint::TPoint PopupOrigin(const paint::TRect& edit, int width, int height, const paint::TRect& desktop,
                          TPopupAlign align) {
  int y = edit.Bottom;
  if (y + height > desktop.Bottom) y = edit.Top - height;
  int x = 0;
  if (align == TPopupAlign::Right) {
    x = edit.Right - width;
    if (x < desktop.Left) x = edit.Left;
  } else {
    x = edit.Left;
    if (x + width > desktop.Right) x = edit.Right - width;
  }
  if (x + width > desktop.Right) x = desktop.Right - width;
  if (x < desktop.Left) x = desktop.Left;
  return paint::TPoint{x, y};
}

}  // namespace zelvan::controls
