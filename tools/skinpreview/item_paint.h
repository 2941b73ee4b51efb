#pragma once
// Painting skin items onto the preview sheet with the engine's own painters
// (nine-slice frames, glyphs, textures); section backgrounds are mixed here
// from colour, gradient and texture by their percentages.

#include <string>

#include "core/image/working_bitmap.h"
#include "core/paint/geometry.h"
#include "core/store/skin_store.h"

namespace zelvan::skinpreview {

using image::TWorkingBitmap;
using paint::TColor;
using paint::TRect;

class ItemPainter {
 public:
  explicit ItemPainter(const store::TsSkinStore& skin) : skin_(skin) {}

  // The section's background for a state over what the sheet already holds:
  // colour, gradient and texture mixed by their percentages, then the
  // section's transparency over the sheet.
  void Background(TWorkingBitmap& sheet, const TRect& rect, int section, int state) const;
  // A frame part cut in nine over rect; key pixels show what lies beneath.
  void Frame(TWorkingBitmap& sheet, const TRect& rect, int part, int state) const;
  // One state image of a part with its top-left corner at (x, y).
  void Glyph(TWorkingBitmap& sheet, int x, int y, int part, int state) const;
  // A texture part (or a part's first state) tiled over rect.
  void Tile(TWorkingBitmap& sheet, const TRect& rect, int part) const;
  // A premultiplied picture of its own (a glow) laid over by its alpha.
  void AlphaPicture(TWorkingBitmap& sheet, int x, int y, int part) const;
  // Background, frame and glyph of a section, as a control would show it.
  void Item(TWorkingBitmap& sheet, const TRect& rect, const std::string& section, int state) const;

  int StateWidth(int part) const;
  int StateHeight(int part) const;

 private:
  const store::TsSkinStore& skin_;
};

// Plain helpers for the sheet.
void FillRect(TWorkingBitmap& sheet, const TRect& rect, TColor color);
// Upper-case letters, digits and "_-.:" in a 5 x 7 pixel font.
void DrawText(TWorkingBitmap& sheet, int x, int y, const std::string& text, TColor color, int scale = 1);
int TextWidth(const std::string& text, int scale = 1);

}  // namespace zelvan::skinpreview
