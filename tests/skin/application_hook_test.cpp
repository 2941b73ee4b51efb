// The default manager's hook on the application window, under Wine in Air:
// minimise and restore commands there fly the main form to the taskbar and
// back and set ShowState (only the exact commands, only while a skin is
// active), the platform's animation setting is given back, the taskbar
// button's menu is the main form's skinned system menu, and a menu item
// address posted from outside is never followed.
#include <gtest/gtest.h>

#include <memory>

#include "../framework/menu_loop.h"
#include "../framework/test_support.h"
#include "framework/forms/form.h"
#include "kit_skin_fixture.h"
#include "skin/core/minimize_animation.h"
#include "skin/core/skin_messages.h"
#include "skin/core/window_animation.h"
#include "skin/store/skin_manager.h"
#include "skin/window/skin_provider.h"
#include "skin_test_kit.h"

namespace {

constexpr UINT kPopupSystemMenu = 0x0313;  // WM_POPUPSYSTEMMENU

bool PlatformMinimizeAnimation() {
  ANIMATIONINFO info{sizeof(info), 0};
  SystemParametersInfoW(SPI_GETANIMATION, sizeof(info), &info, 0);
  return info.iMinAnimate != 0;
}

class ApplicationHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(Application->MainForm(), nullptr);
    wasOnTaskbar = Application->MainFormOnTaskbar();
    Application->SetMainFormOnTaskbar(true);
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_TRUE(manager->IsDefault());
    ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
    Application->CreateForm(form);
    form->SetBorderStyle(bsSizeable);
    form->SetBorderIcons({biSystemMenu, biMinimize, biMaximize});
    form->SetBounds(300, 200, 400, 300);
    form->SetCaption(L"Main");
    new TsSkinProvider(form);
    form->Show();
    Pump(30);
  }
  void TearDown() override {
    FinishMinimizeAnimation();
    delete form;
    manager.reset();
    Application->SetMainFormOnTaskbar(wasOnTaskbar);
    Pump(10);
  }
  static LRESULT Command(WPARAM command) { return SendMessageW(Application->Handle(), WM_SYSCOMMAND, command, 0); }
  static void AnimationEnds() { EXPECT_TRUE(PumpUntil([] { return !MinimizeAnimationRunning(); }, 3000)); }
  // A command the hook left alone went on to the hidden application window.
  static void HideApplicationWindow() {
    HWND window = Application->Handle();
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    ShowWindow(window, SW_HIDE);
  }
  bool wasOnTaskbar = false;
  std::unique_ptr<TsSkinManager> manager;
  TForm* form = nullptr;
};

TEST_F(ApplicationHookTest, MinimiseAndRestoreThereFlyTheMainFormAndSetShowState) {
  const bool platformAnimation = PlatformMinimizeAnimation();
  Command(SC_MINIMIZE);
  EXPECT_EQ(manager->ShowState, saMinimize);
  EXPECT_TRUE(MinimizeAnimationRunning()) << "to the taskbar";
  EXPECT_TRUE(IsIconic(form->Handle()));
  AnimationEnds();
  EXPECT_EQ(PlatformMinimizeAnimation(), platformAnimation) << "the session's setting is given back";

  Command(SC_RESTORE);
  EXPECT_EQ(manager->ShowState, saRestore);
  EXPECT_TRUE(MinimizeAnimationRunning()) << "back from the taskbar";
  EXPECT_FALSE(IsIconic(form->Handle()));
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  AnimationEnds();
  EXPECT_EQ(PlatformMinimizeAnimation(), platformAnimation);
  EXPECT_FALSE(IsWindowVisible(Application->Handle()));

  ExpectHandlesSteady(
      [] {
        Command(SC_MINIMIZE);
        AnimationEnds();
        Command(SC_RESTORE);
        AnimationEnds();
      },
      3, 1);
}

TEST_F(ApplicationHookTest, TheMainFormsOwnMinimiseAndRestoreGoThroughTheHook) {
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(manager->ShowState, saMinimize);
  EXPECT_TRUE(MinimizeAnimationRunning());
  EXPECT_TRUE(IsIconic(form->Handle()));
  AnimationEnds();
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(manager->ShowState, saRestore);
  EXPECT_TRUE(MinimizeAnimationRunning());
  EXPECT_FALSE(IsIconic(form->Handle()));
  AnimationEnds();
}

