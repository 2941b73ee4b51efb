#pragma once
// TacCheckBoxWnd: check boxes and radio buttons painted from the skin: the
// section's background (hot when focused or under the mouse), the caption
// in the section's colours, and the check glyph from the skin's GLOBALINFO
// masks. An owner-drawn button is left to its owner; only its background is
// filled from the parent.

#include "skin/window/main_wnd.h"

class TCanvas;

class TacCheckBoxWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
  void WrapperWndProc(TMessage& message) override;
  bool OwnerDraw() const;
  // Focused or under the mouse.
  bool Hot() const;
  bool PrepareCache();

 private:
  void Paint(HDC givenDC);
  void RepaintQuietly(TMessage& message);
  SIZE CheckSize() const;
  int CheckMask() const;
};
