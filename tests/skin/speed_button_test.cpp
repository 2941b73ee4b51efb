// The skinned speed button under Wine on the kit skin (BUTTON: 4 states,
// fades in 5): each look against the engine's painting of the section, the
// fade's frames painted by the button itself, the parent showing the final
// picture, and the manager's hot control let go on destruction.
#include "skin/controls/speed_button.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/image/bitmap32.h"
#include "framework/graphics/image_list.h"
#include "framework/menus/menu.h"
#include "../framework/menu_loop.h"
#include "kit_skin_fixture.h"
#include "skin/controls/button_face.h"
#include "skin/paint/control_paint.h"

namespace {

class TCountedSpeedButton : public TsSpeedButton {
 public:
  using TsSpeedButton::TsSpeedButton;
  void WndProc(TMessage& message) override {
    if (message.Msg == SKM_COMMAND && SkinCommandCode(message.WParam) == SKC_REPAINT_NOW) ++Frames;
    TsSpeedButton::WndProc(message);
  }
  int Frames = 0;
};

class SpeedButtonTest : public KitSkinTest {
 protected:
  void SetUp() override {
    KitSkinTest::SetUp();
    form->Show();
  }
  void TearDown() override {
    SetAnimationsSuppressed(false);
    KitSkinTest::TearDown();
  }
  TCountedSpeedButton* Button() {
    auto* button = Add<TCountedSpeedButton>(form, L"Speed", "BUTTON", 20, 20);
    button->SetBounds(20, 20, 75, 25);
    button->Perform(SKM_COMMAND, SkinCommandWParam(SKC_REFRESH), reinterpret_cast<LPARAM>(manager.get()));
    form->Repaint();
    Pump(20);
    return button;
  }
  bool LooksLike(TsSpeedButton* button, int painted) {
    auto expected = std::make_unique<TBitmap>(button->Width(), button->Height(), pf32bit);
    PaintItemWithParent(button->SkinData, form, true, expected->Image(), {0, 0},
                        {0, 0, button->Width(), button->Height()}, painted);
    return DifferingPixels(*button->SkinData.CacheBmp(), *expected) == 0;
  }
  COLORREF OnForm(int x, int y) {
    HDC dc = GetDC(form->Handle());
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(form->Handle(), dc);
    return colour;
  }
};

TEST_F(SpeedButtonTest, EachLookIsTheSectionsStatePicture) {
  SetAnimationsSuppressed(true);
  TCountedSpeedButton* button = Button();
  ASSERT_TRUE(button->SkinData.Skinned());
  struct Case {
    const char* what;
    int reach;  // 0 nothing, 1 mouse enter, 2 press
    int state;
  } cases[] = {{"normal", 0, 0}, {"hot", 1, 1}, {"pressed", 2, 2}};
  for (const auto& c : cases) {
    if (c.reach == 1) button->Perform(CM_MOUSEENTER);
    if (c.reach == 2) button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(button->CurrentState(), c.state) << c.what;
    ASSERT_TRUE(button->PrepareCache()) << c.what;
    EXPECT_TRUE(LooksLike(button, c.state)) << c.what;
  }
  button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(button->CurrentState(), 1);
  button->SetEnabled(false);
  EXPECT_EQ(button->CurrentState(), 0) << "disabled";
}

TEST_F(SpeedButtonTest, FadesPaintTheirFramesAndEndOnTheNewLook) {
  TCountedSpeedButton* button = Button();
  ASSERT_TRUE(button->PrepareCache());
  struct Case {
    const char* what;
    UINT message;
    int frames, state;
  } cases[] = {{"hover", CM_MOUSEENTER, 5, 1}, {"press", WM_LBUTTONDOWN, 2, 2}, {"release", WM_LBUTTONUP, 2, 1}};
  for (const auto& c : cases) {
    button->Frames = 0;
    const bool mouse = c.message != CM_MOUSEENTER;
    button->Perform(c.message, c.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, mouse ? MAKELPARAM(5, 5) : 0);
    ASSERT_NE(button->FadeTimer, nullptr) << c.what;
    ASSERT_TRUE(PumpUntil([&] { return button->FadeTimer == nullptr; }, 5000)) << c.what;
    EXPECT_EQ(button->Frames, c.frames) << c.what;
    EXPECT_EQ(button->CurrentState(), c.state) << c.what;
    EXPECT_TRUE(LooksLike(button, c.state)) << c.what;
    form->Repaint();
    EXPECT_EQ(OnForm(20 + 37, 20 + 12), CachedPixel(button->SkinData, 37, 12)) << c.what << ": the parent shows it";
  }
  EXPECT_EQ(manager->ActiveGraphControl(), button);
  delete button;
  EXPECT_EQ(manager->ActiveGraphControl(), nullptr) << "let go when destroyed";
}

TEST_F(SpeedButtonTest, ImagesOfItsListShowAtOnceAndAFreedListIsForgotten) {
  SetAnimationsSuppressed(true);
  TCountedSpeedButton* button = Button();
  auto images = std::make_unique<TImageList>(nullptr);
  images->SetWidth(12);
  images->SetHeight(12);
  button->SetImages(images.get());
  button->SetImageIndex(0);
  TBitmap green(12, 12, pf24bit);
  green.Canvas().Brush().SetColor(static_cast<TColor>(RGB(0, 200, 0)));
  green.Canvas().FillRect(RECT{0, 0, 12, 12});
  images->Add(green, nullptr);  // no call on the button: the list tells it
  Pump(20);
  const int cx = button->Left() + button->Width() / 2, cy = button->Top() + button->Height() / 2;
  int greenSeen = 0;
  for (int dx = -8; dx <= 8; ++dx) greenSeen += OnForm(cx + dx, cy) == RGB(0, 200, 0);
  EXPECT_GT(greenSeen, 0) << "the new image is on the button";

  images.reset();
  EXPECT_EQ(button->Images(), nullptr);
  Pump(20);
  greenSeen = 0;
  for (int dx = -8; dx <= 8; ++dx) greenSeen += OnForm(cx + dx, cy) == RGB(0, 200, 0);
  EXPECT_EQ(greenSeen, 0) << "repainted without the list";
}

TEST_F(SpeedButtonTest, ADropDownButtonOpensItsMenuFromItsArrowOrWholeWithoutAClick) {
  SetAnimationsSuppressed(true);
  TCountedSpeedButton* button = Button();
  button->SetButtonStyle(tbsDropDown);
  auto menu = std::make_unique<TPopupMenu>(nullptr);
  menu->Items().Add(L"One");
  button->SetDropdownMenu(menu.get());
  int clicks = 0, opened = 0, stateWhileOpen = -1;
  TMenuLoopProbe probe;
  probe.Action = [&](HWND) {
    ++opened;
    stateWhileOpen = button->CurrentState();
    return false;
  };
  const auto press = [&](int x) {
    probe.Ran = false;
    probe.Ticks = 0;
    WithMenuProbe(probe, [&] {
      button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 10));
      button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, 10));
    });
  };
  // Without a click of its own, the whole button opens the menu and shows pressed.
  press(10);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(stateWhileOpen, 2);
  EXPECT_FALSE(button->DroppedDown);
  // With one, only the arrow part does; the rest clicks.
  button->OnClick = [&](TObject*) { ++clicks; };
  press(button->Width() - 5);
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(clicks, 0);
  press(10);
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(clicks, 1);
  menu.reset();
  EXPECT_EQ(button->DropdownMenu(), nullptr) << "a freed menu is forgotten";
}

TEST_F(SpeedButtonTest, AsTheOwnerOfAnOpenMenuItShowsHotWhateverTheMouseDoes) {
  SetAnimationsSuppressed(true);
  TCountedSpeedButton* button = Button();
  button->SetMenuOwnerMode(true);
  EXPECT_EQ(button->CurrentState(), 1);
  button->Perform(CM_MOUSEENTER);
  button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_EQ(button->CurrentState(), 1) << "never pressed";
  button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  button->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(button->CurrentState(), 1) << "still hot";
  Pump(20);
  EXPECT_TRUE(LooksLike(button, 1)) << "painted in the hot look";
  button->SetMenuOwnerMode(false);
  EXPECT_EQ(button->CurrentState(), 0);
}

}  // namespace
