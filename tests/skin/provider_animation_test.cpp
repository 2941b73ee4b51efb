// A skinned form's window animations under Wine, in Air: shown, hidden,
// released, minimised and dragged translucent by its caption, each only
// when the manager's effect is on.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "../framework/test_support.h"
#include "core/image/bitmap32.h"
#include "framework/forms/form.h"
#include "skin/core/animation_window.h"
#include "skin/core/minimize_animation.h"
#include "skin/core/skinned_windows.h"
#include "skin/core/window_animation.h"
#include "skin/window/skin_provider.h"
#include "skin_test_kit.h"

namespace {

class ProviderAnimationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
    form = new TForm(Application);
    form->SetBounds(120, 110, 320, 220);
    form->SetCaption(L"Animated");
    form->Handle();
    provider = new TsSkinProvider(form);
    provider->SetSkinManager(manager.get());
    provider->OnAfterAnimation = [this](TObject*) { ++afterAnimations; };
  }
  void TearDown() override {
    FinishHideAnimation();
    FinishMinimizeAnimation();
    delete form;
    manager.reset();
    Pump(10);
  }
  static bool AnimationWindowLeft() { return FindWindowW(L"TacAnimationWindow", nullptr) != nullptr; }

  std::unique_ptr<TsSkinManager> manager;
  TForm* form = nullptr;
  TsSkinProvider* provider = nullptr;
  int afterAnimations = 0;
  bool freed = false;
};

// Pixels of the form read from the screen, against the window's own surface.
int PixelsDifferingFromTheScreen(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  TBitmap own(w, h, pf32bit), screen(w, h, pf32bit);
  HDC windowDc = GetWindowDC(window), screenDc = GetDC(nullptr);
  BitBlt(own.Canvas().Handle(), 0, 0, w, h, windowDc, 0, 0, SRCCOPY);
  BitBlt(screen.Canvas().Handle(), 0, 0, w, h, screenDc, r.left, r.top, SRCCOPY);
  ReleaseDC(window, windowDc);
  ReleaseDC(nullptr, screenDc);
  GdiFlush();
  int differing = 0;
  // The corners are cut by the region: the client's middle is what must be there.
  for (int y = h / 3; y < 2 * h / 3; ++y) {
    for (int x = w / 3; x < 2 * w / 3; ++x) {
      const uint32_t a = zelvan::image::GetPixel32(own.Image(), x, y) & 0xFFFFFF;
      const uint32_t b = zelvan::image::GetPixel32(screen.Image(), x, y) & 0xFFFFFF;
      differing += a != b;
    }
  }
  return differing;
}

TEST_F(ProviderAnimationTest, ShowingFadesTheFormInAndLeavesItOnTheScreen) {
  manager->AnimEffects.FormShow.Time = 120;  // 10 steps
  manager->AnimEffects.FormShow.Mode = atFading;
  int before = AnimationFramesPushed();
  form->Show();
  Pump(30);
  EXPECT_EQ(AnimationFramesPushed() - before, 12) << "11 step frames and the last at full alpha";
  EXPECT_EQ(afterAnimations, 1);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_FALSE(FormsLocked);
  EXPECT_FALSE(AnimationWindowLeft());
  EXPECT_EQ(PixelsDifferingFromTheScreen(form->Handle()), 0) << "the form itself is on the screen";

  struct Case {
    const char* what;
    std::function<void()> set;
  } skipped[] = {
      {"skipped once", [&] { provider->SkipNextAnimation = true; }},
      {"the provider forbids it", [&] { provider->FAllowAnimation = false; }},
      {"the effect is off", [&] {
         provider->FAllowAnimation = true;
         manager->AnimEffects.FormShow.Active = false;
       }},
  };
  for (const Case& c : skipped) {
    form->Hide();
    c.set();
    before = AnimationFramesPushed();
    form->Show();
    Pump(20);
    EXPECT_EQ(AnimationFramesPushed(), before) << c.what;
    EXPECT_TRUE(IsWindowVisible(form->Handle())) << c.what;
  }
  EXPECT_FALSE(provider->SkipNextAnimation) << "a skip holds for one change only";
  EXPECT_EQ(afterAnimations, 1);
}

