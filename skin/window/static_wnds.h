#pragma once
// Wrappers of static texts and pictures, group boxes, and the kinds that
// only need to be known as skinned.

#include "skin/window/main_wnd.h"

class TCanvas;

// A group box: its frame from the skin (section "GROUPBOX") below the
// caption, the strip above it and the caption's place from the parent.
class TacGroupBoxWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
  void WrapperWndProc(TMessage& message) override;
  RECT CaptionRect();
  bool PrepareCache();

 private:
  void PaintTo(HDC dc);
};

// A static text: the parent's background and the caption in the section's
// colours, aligned as the window's style says.
class TacStaticWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
  void WrapperWndProc(TMessage& message) override;
  bool PrepareCache();

 protected:
  bool LeftToBase() const;
  void Paint(HDC givenDC);
  // What is drawn over the parent's background.
  virtual void PaintContent(TCanvas& canvas);
};

// A static icon or bitmap (a message box's icon) over the parent's background.
class TacIconWnd : public TacStaticWnd {
 public:
  using TacStaticWnd::TacStaticWnd;

 protected:
  void PaintContent(TCanvas& canvas) override;
};

// Kinds handled by the base alone for now: known as skinned, painted by
// their own procedure.
class TacEdgeWnd : public TacStaticWnd {
 public:
  using TacStaticWnd::TacStaticWnd;
  void WrapperWndProc(TMessage& message) override { TacMainWnd::WrapperWndProc(message); }
};
class TacLinkWnd : public TacEdgeWnd {
 public:
  using TacEdgeWnd::TacEdgeWnd;
};
class TacTransPanelWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
};
class TacSizerWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
};
class TacSpinWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
  int lOffset = 0;
};
class TacTrackWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
};
class TacPanelWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
};
class TacToolBarWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
};
class TacToolBarVCLWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
};
class TacStatusBarWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
};
class TacTabControlWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
};
class TacPageControlWnd : public TacTabControlWnd {
 public:
  using TacTabControlWnd::TacTabControlWnd;
};
