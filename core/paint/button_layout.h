#pragma once
// Where a bit button and a speed button put their glyph and caption: pure
// arithmetic over the sizes, margins and spacing, so that it is tested
// without windows. All halvings round toward zero.

#include "core/paint/geometry.h"

namespace zelvan::paint {

// The orders of the framework's glyph layouts and horizontal alignments.
enum TGlyphSide { gsLeft, gsRight, gsTop, gsBottom };
enum THorzAlign { haLeft, haRight, haCenter };

struct TGlyphPlace {
  TPoint Glyph;   // top-left corner of the glyph
  TRect Caption;  // the caption's rectangle
};

// A bit button's layout in client: glyph (gw x gh) and caption (tw x th).
// Margin -1 is automatic; a negative spacing spreads the room evenly.
struct TBitBtnLayoutInput {
  TRect Client;
  int GlyphWidth = 0, GlyphHeight = 0;
  int TextWidth = 0, TextHeight = 0;
  bool RightToLeft = false;
  int Spacing = 4;
  int Margin = -1;
  THorzAlign Alignment = haCenter;
  TGlyphSide Layout = gsLeft;
};
TGlyphPlace BitBtnLayout(const TBitBtnLayoutInput& in);

// A speed button's caption and glyph rectangles in a button of Width x Height
// with a drop-down part of DropDown pixels at the right.
struct TSpeedLayoutInput {
  int Width = 0, Height = 0;
  int DropDown = 0;
  int Margin = -1;
  int Spacing = 4;
  int GlyphWidth = 0, GlyphHeight = 0;
  int TextWidth = 0, TextHeight = 0;
  bool HasCaption = false;
  int TextOffset = 0;
  THorzAlign Alignment = haCenter;
  TGlyphSide Layout = gsLeft;
  bool Pressed = false;
  bool Reflected = false;
};
struct TSpeedPlace {
  TRect Caption;
  TRect Glyph;
  int TextLayout = 0;  // 0 glyph left, 1 above or below, 2 right
};
TSpeedPlace SpeedButtonLayout(const TSpeedLayoutInput& in);

}  // namespace zelvan::paint
