// Glow around hot controls under Wine, on the kit skin's GLOWBTN section (a
// 16 x 16 glow part reaching 5 pixels out, pulled in by 2): the glow window's
// place and styles, its crop where a parent hides the control, when it goes,
// and that a stale id never removes another control's glow.
#include "skin/core/glow.h"

#include <gtest/gtest.h>

#include "kit_skin_fixture.h"

namespace {

class GlowTest : public KitSkinTest {
 protected:
  void SetUp() override {
    KitSkinTest::SetUp();
    form->SetBounds(100, 100, 400, 300);
    form->Show();
    Pump(20);
  }
  void TearDown() override {
    RemoveAllGlows();
    KitSkinTest::TearDown();
  }
  // A stand-in of kind 0 (neither a container nor a button) on section.
  TDataPanel* Panel(TWinControl* parent, const std::string& section) {
    auto* panel = new TDataPanel(parent, 0);
    panel->SetParent(parent);
    panel->SkinData.SetSkinManager(manager.get());
    panel->SkinData.SetSkinSection(section);
    return panel;
  }
  TDataPanel* Glowing(TWinControl* parent, int left, int top) {
    TDataPanel* panel = Panel(parent, "GLOWBTN");
    panel->SetBounds(left, top, 60, 30);
    Pump(10);
    return panel;
  }
  static RECT ScreenRect(TWinControl* control) {
    RECT r{};
    GetWindowRect(control->Handle(), &r);
    return r;
  }
  static RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  }
};

TEST_F(GlowTest, TheMouseOnAControlShowsItsGlowAroundItAndTheGlowLetsTheMouseThrough) {
  TDataPanel* panel = Glowing(form, 40, 50);
  panel->Perform(CM_MOUSEENTER);
  ASSERT_GE(panel->SkinData.GlowID, 0);
  HWND glow = GlowWindow(panel->SkinData.GlowID);
  ASSERT_NE(glow, nullptr);
  EXPECT_TRUE(IsWindowVisible(glow));
  const RECT control = ScreenRect(panel), shown = WindowRect(glow);
  // 5 pixels of reach, 2 pulled in: 3 around every side.
  EXPECT_EQ(shown.left, control.left - 3);
  EXPECT_EQ(shown.top, control.top - 3);
  EXPECT_EQ(shown.right, control.right + 3);
  EXPECT_EQ(shown.bottom, control.bottom + 3);
  const LONG_PTR ex = GetWindowLongPtrW(glow, GWL_EXSTYLE);
  for (const LONG_PTR style : {LONG_PTR{WS_EX_LAYERED}, LONG_PTR{WS_EX_TRANSPARENT}, LONG_PTR{WS_EX_NOACTIVATE},
                               LONG_PTR{WS_EX_TOOLWINDOW}}) {
    EXPECT_TRUE(ex & style) << std::hex << style;
  }
  EXPECT_EQ(SendMessageW(glow, WM_NCHITTEST, 0, MAKELPARAM(shown.left + 1, shown.top + 1)), HTTRANSPARENT);
  EXPECT_EQ(GetWindow(glow, GW_OWNER), form->Handle());

  panel->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(panel->SkinData.GlowID, -1);
  EXPECT_FALSE(IsWindow(glow));
  EXPECT_EQ(ShownGlowCount(), 0);
}

TEST_F(GlowTest, AControlHalfHiddenByItsParentGlowsOnlyAroundItsVisibleHalf) {
  auto* box = Make<TDataPanel>(form, L"Box");
  box->SetBounds(100, 60, 200, 150);
  TDataPanel* panel = Glowing(box, -30, 40);  // its left half lies outside the box
  panel->Perform(CM_MOUSEENTER);
  const HWND glow = GlowWindow(panel->SkinData.GlowID);
  ASSERT_NE(glow, nullptr);
  const RECT control = ScreenRect(panel), shown = WindowRect(glow), client = ScreenRect(box);
  EXPECT_EQ(shown.left, client.left) << "no glow beside the hidden half";
  EXPECT_EQ(shown.right, control.right + 3);
  EXPECT_EQ(shown.top, control.top - 3);
}

TEST_F(GlowTest, NoGlowWithoutAPartOrPermissionAndAStaleIdRemovesNothingElse) {
  TDataPanel* plain = Panel(form, "BUTTON");  // no GLOW0
  plain->Perform(CM_MOUSEENTER);
  EXPECT_EQ(plain->SkinData.GlowID, -1);

  TDataPanel* first = Glowing(form, 40, 50);
  manager->Effects.SetAllowGlowing(false);
  first->Perform(CM_MOUSEENTER);
  EXPECT_EQ(first->SkinData.GlowID, -1);
  manager->Effects.SetAllowGlowing(true);
  first->Perform(CM_MOUSELEAVE);
  first->Perform(CM_MOUSEENTER);
  ASSERT_GE(first->SkinData.GlowID, 0);

  RemoveAllGlows();  // the form moved: every glow goes, ids stay with the controls
  TDataPanel* second = Glowing(form, 200, 50);
  second->Perform(CM_MOUSEENTER);
  ASSERT_GE(second->SkinData.GlowID, 0);
  first->SkinData.RemoveGlow();
  EXPECT_NE(GlowWindow(second->SkinData.GlowID), nullptr) << "the other control keeps its glow";
}

TEST_F(GlowTest, GlowsComeAndGoWithoutLeakingHandles) {
  TDataPanel* panel = Glowing(form, 40, 50);
  ExpectHandlesSteady(
      [&] {
        panel->Perform(CM_MOUSEENTER);
        panel->Perform(CM_MOUSELEAVE);
      },
      100);
}

}  // namespace

