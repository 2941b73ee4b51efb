#pragma once
// TsScrollBox: the framework's scroll box with a skinned background and
// border (section "PANEL_LOW" by default), skinned scroll bars through a
// scroll wrapper, and a redraw plan that keeps scrolling cheap: a box with a
// picture holds its redrawing while the thumb is dragged and repaints once
// per step; a plain box repaints only the strip a step uncovers.

#include <functional>
#include <memory>

#include "framework/stdctrls/scroll_box.h"
#include "skin/core/common_data.h"
#include "skin/window/scroll_wnd.h"

class TsScrollBox;
using TsPaintEvent = std::function<void(TsScrollBox* sender, TBitmap& controlBmp)>;
using TsScrollBoxEvent = std::function<void(TsScrollBox* sender)>;

class TsScrollBox : public TScrollBox {
 public:
  explicit TsScrollBox(TComponent* owner);
  ~TsScrollBox() override;
  std::wstring ClassName() const override { return L"TsScrollBox"; }

  // --- published
  TsCtrlSkinData SkinData;
  TsPaintEvent OnPaint;
  TsScrollBoxEvent OnBeforeScroll, OnAfterScroll, OnMouseEnter, OnMouseLeave;
  bool AutoMouseWheel() const { return FAutoMouseWheel; }
  void SetAutoMouseWheel(bool value) { FAutoMouseWheel = value; }
  bool AutoFrameSize() const { return FAutoFrameSize; }  // kept for stored layouts; no effect
  void SetAutoFrameSize(bool value) { FAutoFrameSize = value; }

  // b: the width of the border around the client area.
  int BorderWidth() const { return BorderSingle() ? 2 : 0; }
  TacScrollWnd* ScrollWnd() const { return ListSW.get(); }
  // Strips redrawn after thumb steps (client coordinates), for the tests.
  RECT LastStrip{};
  int Paints = 0;

  bool PrepareCache();
  // The client area into dc (the box's own when null).
  void Paint(HDC dc);
  void WndProc(TMessage& message) override;
  void Loaded() override;

 private:
  bool Ready() const;
  bool SkinActive() const;
  void AttachWrapper();
  bool SkinCommand(TMessage& message);
  void BeforeScroll(int bar);
  void AfterScroll(int bar);
  bool Wheel(TMessage& message);
  TControlScrollBar& BarOf(int bar) { return bar == SB_HORZ ? HorzScrollBar() : VertScrollBar(); }

  bool FAutoMouseWheel = false;
  bool FAutoFrameSize = false;
  bool FInWheel = false;
  bool FRecreatePending = false;
  int FScrollStart = 0;  // the bar's position when the step began
  std::unique_ptr<TacScrollWnd> ListSW;
};
