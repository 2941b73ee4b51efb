#pragma once
// The picture of one title bar item in a skinned form's frame picture: its
// skin section in the item's state, its image or glyph, caption and
// drop-down arrow, and the owner's own drawing over it.

class TBitmap;
class TsSkinProvider;
class TsTitleBar;
class TacTitleBarItem;

// band: the title band as it is under the items (their background), or null.
// state: the state to paint; -1 the one the frame shows (normal while the
// item's animation shows its state over it).
void PaintTitleItem(TsSkinProvider& provider, TsTitleBar& bar, TacTitleBarItem& item, TBitmap& cache, TBitmap* band,
                    int state = -1);
