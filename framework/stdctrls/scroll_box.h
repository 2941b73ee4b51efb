#pragma once
// TScrollBox: a container whose scroll bars follow its children. With
// AutoScroll, the ranges cover the children wherever they are, the bars show
// only when the children do not fit, and scrolling moves the children.

#include "framework/controls/win_control.h"

// One of a scroll box's bars: how far a line step goes, and whether the
// children follow the thumb while it is dragged.
struct TControlScrollBar {
  int Increment = 8;
  bool Tracking = false;
};

class TScrollBox : public TWinControl {
 public:
  static constexpr int kLineStep = 8;

  explicit TScrollBox(TComponent* owner);
  std::wstring ClassName() const override { return L"TScrollBox"; }

  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool value);
  bool BorderSingle() const { return FBorderSingle; }
  void SetBorderSingle(bool value);
  TControlScrollBar& HorzScrollBar() { return FHorzScrollBar; }
  TControlScrollBar& VertScrollBar() { return FVertScrollBar; }
  // Scroll positions: how far the children are moved up and left.
  int HorzPosition() const { return FPosition.x; }
  int VertPosition() const { return FPosition.y; }
  void ScrollTo(int horz, int vert);
  // Sets the ranges from the children now (done on every change of them).
  void UpdateScrollBars();

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void Scroll(int bar, int code);
  SIZE ChildExtent() const;

  TControlScrollBar FHorzScrollBar, FVertScrollBar;
  bool FAutoScroll = true;
  bool FBorderSingle = true;
  bool FUpdating = false;
  POINT FPosition{0, 0};
};
