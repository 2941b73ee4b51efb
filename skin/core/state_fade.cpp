#include "skin/core/state_fade.h"

#include <algorithm>
#include <vector>

#include "framework/application/application.h"
#include "framework/controls/win_control.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"
#include "skin/store/skin_manager.h"

namespace {

std::vector<TacFadeTimer*>& LivingFades() {
  static std::vector<TacFadeTimer*> timers;
  return timers;
}

bool Suppressed = false;
bool Ending = false;

bool Gone(const TComponent* c) { return !c || c->ComponentState().Contains(csDestroying); }

LRESULT TellOwner(TsCommonData& data, uint16_t code, LPARAM lParam) {
  TControl* control = data.OwnerControl();
  if (!control) return 0;
  return control->Perform(SKM_COMMAND, SkinCommandWParam(code), lParam);
}

// A frame onto the control's window: its own for a windowed control, its
// parent's at its place for a windowless one.
void ShowFrame(TControl& control, TBitmap& frame) {
  HWND window = nullptr;
  POINT at{0, 0};
  if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
    if (windowed->HandleAllocated()) window = windowed->Handle();
  } else if (control.Parent() && control.Parent()->HandleAllocated()) {
    window = control.Parent()->Handle();
    at = {control.Left(), control.Top()};
  }
  if (!window) return;
  HDC dc = GetDC(window);
  if (!dc) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, frame.Handle());
  BitBlt(dc, at.x, at.y, std::min(frame.Width(), control.Width()), std::min(frame.Height(), control.Height()), source,
         0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
  ReleaseDC(window, dc);
}

std::unique_ptr<TBitmap> CopyOf(TBitmap& bitmap) {
  auto copy = std::make_unique<TBitmap>(bitmap.Width(), bitmap.Height(), pf32bit);
  copy->Assign(bitmap);
  if (copy->PixelFormat() != pf32bit) copy->SetPixelFormat(pf32bit);
  return copy;
}

}  // namespace

// Frees at once, or at the end of the timer's own tick when inside it.
void FreeFadeTimer(TacFadeTimer* timer) {
  if (!timer) return;
  timer->SetEnabled(false);
  timer->Progress.Direction = fdNone;
  timer->ClearSlot();
  if (timer->FInTick) {
    timer->FFreeAfterTick = true;
    return;
  }
  delete timer;
}

TacFadeTimer::TacFadeTimer(TsCommonData* data) : TTimer(nullptr), FOwnerData(data) {
  SetEnabled(false);
  SetInterval(10);
  LivingFades().push_back(this);
}

TacFadeTimer::~TacFadeTimer() {
  *FAlive = false;
  auto& living = LivingFades();
  living.erase(std::remove(living.begin(), living.end(), this), living.end());
}

void TacFadeTimer::DoTimer() {
  if (FInTick || FFreeAfterTick) return;  // a tick inside a tick is dropped
  FInTick = true;
  Timer();
  FInTick = false;
  if (FFreeAfterTick) delete this;  // the last act: nothing touches the timer after
}

bool TacFadeTimer::ToEnd() {
  TControl* control = FOwnerData ? FOwnerData->OwnerControl() : nullptr;
  if (!control || Gone(control) || (Application && Application->Terminated()) || Ending) {
    FreeFadeTimer(this);
    return true;
  }
  if (Progress.InRange()) return false;
  const std::shared_ptr<bool> alive = AliveToken();
  TellOwner(*FOwnerData, SKC_STOP_ANIMATION, reinterpret_cast<LPARAM>(FOwnerData->SkinManager()));
  // A control that does not stop its fade would be told again every tick.
  if (*alive && !FFreeAfterTick) FreeFadeTimer(this);
  return true;
}

// --- TsFadeTimer

TsFadeTimer::TsFadeTimer(TsFadeTimer*& slot, TsCommonData* data) : TacFadeTimer(data), FSlot(&slot) { slot = this; }

void TsFadeTimer::ClearSlot() {
  if (FSlot && *FSlot == this) *FSlot = nullptr;
  FSlot = nullptr;
}

void TsFadeTimer::Timer() {
  if (!FOwnerData) return;
  if (ToEnd()) return;
  if (Progress.Direction == fdUp || Progress.Direction == fdDown) Change();
}

void TsFadeTimer::Change() {
  TControl* control = FOwnerData->OwnerControl();
  if (!control->Enabled()) {
    // Disabled mid-fade: the control shows its final look at once.
    Progress.Iterations = 0;
    FOwnerData->Invalidate();
    FreeFadeTimer(this);
    return;
  }
  TBitmap* cache = FOwnerData->CacheBmp();
  if (cache && BmpFrom) {
    GdiFlush();
    if (!FFrame || FFrame->Width() != BmpFrom->Width() || FFrame->Height() != BmpFrom->Height()) {
      FFrame = CopyOf(*BmpFrom);
    }
    zelvan::paint::MakeFadeFrame(FFrame->Image(), BmpFrom->Image(), cache->Image(), Progress.Weight());
    const std::shared_ptr<bool> alive = AliveToken();
    const LRESULT painted = TellOwner(*FOwnerData, SKC_PAINT_FADE_FRAME, reinterpret_cast<LPARAM>(FFrame.get()));
    if (!*alive || Freeing()) return;
    if (!painted) ShowFrame(*control, *FFrame);
  }
  ++Progress.FadeLevel;
}

TBitmap* TsFadeTimer::LastFrame() const {
  return FFrame && Progress.FadeLevel > 1 ? FFrame.get() : nullptr;
}

