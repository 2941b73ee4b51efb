#pragma once
// TGraphicControl: a control without a window. Its parent paints it into the
// parent's own painting (WM_PAINT with the device context in WParam, the
// origin moved to the control and the clip cut to it) and routes the mouse
// messages over it to it.

#include "framework/controls/control.h"
#include "framework/graphics/canvas.h"

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  std::wstring ClassName() const override { return L"TGraphicControl"; }

  TCanvas& Canvas() { return FCanvas; }
  TNotifyEvent OnPaint;

  void WndProc(TMessage& message) override;

 protected:
  // Draws on Canvas; the default fires OnPaint.
  virtual void Paint();

 private:
  TCanvas FCanvas;
};
