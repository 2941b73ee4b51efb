#pragma once
// What a skin provider adds to its form's title band: a text after the
// caption (TacAddedTitle) and an icon of the program's own (TsTitleIcon).
// Every change is reported to the owner, which repaints the band.

#include <functional>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/font.h"

class TacAddedTitle {
 public:
  explicit TacAddedTitle(std::function<void()> changed) : FChanged(std::move(changed)) {
    Font.OnChange = [this](TGraphicsObject*) { Changed(); };
  }
  const std::wstring& Text() const { return FText; }
  void SetText(const std::wstring& text) {
    if (text == FText) return;
    FText = text;
    Changed();
  }
  // Its colour: window text or the default takes the title's own colours.
  TFont Font;
  bool ShowMainCaption() const { return FShowMainCaption; }
  void SetShowMainCaption(bool show) {
    if (show == FShowMainCaption) return;
    FShowMainCaption = show;
    Changed();
  }

 private:
  void Changed() {
    if (FChanged) FChanged();
  }
  std::function<void()> FChanged;
  std::wstring FText;
  bool FShowMainCaption = true;
};

class TsTitleIcon {
 public:
  explicit TsTitleIcon(std::function<void()> changed) : FChanged(std::move(changed)) {}
  // Drawn in place of the window's icon when not empty; 32-bit glyphs keep their alpha.
  const TBitmap& Glyph() const { return FGlyph; }
  void SetGlyph(const TBitmap& glyph) {
    FGlyph.Assign(glyph);
    Changed();
  }
  // 0: the size that follows from the caption height.
  int Width() const { return FWidth; }
  void SetWidth(int width) { Set(FWidth, width); }
  int Height() const { return FHeight; }
  void SetHeight(int height) { Set(FHeight, height); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible) {
    if (visible == FVisible) return;
    FVisible = visible;
    Changed();
  }

 private:
  void Set(int& field, int value) {
    value = value < 0 ? 0 : value;
    if (value == field) return;
    field = value;
    Changed();
  }
  void Changed() {
    if (FChanged) FChanged();
  }
  std::function<void()> FChanged;
  TBitmap FGlyph;
  int FWidth = 0;
  int FHeight = 0;
  bool FVisible = true;
};
