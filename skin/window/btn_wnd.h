#pragma once
// TacBtnWnd: a push-button window painted from the skin (section "BUTTON"
// by default) in its normal, hot and pressed looks, with its caption in the
// section's colours and a dotted focus frame. TacButtonWnd: the same for a
// framework button object.

#include "skin/window/main_wnd.h"

class TButton;
class TCanvas;

class TacBtnWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
  void WrapperWndProc(TMessage& message) override;

  // 0 normal, 1 hot (focused, under the mouse, or the default button), 2 pressed.
  int CurrentState();
  bool Down() const;

  virtual void DrawCaption(TCanvas& canvas, int state);
  virtual void PaintGlyph(TCanvas& /*canvas*/, int /*state*/) {}
  virtual SIZE GlyphExtent() const { return SIZE{0, 0}; }
  virtual RECT CaptionRect();
  int MaxCaptionWidth();
  SIZE TextRectSize();
  // The cache made anew: the section's item for the state, the caption and
  // the glyph, the disabled look. False when the parent holds painting back.
  virtual bool PrepareCache();

 protected:
  UINT TextFlags() const;
  void SelectCaptionFont(TCanvas& canvas) const;
  void Paint(HDC givenDC);
  void MouseEntered();
  void MouseLeft();
  // Redrawing off around the previous procedure, then a repaint at once.
  void QuietlyThenRepaint(TMessage& message);
};

class TacButtonWnd : public TacBtnWnd {
 public:
  TacButtonWnd(HWND handle, TsCommonData* data, TsSkinManager* manager, const std::string& section, bool repaint,
               TButton* button)
      : TacBtnWnd(handle, data, manager, section, repaint), Btn(button) {}
  TButton* Btn;
};
