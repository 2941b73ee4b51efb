// Extended borders under Wine, in Air (which has no EXBORDER part, so the
// engine's built-in shadows with 9-pixel margins serve): the shadow window
// lies directly under its form, grown by the shadow, lets the mouse through,
// follows moves and sizes, shows the inactive shadow on an inactive form,
// and goes when the form is minimised, maximised, hidden or freed.
#include "skin/window/border_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "../framework/test_support.h"
#include "core/image/bitmap32.h"
#include "core/paint/pixel.h"
#include "framework/forms/form.h"
#include "framework/graphics/bitmap.h"
#include "kit_skin_fixture.h"
#include "skin/window/skin_provider.h"
#include "skin_test_kit.h"

namespace {

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

class BorderFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
    manager->SetExtendedBorders(true);
    form = new TForm(Application);
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(150, 120, 300, 200);
    form->SetCaption(L"Border");
    provider = new TsSkinProvider(form);
    provider->SetSkinManager(manager.get());
    form->Show();
    Pump(30);
  }
  void TearDown() override {
    delete form;
    manager.reset();
    Pump(10);
  }
  HWND Border() const { return provider->BorderForm() ? provider->BorderForm()->Handle() : nullptr; }
  // The form's rectangle grown by the built-in shadow.
  RECT Expected() const {
    RECT r = WindowRect(form->Handle());
    InflateRect(&r, 9, 9);
    return r;
  }
  // The alpha of the border's picture at a point in window coordinates.
  int AlphaAt(int x, int y) const {
    TBitmap* picture = provider->BorderForm()->Picture();
    GdiFlush();
    return zelvan::paint::PixelA(zelvan::image::GetPixel32(picture->Image(), x, y));
  }
  std::unique_ptr<TsSkinManager> manager;
  TForm* form = nullptr;
  TsSkinProvider* provider = nullptr;
};

TEST_F(BorderFormTest, AShadowWindowLiesUnderTheFormAndLetsTheMouseThrough) {
  const zelvan::paint::TRect shadow = manager->FormShadowSize();
  EXPECT_EQ(shadow, (zelvan::paint::TRect{9, 9, 9, 9}));
  HWND border = Border();
  ASSERT_NE(border, nullptr);
  EXPECT_TRUE(IsWindowVisible(border));
  const RECT shown = WindowRect(border), expected = Expected();
  EXPECT_TRUE(EqualRect(&shown, &expected));
  const LONG_PTR ex = GetWindowLongPtrW(border, GWL_EXSTYLE);
  for (const LONG_PTR style : {LONG_PTR{WS_EX_LAYERED}, LONG_PTR{WS_EX_TRANSPARENT}, LONG_PTR{WS_EX_NOACTIVATE},
                               LONG_PTR{WS_EX_TOOLWINDOW}}) {
    EXPECT_TRUE(ex & style) << std::hex << style;
  }
  EXPECT_EQ(GetWindow(form->Handle(), GW_HWNDNEXT), border) << "directly under the form";
  EXPECT_NE(GetWindow(border, GW_OWNER), form->Handle()) << "an owned window would lie above its form";
  const POINT inShadow{shown.left + 3, (shown.top + shown.bottom) / 2};
  EXPECT_EQ(SendMessageW(border, WM_NCHITTEST, 0, MAKELPARAM(inShadow.x, inShadow.y)), HTTRANSPARENT);
  EXPECT_NE(WindowFromPoint(inShadow), border);

  // Shadow around, nothing over the form itself; an inactive form casts the lighter one.
  const int middleY = (shown.bottom - shown.top) / 2;
  const int active = AlphaAt(6, middleY);
  EXPECT_GT(active, 0);
  EXPECT_EQ(AlphaAt(9 + 20, middleY), 0);
  SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  Pump(5);
  const int inactive = AlphaAt(6, middleY);
  EXPECT_GT(inactive, 0);
  EXPECT_LT(inactive, active);
}

TEST_F(BorderFormTest, MovesMoveTheSamePictureAndSizesPaintItAnew) {
  ASSERT_NE(Border(), nullptr);
  TacBorderForm* border = provider->BorderForm();
  const int paints = border->Paints();
  TBitmap* picture = border->Picture();
  SetWindowPos(form->Handle(), nullptr, 260, 180, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pump(5);
  RECT shown = WindowRect(Border()), expected = Expected();
  EXPECT_TRUE(EqualRect(&shown, &expected));
  EXPECT_EQ(border->Paints(), paints) << "a move paints nothing";
  EXPECT_EQ(border->Picture(), picture) << "nor makes a new picture";

  SetWindowPos(form->Handle(), nullptr, 0, 0, 360, 240, SWP_NOMOVE | SWP_NOZORDER);
  Pump(5);
  shown = WindowRect(Border());
  expected = Expected();
  EXPECT_TRUE(EqualRect(&shown, &expected));
  EXPECT_EQ(border->Paints(), paints + 1);
  EXPECT_EQ(border->Picture()->Width(), 360 + 18);
}

TEST_F(BorderFormTest, OnlyAFormShownNormallyHasABorder) {
  struct Step {
    const char* what;
    std::function<void()> act;
    bool border;
  } steps[] = {
      {"minimised", [&] { ShowWindow(form->Handle(), SW_MINIMIZE); }, false},
      {"restored", [&] { ShowWindow(form->Handle(), SW_RESTORE); }, true},
      {"maximised", [&] { ShowWindow(form->Handle(), SW_MAXIMIZE); }, false},
      {"restored again", [&] { ShowWindow(form->Handle(), SW_RESTORE); }, true},
      {"hidden", [&] { form->Hide(); }, false},
      {"shown", [&] { form->Show(); }, true},
      {"borders off", [&] { manager->SetExtendedBorders(false); }, false},
      {"borders on", [&] { manager->SetExtendedBorders(true); }, true},
  };
  for (const Step& step : steps) {
    HWND before = Border();
    step.act();
    Pump(10);
    EXPECT_EQ(Border() != nullptr, step.border) << step.what;
    if (!step.border && before) {
      EXPECT_FALSE(IsWindow(before)) << step.what << ": the window is freed";
    }
    if (step.border && Border()) {
      const RECT shown = WindowRect(Border()), expected = Expected();
      EXPECT_TRUE(EqualRect(&shown, &expected)) << step.what;
    }
  }
  HWND last = Border();
  ASSERT_NE(last, nullptr);
  delete form;
  form = nullptr;
  EXPECT_FALSE(IsWindow(last)) << "freed with the form";
}

TEST_F(BorderFormTest, ShowingHidingAndMovingLeaveHandlesSteady) {
  int x = 150;
  ExpectHandlesSteady(
      [&] {
        form->Hide();
        form->Show();
        x = x == 150 ? 170 : 150;
        SetWindowPos(form->Handle(), nullptr, x, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      },
      20);
}

}  // namespace
