#pragma once
// TBitBtn: a push button that shows a glyph beside its caption (owner-drawn
// platform button). A kind other than bkCustom gives the caption, default or
// cancel role and modal result of a standard dialog button.

#include "framework/stdctrls/button.h"
#include "framework/stdctrls/glyph_button.h"

enum TBitBtnKind { bkCustom, bkOK, bkCancel };

class TBitBtn : public TGlyphButton<TButton> {
 public:
  explicit TBitBtn(TComponent* owner);
  std::wstring ClassName() const override { return L"TBitBtn"; }

  TBitBtnKind Kind() const { return FKind; }
  void SetKind(TBitBtnKind kind);

  void WndProc(TMessage& message) override;

 protected:
  DWORD ButtonStyle() const override { return BS_OWNERDRAW; }
  void DrawItem(const DRAWITEMSTRUCT& item);

 private:
  TBitBtnKind FKind = bkCustom;
};
