#pragma once
// TacEditWnd: a scroll wrapper that also paints the window's frame from its
// section (edits, list views, tree views, list boxes) and keeps the owner
// control's colours in step with the skin. The frame comes from a cache of
// the whole window's size, made anew when the background changed.

#include "skin/window/scroll_wnd.h"

class TacBaseWnd : public TacScrollWnd {
 public:
  using TacScrollWnd::TacScrollWnd;
};

class TacEditWnd : public TacBaseWnd {
 public:
  using TacBaseWnd::TacBaseWnd;
  ~TacEditWnd() override;

  RECT FClientRect{0, -1, 0, 0};  // top -1 until computed
  bool SingleLineEdit = false;    // an edit control without the multi-line style
  TColor Color = clNone;
  TColor FocusColor = clNone;
  int FrameColor = -1;
  HBRUSH Brush = nullptr;

  void SaveStdParams() override;
  void RestoreStdParams() override;
  void SetSkinParams() override;
  void WrapperWndProc(TMessage& message) override;

  // 1 (hot) while focused or under the mouse, else 0.
  int FrameState() const;

 protected:
  void AfterHook() override;
  void PrepareCacheCommand() override;
  void PaintFrame(HDC windowDC, WPARAM region) override;
  bool PaintsOwnFrame() const override;
  bool RefreshesAfter(const TMessage& message) const override;

 private:
  bool FStdSaved = false;
};

// The kinds the engine tells apart by name; they paint as edits.
class TacListViewWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
};

class TacTreeViewWnd : public TacEditWnd {
 public:
  using TacEditWnd::TacEditWnd;
};
