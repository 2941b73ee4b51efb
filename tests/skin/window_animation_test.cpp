// Window animations under Wine: frames counted as they are pushed into the
// animation window, the rules that skip an animation, the hide timer, the
// skin change through the manager's lock, and the snapshot they all start
// from.
#include "skin/core/window_animation.h"

#include <gtest/gtest.h>

#include "core/image/bitmap32.h"
#include "kit_skin_fixture.h"
#include "skin/core/animation_window.h"
#include "skin/core/minimize_animation.h"
#include "skin/core/move_blend.h"
#include "skin/core/state_fade.h"
#include "skin/core/window_snapshot.h"

namespace {

class TAnimatedProvider : public TStandInProvider {
 public:
  using TStandInProvider::TStandInProvider;
  bool AllowAnimation() const override { return Allow; }
  bool SkipAnimation() const override { return Skip; }
  void AfterAnimation() override { ++AfterAnimations; }
  bool Allow = true;
  bool Skip = false;
  int AfterAnimations = 0;
};

class WindowAnimationTest : public KitSkinTest {
 protected:
  // A form not shown yet, with a provider of the kit manager.
  TAnimatedProvider* HiddenForm() {
    shown = new TForm(Application);
    shown->SetTag(kPlainFormTag);
    shown->SetBounds(100, 100, 240, 160);
    shown->SetColor(0x00204060);
    shown->Handle();
    auto* provider = new TAnimatedProvider(shown);
    provider->Skin.Manager = manager.get();
    return provider;
  }
  void TearDown() override {
    FinishHideAnimation();
    FinishMinimizeAnimation();
    delete shown;
    KitSkinTest::TearDown();
  }
  static bool AnimationWindowLeft() { return FindWindowW(L"TacAnimationWindow", nullptr) != nullptr; }
  TForm* shown = nullptr;
};

TEST_F(WindowAnimationTest, ShowingTakesStepsByTimeAndEndsWithTheFormShown) {
  TAnimatedProvider* provider = HiddenForm();
  const int before = AnimationFramesPushed();
  EXPECT_FALSE(ShowAnimation(provider, 11, 255, atAero)) << "11 ms gives no step";
  EXPECT_EQ(AnimationFramesPushed(), before);

  ASSERT_TRUE(ShowAnimation(provider, 120, 255, atAero));
  EXPECT_EQ(AnimationFramesPushed() - before, 12) << "10 steps: 11 frames and the last at full alpha";
  EXPECT_TRUE(IsWindowVisible(shown->Handle()));
  EXPECT_FALSE(FormsLocked);
  EXPECT_FALSE(AnimationWindowLeft());
  EXPECT_EQ(provider->AfterAnimations, 1);
}

TEST_F(WindowAnimationTest, WhatSkipsAnAnimation) {
  TAnimatedProvider* provider = HiddenForm();
  struct Case {
    const char* what;
    std::function<void()> set, reset;
  } cases[] = {
      {"the provider does not allow it", [&] { provider->Allow = false; }, [&] { provider->Allow = true; }},
      {"the provider skips this one", [&] { provider->Skip = true; }, [&] { provider->Skip = false; }},
      {"animations suppressed", [] { SetAnimationsSuppressed(true); }, [] { SetAnimationsSuppressed(false); }},
      {"the session ends", [] { SetSessionEnding(true); }, [] { SetSessionEnding(false); }},
      {"the manager is not active", [&] { manager->SetActive(false); }, [&] { manager->SetActive(true); }},
      {"the form is minimised", [&] { ShowWindow(shown->Handle(), SW_SHOWMINNOACTIVE); },
       [&] {
         ShowWindow(shown->Handle(), SW_RESTORE);
         ShowWindow(shown->Handle(), SW_HIDE);
       }},
      {"the form has a parent", [&] { shown->SetParent(form); }, [&] {
         shown->SetParent(nullptr);
         shown->Handle();
       }},
  };
  for (const auto& c : cases) {
    c.set();
    const int before = AnimationFramesPushed();
    EXPECT_FALSE(WindowAnimationAllowed(provider)) << c.what;
    EXPECT_FALSE(ShowAnimation(provider, 120, 255, atFading)) << c.what;
    EXPECT_EQ(AnimationFramesPushed(), before) << c.what;
    c.reset();
  }
  EXPECT_TRUE(WindowAnimationAllowed(provider));
}

TEST_F(WindowAnimationTest, HidingFadesOnTheHideTimerWhileTheApplicationGoesOn) {
  TAnimatedProvider* provider = HiddenForm();
  shown->Show();
  Pump(20);
  const unsigned gdi = GdiObjectCount(), user = UserObjectCount();
  manager->AnimEffects.FormHide.Time = 36;  // 3 steps
  const int before = AnimationFramesPushed();
  ASSERT_TRUE(HideAnimation(provider));
  shown->Hide();
  EXPECT_FALSE(FormsLocked) << "the rest of the application paints while the picture fades";
  EXPECT_TRUE(HideAnimationRunning());
  EXPECT_TRUE(AnimationWindowLeft());
  ASSERT_TRUE(PumpUntil([] { return !HideAnimationRunning(); }, 5000));
  EXPECT_EQ(AnimationFramesPushed() - before, 4) << "3 steps: 4 frames";
  EXPECT_FALSE(AnimationWindowLeft());
  EXPECT_EQ(GdiObjectCount(), gdi);
  EXPECT_EQ(UserObjectCount(), user);

  manager->AnimEffects.FormHide.Active = false;
  EXPECT_FALSE(HideAnimation(provider));
}

TEST_F(WindowAnimationTest, SkinChangeFadesTheNewLookInThroughTheManagersLock) {
  TAnimatedProvider* provider = HiddenForm();
  shown->Show();
  Pump(20);
  manager->SetIsDefault(true);  // the default manager animates skin changes
  provider->Animations = 0;
  const int before = AnimationFramesPushed();
  manager->SetSkinName(L"Kit");  // the same skin anew: the forms are locked and released
  EXPECT_EQ(provider->Animations, 1);
  EXPECT_EQ(AnimationFramesPushed() - before, 10) << "100 ms: 8 steps, 9 frames and the last";
  EXPECT_FALSE(FormsLocked);
  EXPECT_FALSE(AnimationWindowLeft());
}

TEST_F(WindowAnimationTest, SnapshotHoldsTheFormAndItsChildrenBeforeItIsShown) {
  HiddenForm();
  auto* panel = Add<TDataPanel>(shown, L"Panel", "PANEL", 10, 10);
  SendSkinCommand(panel->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(manager.get()));
  const auto picture = SnapshotWindow(shown->Handle());
  ASSERT_NE(picture, nullptr);
  RECT bounds{};
  GetWindowRect(shown->Handle(), &bounds);
  EXPECT_EQ(picture->Width(), bounds.right - bounds.left);
  POINT client{0, 0};
  ClientToScreen(shown->Handle(), &client);
  const int cx = client.x - bounds.left, cy = client.y - bounds.top;
  GdiFlush();
  const auto at = [&](int x, int y) { return zelvan::image::GetPixel32(picture->Image(), cx + x, cy + y); };
  EXPECT_EQ(at(200, 100), 0xFF604020u) << "the form's colour, opaque";
  ASSERT_FALSE(panel->SkinData.CacheBmp()->Empty());
  const uint32_t cached = zelvan::image::GetPixel32(panel->SkinData.CacheBmp()->Image(), 60, 40);
  EXPECT_EQ(at(70, 50) & 0xFFFFFF, cached & 0xFFFFFF) << "the panel's skinned picture";
}

TEST_F(WindowAnimationTest, MinimisingFliesToTheTaskbarAndRestoringComesBack) {
  TAnimatedProvider* provider = HiddenForm();
  shown->Show();
  Pump(20);
  const auto platformAnimation = [] {
    ANIMATIONINFO info{sizeof(info), 0};
    SystemParametersInfoW(SPI_GETANIMATION, sizeof(info), &info, 0);
    return info.iMinAnimate;
  };
  const int platformBefore = platformAnimation();
  int before = AnimationFramesPushed();
  ASSERT_TRUE(StartMinimizeAnimation(provider, true));
  EXPECT_EQ(platformAnimation(), 0) << "the platform's own animation is off meanwhile";
  ShowWindow(shown->Handle(), SW_MINIMIZE);
  ASSERT_TRUE(PumpUntil([] { return !MinimizeAnimationRunning(); }, 5000));
  EXPECT_EQ(AnimationFramesPushed() - before, 13) << "200 ms: 13 steps of 15 ms";
  EXPECT_EQ(platformAnimation(), platformBefore);

  before = AnimationFramesPushed();
  ASSERT_TRUE(StartMinimizeAnimation(provider, false)) << "the picture taken when minimising";
  ShowWindow(shown->Handle(), SW_RESTORE);
  ASSERT_TRUE(PumpUntil([] { return !MinimizeAnimationRunning(); }, 5000));
  EXPECT_EQ(AnimationFramesPushed() - before, 13);
  EXPECT_FALSE(AnimationWindowLeft());
  EXPECT_FALSE(StartMinimizeAnimation(provider, false)) << "no picture is left for a second restore";
}

// Watches the opacity from inside the modal move loop and ends the move
// once it stops changing.
struct TMoveWatch {
  HWND Window = nullptr;
  std::vector<int> Seen;
};
TMoveWatch* Watch = nullptr;

void CALLBACK WatchMove(HWND, UINT, UINT_PTR id, DWORD) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (GetLayeredWindowAttributes(Watch->Window, nullptr, &alpha, &flags)) Watch->Seen.push_back(alpha);
  const size_t n = Watch->Seen.size();
  if (n > 40 || (n >= 3 && Watch->Seen[n - 1] == Watch->Seen[n - 3] && Watch->Seen[n - 1] < 255)) {
    KillTimer(nullptr, id);
    PostMessageW(Watch->Window, WM_KEYDOWN, VK_RETURN, 0);
  }
}

TEST_F(WindowAnimationTest, MovingTurnsTheWindowTranslucentStepByStep) {
  TAnimatedProvider* provider = HiddenForm();
  shown->Show();
  Pump(20);
  TacBlendOnMoving& effect = manager->AnimEffects.BlendOnMoving;
  EXPECT_FALSE(MoveWithBlend(shown->Handle(), provider, manager.get())) << "the effect is off by default";

  effect.Active = true;
  effect.BlendValue = 170;
  effect.Time = 48;  // 4 ticks: steps of 21
  TMoveWatch watch{shown->Handle(), {}};
  Watch = &watch;
  SetTimer(nullptr, 0, 15, WatchMove);
  EXPECT_TRUE(MoveWithBlend(shown->Handle(), provider, manager.get()));
  Watch = nullptr;
  ASSERT_FALSE(watch.Seen.empty());
  EXPECT_TRUE(std::is_sorted(watch.Seen.rbegin(), watch.Seen.rend())) << "it only grows more translucent";
  EXPECT_EQ(watch.Seen.back(), 170);
  EXPECT_FALSE(GetWindowLongPtrW(shown->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) << "opaque again";
}

}  // namespace
