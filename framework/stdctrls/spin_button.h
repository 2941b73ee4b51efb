#pragma once
// TSpinButton: two arrow buttons, one above the other. Pressing one steps
// once at once, then again after 400 ms and every 100 ms while it is held
// (the timer's steps are counted, so tests need no clock).

#include "framework/controls/win_control.h"

enum TSpinButtonPart { sbNone, sbUp, sbDown };

class TSpinButton : public TWinControl {
 public:
  static constexpr UINT kFirstRepeatMs = 400;
  static constexpr UINT kRepeatMs = 100;

  explicit TSpinButton(TComponent* owner);
  std::wstring ClassName() const override { return L"TSpinButton"; }

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;
  // The part held down now, and the interval its timer runs at (0: none).
  TSpinButtonPart Pressed() const { return FPressed; }
  UINT RepeatInterval() const { return FRepeatInterval; }

  void WndProc(TMessage& message) override;

 protected:
  void PaintWindow(HDC dc) override;

 private:
  TSpinButtonPart PartAt(int y) const;
  RECT PartRect(TSpinButtonPart part) const;
  void Step(TSpinButtonPart part);
  void StartRepeat(UINT interval);
  void StopRepeat();
  void Press(TSpinButtonPart part);
  void Release();

  TSpinButtonPart FPressed = sbNone;
  // The mouse is still over the pressed part: only then does the timer step.
  bool FOverPressed = false;
  UINT FRepeatInterval = 0;
};