// --- TsAnimTimer

TsAnimTimer::TsAnimTimer(TsAnimTimer*& slot, TsCommonData* data) : TacFadeTimer(data), FSlot(&slot) {
  slot = this;
  if (data) SetOwnerData(data);
}

void TsAnimTimer::ClearSlot() {
  if (FSlot && *FSlot == this) *FSlot = nullptr;
  FSlot = nullptr;
}

void TsAnimTimer::SetOwnerData(TsCommonData* data) {
  FOwnerData = data;
  const auto* section = data ? data->Section() : nullptr;
  Progress.Iterations = std::max(section ? section->FadingIterations : 0, 1);
}

void TsAnimTimer::DoFade() {
  if (Progress.FadeLevel < 1) Progress.FadeLevel = 1;
  Progress.Direction = fdUp;
  SetInterval(10);
  SetEnabled(true);
}

void TsAnimTimer::Repaint() {
  TBitmap* cache = FOwnerData ? FOwnerData->CacheBmp() : nullptr;
  if (!cache || !BmpFrom) return;
  GdiFlush();
  if (!TmpBmp || TmpBmp->Width() != BmpFrom->Width() || TmpBmp->Height() != BmpFrom->Height()) {
    TmpBmp = CopyOf(*BmpFrom);
  }
  zelvan::paint::MakeFadeFrame(TmpBmp->Image(), BmpFrom->Image(), cache->Image(), Progress.Weight());
}

void TsAnimTimer::Timer() {
  if (FadeInProcess || ToEnd()) return;
  FadeInProcess = true;
  Repaint();
  const std::shared_ptr<bool> alive = AliveToken();
  TellOwner(*FOwnerData, SKC_SET_UPDATING, 0);
  if (*alive && !Freeing()) TellOwner(*FOwnerData, SKC_REPAINT_NOW, 0);
  if (!*alive) return;
  FadeInProcess = false;
  ++Progress.FadeLevel;
}

// --- the functions controls call

bool EventAnimates(TacAnimatEvent event, TacAnimatEvents events, TsSkinManager* manager) {
  if (events.Contains(event)) return true;
  if (!events.Contains(aeGlobalDef) || !manager || event == aeGlobalDef) return false;
  static constexpr TacBtnEvent kButtonEvent[] = {beMouseEnter, beMouseLeave, beMouseDown, beMouseUp};
  return manager->AnimEffects.Buttons.Events.Contains(kButtonEvent[event]);
}

void StartFade(TsFadeTimer*& timer, TsCommonData& data, bool half, TFadeDirection direction) {
  const auto* section = data.Section();
  if (!section || !section->FadingEnabled) return;
  if (!timer) new TsFadeTimer(timer, &data);
  TsFadeTimer* fade = timer;
  fade->SetEnabled(false);
  TBitmap* cache = data.CacheBmp();
  if (data.BGChanged && (!cache || cache->Empty())) TellOwner(data, SKC_PREPARE_CACHE, 0);
  cache = data.CacheBmp();
  if (!cache || cache->Empty()) {
    StopFade(timer, data);
    data.Invalidate();
    return;
  }
  // A reversed fade starts from the picture on screen, not from the look
  // the cache already holds.
  TBitmap* shown = fade->LastFrame();
  fade->BmpFrom = CopyOf(shown && shown->Width() == cache->Width() && shown->Height() == cache->Height() ? *shown : *cache);
  fade->SetInterval(10);
  fade->Progress.Start(section->FadingIterations, half, direction);
  TellOwner(data, SKC_PREPARE_CACHE, 0);
  if (timer == fade) fade->SetEnabled(direction != fdNone);
}

void StopFade(TsFadeTimer*& timer, TsCommonData&) {
  TsFadeTimer* fade = timer;
  timer = nullptr;
  FreeFadeTimer(fade);
}

void StopFade(TsAnimTimer*& timer, TsCommonData&) {
  TsAnimTimer* fade = timer;
  timer = nullptr;
  FreeFadeTimer(fade);
}

int StopFadesOf(const TsCommonData& data) {
  const std::vector<TacFadeTimer*> living = LivingFades();
  int stopped = 0;
  for (TacFadeTimer* timer : living) {
    if (timer->OwnerData() != &data) continue;
    FreeFadeTimer(timer);
    ++stopped;
  }
  return stopped;
}

void ChangeState(TsFadeTimer*& timer, TsCommonData& data, bool glow, bool half, bool animate) {
  if (!data.Skinned()) return;
  const auto* section = data.Section();
  TBitmap* cache = data.CacheBmp();
  const bool backgroundValid = cache && !cache->Empty() && !data.BGChanged;
  const bool fade = animate && !AnimationsSuppressed() && !FormsLocked && section->FadingEnabled &&
                    section->FadingIterations > 0 && !Ending && backgroundValid;
  data.BGChanged = true;
  if (fade) {
    StartFade(timer, data, half, fdUp);
  } else {
    StopFade(timer, data);
    data.Invalidate(true);
  }
  if (glow) data.ShowGlow();
}

int FadeTimerCount() { return static_cast<int>(LivingFades().size()); }

void SetAnimationsSuppressed(bool suppressed) { Suppressed = suppressed; }
bool AnimationsSuppressed() { return Suppressed; }

void SetSessionEnding(bool ending) {
  Ending = ending;
  if (!ending) return;
  const std::vector<TacFadeTimer*> living = LivingFades();
  for (TacFadeTimer* timer : living) FreeFadeTimer(timer);
}

bool SessionEnding() { return Ending; }
