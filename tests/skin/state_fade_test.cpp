// State fades under Wine, on fading stand-ins over the kit skin (BUTTON fades
// in 5 iterations, THREE does not fade): frame counts, reversal, the half
// flag, the last frame, disabling and the end of the session.
#include "skin/core/state_fade.h"

#include <gtest/gtest.h>

#include "core/image/bitmap32.h"
#include "kit_skin_fixture.h"
#include "skin/core/skin_broadcast.h"
#include "skin/core/threaded_timer.h"

namespace {

class StateFadeTest : public KitSkinTest {
 protected:
  TFadingPanel* Button(const std::string& section = "BUTTON") {
    auto* button = Add<TFadingPanel>(form, L"Button", section, 20, 20);
    SendSkinCommand(button->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(manager.get()));
    button->Repaint();
    Pump(20);
    CommandLog().Clear();
    return button;
  }
  int Frames(const std::wstring& name = L"Button") const { return CommandLog().Count(name, SKC_PAINT_FADE_FRAME); }
  // Ticks until the fade is gone (a bound, not a timing).
  static bool Finished(TFadingPanel* button) {
    return PumpUntil([&] { return button->FadeTimer == nullptr; }, 5000);
  }
  static COLORREF Shown(TWinControl* control) {
    HDC dc = GetDC(control->Handle());
    const COLORREF colour = GetPixel(dc, control->Width() / 2, control->Height() / 2);
    ReleaseDC(control->Handle(), dc);
    return colour;
  }
  static COLORREF Cached(TsCommonData& data, int x, int y) {
    GdiFlush();
    const uint32_t bgra = zelvan::image::GetPixel32(data.CacheBmp()->Image(), x, y);
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
  }
};

TEST_F(StateFadeTest, EnteringFadesInTheSectionsIterationsAndEndsOnTheNewLook) {
  TFadingPanel* button = Button();
  const COLORREF normal = Shown(button);
  button->ChangeLook(1);
  ASSERT_NE(button->FadeTimer, nullptr);
  EXPECT_EQ(FadeTimerCount(), 1);
  ASSERT_TRUE(Finished(button));
  EXPECT_EQ(Frames(), 5);
  EXPECT_EQ(FadeTimerCount(), 0);
  const COLORREF hot = Shown(button);
  EXPECT_NE(hot, normal);
  EXPECT_EQ(hot, Cached(button->SkinData, button->Width() / 2, button->Height() / 2));
  // Left alone it paints no more.
  CommandLog().Clear();
  Pump(100);
  EXPECT_EQ(Frames(), 0);
}

TEST_F(StateFadeTest, PressOrReleaseTakesHalfAndLeavingMidwayTakesTheFramesDone) {
  TFadingPanel* button = Button();
  button->ChangeLook(2, true);
  ASSERT_TRUE(Finished(button));
  EXPECT_EQ(Frames(), 2);  // 5 div 2

  CommandLog().Clear();
  button->ChangeLook(0);
  ASSERT_TRUE(Finished(button));
  EXPECT_EQ(Frames(), 5);
  CommandLog().Clear();
  button->ChangeLook(1);
  ASSERT_TRUE(PumpUntil([&] { return Frames() >= 3; }, 5000));
  button->ChangeLook(0);
  ASSERT_TRUE(Finished(button));
  EXPECT_EQ(Frames(), 6) << "3 frames before leaving, 3 back";
  EXPECT_EQ(Shown(button), Cached(button->SkinData, 60, 40));
}

TEST_F(StateFadeTest, WhatDoesNotFade) {
  struct Case {
    const char* what;
    std::string section;
    TacAnimatEvents events;
    bool suppressed;
  } cases[] = {
      {"a section without fading", "THREE", {aeGlobalDef}, false},
      {"an event the control does not animate", "BUTTON", {aeMouseDown}, false},
      {"animations suppressed", "BUTTON", {aeGlobalDef}, true},
  };
  for (const auto& c : cases) {
    TFadingPanel* button = Button(c.section);
    button->AnimatEvents = c.events;
    SetAnimationsSuppressed(c.suppressed);
    button->ChangeLook(1, false, aeMouseEnter);
    SetAnimationsSuppressed(false);
    EXPECT_EQ(button->FadeTimer, nullptr) << c.what;
    Pump(60);
    EXPECT_EQ(Frames(), 0) << c.what;
    EXPECT_EQ(Shown(button), Cached(button->SkinData, 60, 40)) << c.what << ": repainted at once";
    delete button;
  }
  // The manager's button events speak for aeGlobalDef.
  manager->AnimEffects.Buttons.Events = {beMouseLeave};
  EXPECT_FALSE(EventAnimates(aeMouseEnter, {aeGlobalDef}, manager.get()));
  EXPECT_TRUE(EventAnimates(aeMouseLeave, {aeGlobalDef}, manager.get()));
  EXPECT_TRUE(EventAnimates(aeMouseEnter, {aeMouseEnter}, nullptr));
}

TEST_F(StateFadeTest, DisablingMidFadeEndsInTheFinalLook) {
  TFadingPanel* button = Button();
  button->ChangeLook(1);
  ASSERT_TRUE(PumpUntil([&] { return Frames() >= 2; }, 5000));
  button->SetEnabled(false);
  ASSERT_TRUE(Finished(button));
  EXPECT_LT(Frames(), 5);
  Pump(30);
  EXPECT_EQ(FadeTimerCount(), 0);
  EXPECT_EQ(Shown(button), Cached(button->SkinData, 60, 40));
}

TEST_F(StateFadeTest, EndingTheSessionFreesEveryFade) {
  TFadingPanel* first = Button();
  TFadingPanel* second = Add<TFadingPanel>(form, L"Second", "BUTTON", 150, 20);
  SendSkinCommand(second->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(manager.get()));
  second->Repaint();
  first->ChangeLook(1);
  second->ChangeLook(1);
  ASSERT_EQ(FadeTimerCount(), 2);
  SetSessionEnding(true);
  EXPECT_EQ(FadeTimerCount(), 0);
  EXPECT_EQ(first->FadeTimer, nullptr);
  EXPECT_EQ(second->FadeTimer, nullptr);
  first->ChangeLook(0);
  EXPECT_EQ(first->FadeTimer, nullptr) << "no fade starts while the session ends";
  SetSessionEnding(false);
}

TEST_F(StateFadeTest, ControlsGoingAwayTakeTheirFadesAlong) {
  TFadingPanel* button = Button();
  button->ChangeLook(1);
  ASSERT_EQ(FadeTimerCount(), 1);
  delete button;
  EXPECT_EQ(FadeTimerCount(), 0);
  Pump(50);  // no tick reaches the freed control

  // A manager's SKC_STOP_ANIMATION ends a running fade and shows the new look.
  button = Button();
  button->ChangeLook(1);
  TMessage stop{SKM_COMMAND, SkinCommandWParam(SKC_STOP_ANIMATION), reinterpret_cast<LPARAM>(manager.get()), 0};
  BroadcastToForm(form, stop);
  EXPECT_EQ(button->FadeTimer, nullptr);
  Pump(30);
  EXPECT_EQ(Shown(button), Cached(button->SkinData, 60, 40));
}

TEST_F(StateFadeTest, WindowlessFadesPaintTheirFramesThemselves) {
  auto* shape = Add<TFadingShape>(form, L"Shape", "BUTTON", 20, 110);
  PerformSkinCommand(shape, SKC_REFRESH, reinterpret_cast<LPARAM>(manager.get()));
  shape->Repaint();
  Pump(20);
  CommandLog().Clear();
  shape->ChangeLook(1);
  ASSERT_TRUE(PumpUntil([&] { return shape->FadeTimer == nullptr; }, 5000));
  EXPECT_EQ(CommandLog().Count(L"Shape", SKC_REPAINT_NOW), 5);
  Pump(20);
  HDC dc = GetDC(form->Handle());
  const COLORREF shown = GetPixel(dc, 80, 150);
  ReleaseDC(form->Handle(), dc);
  EXPECT_EQ(shown, Cached(shape->SkinData, 60, 40));
}

TEST(ThreadedTimer, TicksOnlyWithHandlerIntervalAndEnabled) {
  int ticks = 0;
  TacThreadedTimer timer(nullptr);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);
  timer.SetInterval(10);
  Pump(60);
  EXPECT_EQ(ticks, 0) << "no handler";
  timer.SetOnTimer([&](TObject*) { ++ticks; });
  ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }, 3000));
  timer.SetEnabled(false);
  const int stopped = ticks;
  Pump(60);
  EXPECT_EQ(ticks, stopped);

  // A handler that runs a message loop does not get ticks inside itself, and
  // one that frees its timer is safe.
  auto* owned = new TacThreadedTimer(nullptr);
  int nested = 0, depth = 0;
  owned->SetInterval(10);
  owned->SetOnTimer([&](TObject*) {
    ++depth;
    nested = std::max(nested, depth);
    if (depth == 1) Pump(40);
    --depth;
    delete owned;
    owned = nullptr;
  });
  ASSERT_TRUE(PumpUntil([&] { return owned == nullptr; }, 3000));
  EXPECT_EQ(nested, 1);
}

}  // namespace
