#pragma once
// The arrow pair of the skinned spin edit. TsSpinButton is a small window
// holding two TsTimerSpeedButtons, the up one above the down one. An arrow
// steps on release over it (a quick click steps once) and, held, after
// 400 ms and then every 100 ms while it keeps the mouse capture. The arrows'
// background is the spin edit's cache.

#include <memory>

#include "framework/controls/win_control.h"
#include "framework/system/set.h"
#include "framework/utils/timer.h"
#include "skin/controls/speed_button.h"

class TsEditSkin;

enum TTimeBtnState { tbFocusRect, tbAllowTimer };
using TTimeBtnStates = TSet<TTimeBtnState>;

class TsTimerSpeedButton : public TsSpeedButton {
 public:
  static constexpr UINT kInitRepeatPause = 400;
  static constexpr UINT kRepeatPause = 100;

  // owner: the spin button.
  explicit TsTimerSpeedButton(TComponent* owner);
  ~TsTimerSpeedButton() override;
  std::wstring ClassName() const override { return L"TsTimerSpeedButton"; }

  TTimeBtnStates TimeBtnState;
  // Which arrow it draws when it has no glyph.
  bool Up = true;
  // The repeat timer: made at the first press, null before.
  TTimer* RepeatTimer() const { return FRepeatTimer.get(); }
  // The colour of the drawn arrow for a state (0 normal, 1 hot, 2 pressed).
  TColor ArrowColor(int state);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void TimerExpired();
  void DrawArrow(TCanvas& canvas, int state);

  std::unique_ptr<TTimer> FRepeatTimer;
};

class TsSpinButton : public TWinControl {
 public:
  static constexpr int kDefaultWidth = 18;
  static constexpr int kMinWidth = 15;

  // owner: the spin edit (its parent too).
  explicit TsSpinButton(TComponent* owner);
  std::wstring ClassName() const override { return L"TsSpinButton"; }

  TsTimerSpeedButton& UpButton() { return *FUpButton; }
  TsTimerSpeedButton& DownButton() { return *FDownButton; }
  TsTimerSpeedButton* FocusedButton() const { return FFocusedButton; }
  TBitmap& UpGlyph() { return FUpButton->Glyph(); }
  TBitmap& DownGlyph() { return FDownButton->Glyph(); }
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* control) { FFocusControl = control; }
  // The edit whose cache is the arrows' background; skinned while it is.
  TsEditSkin* EditSkin = nullptr;
  TsCommonData* EditData = nullptr;

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;

 private:
  TsTimerSpeedButton* MakeArrow(bool up);
  void ArrowPressed(TsTimerSpeedButton* arrow);
  void PlaceArrows();
  bool SkinCommand(TMessage& message);
  bool EditSkinned() const;

  TsTimerSpeedButton* FUpButton = nullptr;
  TsTimerSpeedButton* FDownButton = nullptr;
  TsTimerSpeedButton* FFocusedButton = nullptr;
  TWinControl* FFocusControl = nullptr;
};