TEST_F(ApplicationHookTest, OtherCommandsAndCommandsWithoutASkinAnimateNothing) {
  struct TCase {
    const char* What;
    bool SkinActive;
    WPARAM Command;
    TacShowAction ShowState;
  } cases[] = {
      {"minimise with extra bits", true, SC_MINIMIZE | 1, saIgnore},
      {"restore with extra bits", true, SC_RESTORE | 2, saIgnore},
      {"an unknown command", true, 0xF0F0, saIgnore},
      {"minimise without a skin", false, SC_MINIMIZE, saRestore},
  };
  for (const TCase& c : cases) {
    manager->SetActive(c.SkinActive);
    manager->ShowState = saRestore;
    Command(c.Command);
    EXPECT_EQ(manager->ShowState, c.ShowState) << c.What;
    EXPECT_FALSE(MinimizeAnimationRunning()) << c.What;
    EXPECT_FALSE(IsIconic(form->Handle())) << c.What;
    HideApplicationWindow();
  }
}

TEST_F(ApplicationHookTest, TheTaskbarButtonsMenuIsTheSkinnedSystemMenu) {
  TMenuLoopProbe probe;
  bool skinned = false;
  probe.Action = [&](HWND menu) {
    skinned = SendMessageW(menu, SKM_COMMAND, SkinCommandWParam(SKC_IS_SKINNED, 0), 0) == 1;
    return false;
  };
  SetCursorPos(400, 300);
  WithMenuProbe(probe, [] { SendMessageW(Application->Handle(), kPopupSystemMenu, 0, MAKELPARAM(400, 300)); });
  EXPECT_TRUE(probe.Ran) << "a menu opened";
  EXPECT_TRUE(skinned);
  EXPECT_NE(SkinProviderOf(form)->SystemMenu(), nullptr) << "the main form's own";
  EXPECT_FALSE(IsWindowVisible(Application->Handle()));
}

// The run has ended (the message loop saw its quit) while the test goes on.
class TEndedRun {
 public:
  TEndedRun() {
    Application->Terminate();
    Application->ProcessMessages();
  }
  ~TEndedRun() {
    Application->Terminate();
    Application->Run();  // sees the quit at once, and clears the ended state on its way out
  }
  TEndedRun(const TEndedRun&) = delete;
  TEndedRun& operator=(const TEndedRun&) = delete;
};

TEST_F(ApplicationHookTest, AtTheEndTheMainFormFadesOutAndOnlyAStartedFadeIsWaitedFor) {
  Application->SetMainFormOnTaskbar(false);
  HWND window = form->Handle();
  TsSkinProvider* provider = SkinProviderOf(form);
  struct TCase {
    const char* What;
    uint16_t Time;
    bool Fades;
  } cases[] = {
      {"too short for one step: no fade, no wait", 5, false},
      {"ten steps", 120, true},
  };
  for (const TCase& c : cases) {
    manager->AnimEffects.FormHide.Time = c.Time;
    TEndedRun ended;
    ASSERT_TRUE(Application->Terminated());
    WINDOWPOS hiding{Application->Handle(), nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE};
    SendMessageW(Application->Handle(), WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&hiding));
    EXPECT_FALSE(HideAnimationRunning()) << c.What << ": over before the hook returns";
    const bool layered = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    EXPECT_EQ(layered, c.Fades) << c.What;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (layered && GetLayeredWindowAttributes(window, nullptr, &alpha, &flags)) {
      EXPECT_EQ(alpha, 1) << c.What;
    }
    EXPECT_EQ((provider->FormState & TsSkinProvider::fsClosingAnimated) != 0, c.Fades) << c.What;
    EXPECT_EQ(provider->SkipNextAnimation, c.Fades) << c.What;
  }
  // A restore after it brings the form back without the closing mark.
  Command(SC_RESTORE);
  EXPECT_EQ(provider->FormState & TsSkinProvider::fsClosingAnimated, 0u);
  EXPECT_FALSE(provider->SkipNextAnimation);
}

TEST_F(ApplicationHookTest, AMenuItemAddressFromOutsideIsNeverFollowed) {
  // Any process may post to the application window; these are no items of ours.
  int notAnItem = 0;
  for (LPARAM address : {LPARAM{0x12345678}, reinterpret_cast<LPARAM>(&notAnItem), LPARAM{-1}}) {
    PostMessageW(Application->Handle(), 0xBCB3, 0, address);
  }
  PostMessageW(Application->Handle(), 0xBCB4, 0, reinterpret_cast<LPARAM>(form->Handle()));
  Pump(30);
  EXPECT_EQ(notAnItem, 0);
  EXPECT_TRUE(SkinProviderOf(form)->Skinned()) << "a form is no menu window";
}

}  // namespace
