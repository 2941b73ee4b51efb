#pragma once
// State fades: a control whose look changes (hot, pressed, normal) shows the
// old picture cross-faded into the new one, a frame every 10 ms, when its
// section fades. TsFadeTimer serves windowed controls (it copies each frame
// to the window unless the control paints it itself); TsAnimTimer serves
// windowless ones (the control paints the frame it keeps).
//
// A control keeps at most one timer in a field of its own and hands that
// field to these functions; freeing a timer clears the field. Timers are
// also freed when their skin data goes or receives SKC_STOP_ANIMATION.

#include <memory>

#include "core/paint/fade_progress.h"
#include "framework/graphics/bitmap.h"
#include "framework/system/set.h"
#include "framework/utils/timer.h"

class TsCommonData;
class TsSkinManager;

using zelvan::paint::TFadeDirection;
using zelvan::paint::fdDown;
using zelvan::paint::fdNone;
using zelvan::paint::fdUp;

enum TacAnimatEvent { aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp, aeGlobalDef };
using TacAnimatEvents = TSet<TacAnimatEvent>;

// True when the event is in the control's events, or they hold aeGlobalDef
// and the manager's button animation events have it.
bool EventAnimates(TacAnimatEvent event, TacAnimatEvents events, TsSkinManager* manager);

// What both fade timers share: the count of living ones, their skin data,
// and freeing that is safe from inside their own tick.
class TacFadeTimer : public TTimer {
 public:
  ~TacFadeTimer() override;
  TsCommonData* OwnerData() const { return FOwnerData; }
  // The new picture's level: frames 1..Iterations; outside that the fade ends.
  zelvan::paint::TFadeProgress Progress;
  std::unique_ptr<TBitmap> BmpFrom;

 protected:
  explicit TacFadeTimer(TsCommonData* data);
  // Empties the control's field that holds this timer.
  virtual void ClearSlot() = 0;
  // The end test shared by both kinds; true when the tick must not paint.
  // It may free the timer: check Freed() afterwards through a kept token.
  bool ToEnd();
  void DoTimer() override;
  virtual void Timer() = 0;
  std::shared_ptr<bool> AliveToken() const { return FAlive; }
  // Freed from inside its tick; goes when the tick ends.
  bool Freeing() const { return FFreeAfterTick; }
  TsCommonData* FOwnerData;

 private:
  friend void FreeFadeTimer(TacFadeTimer* timer);
  bool FInTick = false;
  bool FFreeAfterTick = false;
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

class TsFadeTimer : public TacFadeTimer {
 public:
  // Stopped, level 1, stored into slot.
  TsFadeTimer(TsFadeTimer*& slot, TsCommonData* data);
  std::wstring ClassName() const override { return L"TsFadeTimer"; }
  TFadeDirection Direction() const { return Progress.Direction; }
  // One frame: the old picture blended with the cache, shown.
  void Change();
  // The frame shown last; null before the first.
  TBitmap* LastFrame() const;

 protected:
  void ClearSlot() override;
  void Timer() override;

 private:
  TsFadeTimer** FSlot;
  std::unique_ptr<TBitmap> FFrame;
};

class TsAnimTimer : public TacFadeTimer {
 public:
  TsAnimTimer(TsAnimTimer*& slot, TsCommonData* data);
  std::wstring ClassName() const override { return L"TsAnimTimer"; }
  // Binds the timer to a control's data; Iterations := the section's count.
  void SetOwnerData(TsCommonData* data);
  // Runs the fade from BmpFrom to the cache, a frame every 10 ms.
  void DoFade();
  // Makes the frame for the current level into TmpBmp.
  void Repaint();
  bool FadeInProcess = false;
  // The frame the control paints while the fade runs.
  std::unique_ptr<TBitmap> TmpBmp;

 protected:
  void ClearSlot() override;
  void Timer() override;

 private:
  TsAnimTimer** FSlot;
};

// A control's look changed: fade to it when the event animates and the
// section fades, else repaint at once; the glow follows with glow set.
void ChangeState(TsFadeTimer*& timer, TsCommonData& data, bool glow, bool half, bool animate);
void StartFade(TsFadeTimer*& timer, TsCommonData& data, bool half, TFadeDirection direction);
void StopFade(TsFadeTimer*& timer, TsCommonData& data);
void StopFade(TsAnimTimer*& timer, TsCommonData& data);
// Frees every fade of the data; the number freed.
int StopFadesOf(const TsCommonData& data);

// Fade timers alive now (both kinds).
int FadeTimerCount();

// Process-wide switch for tests and benchmarks: no animation starts while set.
void SetAnimationsSuppressed(bool suppressed);
bool AnimationsSuppressed();

// The session is ending: every fade is freed at once and none starts again,
// so a wait for the count to reach 0 ends.
void SetSessionEnding(bool ending);
bool SessionEnding();
