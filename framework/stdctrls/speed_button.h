#pragma once
// TSpeedButton: a windowless button painted on its parent. In a group
// (GroupIndex > 0) it stays down when clicked and lifts the other buttons of
// the group on the same parent; AllowAllUp lets the down one be lifted too.

#include "framework/controls/graphic_control.h"
#include "framework/stdctrls/glyph_button.h"

class TSpeedButton : public TGlyphButton<TGraphicControl> {
 public:
  explicit TSpeedButton(TComponent* owner);
  std::wstring ClassName() const override { return L"TSpeedButton"; }

  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int index);
  bool Down() const { return FDown; }
  void SetDown(bool down);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool allow);
  bool Flat() const { return FFlat; }
  void SetFlat(bool flat);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  TButtonState State() const { return FState; }
  bool MouseInControl() const { return FMouseInControl; }

  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;

 private:
  void UpdateExclusive();
  void SetState(TButtonState state);

  int FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  bool FFlat = false;
  bool FTransparent = true;
  bool FDragging = false;
  bool FMouseInControl = false;
  TButtonState FState = bsUp;
};
