#pragma once
// The numbers of a skinned popup menu: what kind an item is from its
// caption, how big it is, and where the columns of a long list break.

#include <string>

namespace zelvan::paint {

enum class TMenuItemKind { Normal, Separator, Caption };

// "-" is a separator; a caption that begins and ends with "-" (and is longer
// than one character) is a caption item; everything else is normal.
TMenuItemKind MenuItemKind(const std::wstring& caption);
// A caption item's text without its dashes; other captions unchanged.
std::wstring MenuCaptionText(const std::wstring& caption);
// The text without accelerator marks: "&&" stays one "&", a lone "&" goes.
std::wstring StripAccelerators(const std::wstring& text);

struct TMenuMeasureInput {
  TMenuItemKind Kind = TMenuItemKind::Normal;
  int TextWidth = 0;
  int TextHeight = 0;
  int GlyphWidth = 16;
  int GlyphHeight = 16;
  int Margin = 2;
  int Spacing = 8;
  int ExtraLineWidth = 0;  // given to items left of the popup's first column break
};

struct TMenuItemSize {
  int Width = 0;
  int Height = 0;
};

// Width = 2 x glyph + text + 3 x margin + spacing (+ the extra line); height
// 2 for a separator, text + 2 x margin + 2 for a caption item, the larger of
// text and glyph + 2 x margin + 2 for a normal item.
TMenuItemSize MeasureMenuItem(const TMenuMeasureInput& input);

// True when a list item starts a new column: every 20th item from 0 (20, 40, ...).
bool MenuColumnBreakBefore(int index);

// The left edge of the skinned check mark or glyph column inside an item.
inline int MenuCheckLeft(int margin) { return margin + 2; }

}  // namespace zelvan::paint
