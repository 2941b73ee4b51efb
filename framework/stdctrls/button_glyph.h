#pragma once
// The picture and caption of a bit button or speed button: a glyph bitmap
// holding up to four pictures side by side (up, disabled, down, exclusive),
// placed left, right, above or below the caption with a margin and spacing.

#include <windows.h>

#include <string>

#include "framework/graphics/bitmap.h"

class TCanvas;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// Where the glyph's top-left corner and the caption's rectangle go.
struct TGlyphPlacement {
  POINT Glyph;
  RECT Caption;
};

// Margin -1 centres glyph and caption together; spacing -1 centres the
// caption in the room the glyph leaves.
TGlyphPlacement PlaceGlyph(const RECT& client, SIZE glyph, SIZE caption, TButtonLayout layout, int margin,
                           int spacing);

class TButtonGlyph {
 public:
  TBitmap& Glyph() { return FGlyph; }
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int count) { FNumGlyphs = count < 1 ? 1 : (count > 4 ? 4 : count); }
  // The size of one picture; nothing for an empty glyph.
  SIZE PictureSize();
  // Draws glyph and caption for the state, with the canvas's font.
  void Draw(TCanvas& canvas, const RECT& client, const std::wstring& caption, TButtonLayout layout,
            int margin, int spacing, TButtonState state);

 private:
  void DrawPicture(TCanvas& canvas, POINT at, TButtonState state);

  TBitmap FGlyph;
  int FNumGlyphs = 1;
};
