#pragma once
// TacScrollWnd: a wrapper that takes over the scroll bars of a window. It
// keeps the platform's bars out of the non-client layout while reserving the
// same space, paints the bars from the skin, answers hit tests over them and
// runs the whole mouse interaction (arrows and pages that repeat while held,
// thumb dragging, hot tracking), sending the window the same scroll messages
// the platform's bars would send.
//
// Only one bar can be pressed or hot at a time in the process (the mouse has
// one capture), so that state is shared; see scroll_tracking.cpp.

#include <windows.h>

#include <cstdint>
#include <memory>

#include "core/paint/scroll_geometry.h"
#include "skin/window/main_wnd.h"

class TBitmap;
class TacScrollWnd;

// TacScrollBar::fScrollFlags
inline constexpr uint16_t kSbLeftUpDisabled = 1;     // the left or up arrow is disabled
inline constexpr uint16_t kSbRightDownDisabled = 2;  // the right or down arrow is disabled
inline constexpr uint16_t kSbThumbWhileRange = 4;    // no thumb (and inactive) while the range is empty
inline constexpr uint16_t kSbHasStyle = 8;           // the window has this bar's style bit

// The timers of the interaction; the wrapper takes their ticks, the window never sees them.
inline constexpr UINT_PTR kScrollHotTimer = 65522;     // hot tracking, every 20 ms
inline constexpr UINT_PTR kScrollDelayTimer = 65533;   // 300 ms before a held part repeats
inline constexpr UINT_PTR kScrollRepeatTimer = 65534;  // a held part's repeat, every 55 ms

// One bar of a wrapped window.
struct TacScrollBar {
  uint16_t fScrollFlags = 0;
  bool fScrollVisible = false;  // the bar takes space in the current layout
  SCROLLINFO ScrollInfo{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};  // as last read
  int nArrowLength = -1;  // negative: that many times the default length
  int nArrowWidth = -1;   // negative: that many times the platform's thickness
  int nButSizeBefore = 0, nButSizeAfter = 0;  // room for extra buttons, unused
  bool fButVisibleBefore = false, fButVisibleAfter = false;
  uint16_t nBarType = SB_HORZ;  // SB_HORZ or SB_VERT
  uint16_t fFlatScrollbar = 0;
  int nMinThumbSize = 10;
  TacScrollWnd* sw = nullptr;

  zelvan::paint::TScrollRange Range() const {
    return {ScrollInfo.nMin, ScrollInfo.nMax, static_cast<int>(ScrollInfo.nPage), ScrollInfo.nPos};
  }
  bool Horizontal() const { return nBarType == SB_HORZ; }
};

class TacScrollWnd : public TacMainWnd {
 public:
  TacScrollWnd(HWND handle, TsCommonData* data, TsSkinManager* manager, const std::string& section, bool repaint);
  ~TacScrollWnd() override;

  uint16_t bars = 0;  // the bars attached: 1 horizontal, 2 vertical
  TacScrollBar sBarHorz;
  TacScrollBar sBarVert;
  bool fThumbTracking = false;
  bool fLeftScrollbar = false;
  int cxLeftEdge = 0, cxRightEdge = 0, cyTopEdge = 0, cyBottomEdge = 0;
  bool bPreventStyleChange = false;

  void WrapperWndProc(TMessage& message) override;

  // --- metrics
  int BarThickness(const TacScrollBar& bar) const;
  // With skinSizes, the skin's arrow button size where the skin asks for it.
  int ArrowLength(const TacScrollBar& bar, bool skinSizes = true) const;
  // The bars and the corner between them, in window coordinates.
  zelvan::paint::TScrollLayout Layout() const;
  RECT BarRect(const TacScrollBar& bar) const;
  // The thumb where it lies now; none for an inactive bar.
  zelvan::paint::TThumb ThumbOf(const TacScrollBar& bar) const;
  // The platform says the bar can scroll (see the flags for the exceptions).
  bool BarActive(const TacScrollBar& bar) const;
  // The part of a bar under a point in screen coordinates.
  zelvan::paint::TScrollPart PartAt(const TacScrollBar& bar, POINT screen) const;

  // Both bars read again; with repaint the non-client area painted anew.
  void Refresh(bool repaint);
  // The bars, the corner and (withFrame) the frame into a context of the
  // whole window (null: the window's own); nothing while the window may not
  // be painted. region: WM_NCPAINT's, for the platform's frame.
  void PaintNonClient(HDC windowDC, bool withFrame = true, WPARAM region = 1);
  // One bar painted at once as it is now (with its pressed or hot look).
  void RepaintBar(TacScrollBar& bar);
  // The answer of WM_NCHITTEST at a point in screen coordinates, or -1 when
  // the point is for the previous procedure.
  int HitTest(POINT screen) const;

  // How often WM_NCCALCSIZE reached the wrapper (for the re-entry checks).
  int NcCalcCount() const { return FNcCalcCount; }
  // How often a bar was painted (for the checks that nothing paints while idle).
  int BarPaintCount() const { return FBarPaints; }

 protected:
  void AfterHook() override;
  // The frame ring (the window's border) into the window's context; the
  // platform's border for a plain scroll wrapper.
  virtual void PaintFrame(HDC windowDC, WPARAM region);
  // The frame is painted by the wrapper itself, into any context (else the
  // platform paints it, into the window only).
  virtual bool PaintsOwnFrame() const { return false; }
  // A message that can change what the bars show was handled: refresh them.
  virtual bool RefreshesAfter(const TMessage& message) const;
  bool CanPaintBars() const;
  // The previous procedure with the bars' style bits taken away meanwhile.
  void CallPrevWithoutBars(TMessage& message);

 private:
  friend class TScrollTracker;
  void CalcSize(TMessage& message);
  void PaintBar(HDC windowDC, TacScrollBar& bar, const RECT& rect);
  void PaintCorner(HDC windowDC, const RECT& rect);
  bool InTopLevelCorner() const;
  void ReadBar(TacScrollBar& bar);
  bool InfoChanged();
  std::unique_ptr<TBitmap> FBarBmp[2];  // one picture per bar, kept between paints
  int FNcCalcCount = 0;
  int FBarPaints = 0;
  bool FInCalc = false;
};

// The wrapper of a window when it is a scroll wrapper, else null.
TacScrollWnd* ScrollWndOf(HWND window);
