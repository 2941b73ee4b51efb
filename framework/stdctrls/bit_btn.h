#pragma once
// TBitBtn: a push button that shows a glyph beside its caption (owner-drawn
// platform button). A kind other than bkCustom gives the caption, default or
// cancel role and modal result of a standard dialog button.

#include "framework/stdctrls/button.h"
#include "framework/stdctrls/button_glyph.h"

enum TBitBtnKind { bkCustom, bkOK, bkCancel };

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* owner);
  std::wstring ClassName() const override { return L"TBitBtn"; }

  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind kind);
  TBitmap& Glyph() { return FGlyph.Glyph(); }
  int NumGlyphs() const { return FGlyph.NumGlyphs(); }
  void SetNumGlyphs(int count);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return FMargin; }
  void SetMargin(int margin);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int spacing);

  void WndProc(TMessage& message) override;

 protected:
  DWORD ButtonStyle() const override { return BS_OWNERDRAW; }
  void DrawItem(const DRAWITEMSTRUCT& item);

 private:
  TBitBtnKind FKind = bkCustom;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  TButtonGlyph FGlyph;
};
