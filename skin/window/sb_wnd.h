#pragma once
// TacSBWnd: a stand-alone scroll bar control ("ScrollBar" windows) painted
// from the skin's scroll bar sections and driven by the wrapper: its buttons
// and page areas scroll and repeat while held, its thumb is dragged. The
// parent receives the scroll messages the control itself would send.

#include "core/paint/scroll_geometry.h"
#include "skin/window/main_wnd.h"

class TBitmap;

class TacSBWnd : public TacMainWnd {
 public:
  TacSBWnd(HWND handle, TsCommonData* data, TsSkinManager* manager, const std::string& section, bool repaint);
  ~TacSBWnd() override;

  // Element states, 0 normal, 1 hot, 2 pressed.
  int Btn1State = 0, Btn2State = 0, Page1State = 0, Page2State = 0, ThumbState = 0;

  void WrapperWndProc(TMessage& message) override;
  bool Horizontal() const;
  // The control's own client picture into dc.
  void PaintTo(HDC dc);
  // The part under a point of the client area.
  zelvan::paint::TScrollPart PartAt(POINT client) const;
  zelvan::paint::TThumb Thumb() const;

 protected:
  void AfterHook() override;

 private:
  zelvan::paint::TScrollRange Range() const;
  int Length() const;
  int Arrow() const;
  void SetStates(zelvan::paint::TScrollPart hot, zelvan::paint::TScrollPart pressed);
  void Press(POINT client);
  void Drag(POINT client);
  void Release();
  void Scroll(int code, int position);
  void Repaint();

  zelvan::paint::TScrollPart FPressed = zelvan::paint::spNone;
  bool FTracking = false;
  int FGrab = 0;      // cursor minus thumb start, along the bar
  int FThumbAt = 0;   // the dragged thumb's start
  int FLastPos = 0;
  std::unique_ptr<TBitmap> FPicture;
};
