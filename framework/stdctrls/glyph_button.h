#pragma once
// The glyph properties that the bit button and the speed button share:
// glyph strip, number of pictures, layout, margin and spacing. Each setter
// repaints; Base is the control class the button derives from.

#include "framework/stdctrls/button_glyph.h"

template <typename Base>
class TGlyphButton : public Base {
 public:
  using Base::Base;

  TBitmap& Glyph() { return FGlyph.Glyph(); }
  int NumGlyphs() const { return FGlyph.NumGlyphs(); }
  void SetNumGlyphs(int count) {
    FGlyph.SetNumGlyphs(count);
    this->Invalidate();
  }
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout layout) {
    FLayout = layout;
    this->Invalidate();
  }
  int Margin() const { return FMargin; }
  void SetMargin(int margin) {
    FMargin = margin;
    this->Invalidate();
  }
  int Spacing() const { return FSpacing; }
  void SetSpacing(int spacing) {
    FSpacing = spacing;
    this->Invalidate();
  }

 protected:
  // Draws glyph and caption inside rect with the canvas's font.
  void DrawGlyphAndCaption(TCanvas& canvas, const RECT& rect, TButtonState state) {
    FGlyph.Draw(canvas, rect, this->Text(), FLayout, FMargin, FSpacing, state);
  }

 private:
  TButtonGlyph FGlyph;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
};
