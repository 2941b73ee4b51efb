#pragma once
// The arithmetic of the items a form adds to its title band: each item's
// size from its content, and where the items go in the free part of the
// band by their alignment.

#include <vector>

#include "core/paint/geometry.h"

namespace zelvan::paint {

enum class TTitleItemStyle { Button, Menu, Tab, Spacing, Info };
enum class TTitleItemAlign { Left, Right, Center, CenterInSpace };

struct TTitleItemContent {
  TTitleItemStyle Style = TTitleItemStyle::Button;
  TPoint Image;       // image (list or glyph) size; 0 x 0 without one
  TPoint Text;        // caption size; 0 x 0 without a caption
  int Spacing = 4;    // between image and caption
  int ArrowWidth = 0;  // the drop-down arrow's width; 0 without a drop-down menu
  TPoint Own{22, 18};  // the item's own Width and Height (kept by spacers)
};

// The item's width and height: at least 16 x 16, the content with the items'
// margin around it (4 more at each side for menu buttons).
TPoint TitleItemSize(const TTitleItemContent& item, int itemsMargin);

struct TTitleItemSlot {
  TTitleItemStyle Style = TTitleItemStyle::Button;
  TTitleItemAlign Align = TTitleItemAlign::Left;
  TPoint Size;
  bool Visible = true;
};

struct TTitleBarArea {
  TRect Bar;           // the part of the band given to the items
  int VCenter = 0;
  int FullRight = 0;   // the band's right end, before the caption buttons
};

// The items' rectangles in order (empty for hidden ones). Left items run from
// the bar's left, right ones end at its right, centred ones are centred
// between the bar's left and FullRight, the rest in the space between left
// and right items. Menu buttons hang from the bar's top, tabs stand on its
// bottom, the others are centred on VCenter.
std::vector<TRect> LayoutTitleItems(const TTitleBarArea& area, const std::vector<TTitleItemSlot>& items);

// Sum of the visible items' widths of one alignment.
int TitleItemsWidth(const std::vector<TTitleItemSlot>& items, TTitleItemAlign align);

}  // namespace zelvan::paint