TEST_F(ProviderAnimationTest, HidingAndReleasingFadeTheOldPictureOutOnce) {
  form->Show();
  Pump(30);
  manager->AnimEffects.FormHide.Time = 48;
  int before = AnimationFramesPushed();
  form->Hide();
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(HideAnimationRunning());
  EXPECT_EQ(provider->FormState & TsSkinProvider::fsClosingAnimated, TsSkinProvider::fsClosingAnimated);
  ASSERT_TRUE(PumpUntil([] { return !HideAnimationRunning(); }, 5000));
  EXPECT_EQ(AnimationFramesPushed() - before, 5) << "4 steps: the first frame and one per tick";

  form->Show();
  Pump(30);
  EXPECT_EQ(provider->FormState & TsSkinProvider::fsClosingAnimated, 0u) << "showing again renders again";
  // Closed with caFree: released while visible, it fades out as it goes.
  form->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  form->AddWindowHook([this](TMessage& m, const TWndMethod& next) {
    if (m.Msg == WM_NCDESTROY) freed = true;  // a member: the form may outlive this body
    next(m);
  });
  before = AnimationFramesPushed();
  form->Close();
  ASSERT_TRUE(PumpUntil([&] { return freed; }, 3000));
  form = nullptr;
  EXPECT_TRUE(HideAnimationRunning() || AnimationFramesPushed() - before == 5);
  ASSERT_TRUE(PumpUntil([] { return !HideAnimationRunning(); }, 5000));
  EXPECT_EQ(AnimationFramesPushed() - before, 5);
  EXPECT_FALSE(AnimationWindowLeft());
}

TEST_F(ProviderAnimationTest, MinimisingAndRestoringFlyThroughTheTaskbar) {
  form->Show();
  Pump(30);
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(form->Handle()));
  EXPECT_TRUE(MinimizeAnimationRunning());
  ASSERT_TRUE(PumpUntil([] { return !MinimizeAnimationRunning(); }, 5000));
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(form->Handle()));
  EXPECT_TRUE(MinimizeAnimationRunning()) << "restoring animates the picture taken when minimising";
  ASSERT_TRUE(PumpUntil([] { return !MinimizeAnimationRunning(); }, 5000));

  manager->AnimEffects.Minimizing.Active = false;
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(form->Handle()));
  EXPECT_FALSE(MinimizeAnimationRunning());
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(AnimationWindowLeft());
}

// Watches a caption drag from inside the platform's move loop: the form's
// opacity, its frozen state, and whether a deactivation reaches its frame.
struct TDragWatch {
  HWND Window = nullptr;
  TsSkinProvider* Provider = nullptr;
  std::vector<int> Alphas;
  bool FrozenThroughout = true;
  bool StayedActive = true;
};
TDragWatch* Drag = nullptr;

void CALLBACK WatchDrag(HWND, UINT, UINT_PTR id, DWORD) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (GetLayeredWindowAttributes(Drag->Window, nullptr, &alpha, &flags)) Drag->Alphas.push_back(alpha);
  Drag->FrozenThroughout &= (Drag->Provider->FormState & TsSkinProvider::fsFrozenActive) != 0;
  SendMessageW(Drag->Window, WM_NCACTIVATE, FALSE, 0);
  Drag->StayedActive &= Drag->Provider->FormActive;
  if (Drag->Alphas.size() >= 6) {
    KillTimer(nullptr, id);
    PostMessageW(Drag->Window, WM_KEYDOWN, VK_RETURN, 0);
  }
}

TEST_F(ProviderAnimationTest, ACaptionDragTurnsTheFormTranslucentWithItsFrameFrozen) {
  form->Show();
  Pump(30);
  manager->AnimEffects.BlendOnMoving.Active = true;
  manager->AnimEffects.BlendOnMoving.BlendValue = 150;
  manager->AnimEffects.BlendOnMoving.Time = 48;
  TDragWatch watch{form->Handle(), provider, {}, true, true};
  Drag = &watch;
  SetTimer(nullptr, 0, 15, WatchDrag);
  SendMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
  Drag = nullptr;
  ASSERT_GE(watch.Alphas.size(), 6u) << "the move loop ran with the form layered";
  EXPECT_EQ(watch.Alphas.back(), 150);
  EXPECT_TRUE(watch.FrozenThroughout);
  EXPECT_TRUE(watch.StayedActive) << "a frozen frame keeps its active look";
  EXPECT_EQ(provider->FormState, 0u);
  EXPECT_FALSE(GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(provider->FormActive) << "after the move the frame follows activation again";
}

}  // namespace
