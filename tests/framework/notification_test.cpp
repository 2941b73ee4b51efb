#include <gtest/gtest.h>

#include <memory>

#include "test_support.h"

namespace {

TEST(Notifications, MouseEntersAndLeavesAGraphicControl) {
  TMessageLog log;
  std::unique_ptr<TForm> form(NewForm(200, 100));
  auto* shape = new TTestShape(form.get());
  shape->SetParent(form.get());
  shape->SetBounds(50, 20, 30, 30);
  int entered = 0, left = 0;
  shape->OnMouseEnter = [&](TObject*) { ++entered; };
  shape->OnMouseLeave = [&](TObject*) { ++left; };
  log.Watch(*shape, {CM_MOUSEENTER, CM_MOUSELEAVE});
  log.Watch(*form, {CM_MOUSEENTER, CM_MOUSELEAVE});
  HWND window = form->Handle();

  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));   // the form itself
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(60, 30));   // onto the shape
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(61, 31));   // still on it
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(120, 30));  // off it
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(55, 25));   // on again
  SendMessageW(window, WM_MOUSELEAVE, 0, 0);                   // out of the window
  EXPECT_EQ(entered, 2);
  EXPECT_EQ(left, 2);
  const auto shapeLog = log.Of(*shape);
  ASSERT_EQ(shapeLog.size(), 4u);
  for (size_t i = 0; i < shapeLog.size(); ++i) {
    EXPECT_EQ(shapeLog[i].Msg, i % 2 == 0 ? CM_MOUSEENTER : CM_MOUSELEAVE);
    EXPECT_EQ(shapeLog[i].LParam, 0);
  }
  // The form hears its own changes (LParam 0) and its child's (LParam the child).
  const auto formLog = log.Of(*form);
  ASSERT_GE(formLog.size(), 3u);
  EXPECT_EQ(formLog[0].Msg, CM_MOUSEENTER);
  EXPECT_EQ(formLog[0].LParam, 0);
  EXPECT_EQ(formLog[1].Msg, CM_MOUSELEAVE);
  EXPECT_EQ(formLog[1].LParam, 0);
  EXPECT_EQ(formLog[2].Msg, CM_MOUSEENTER);
  EXPECT_EQ(formLog[2].LParam, reinterpret_cast<LPARAM>(shape));
}

// A panel with a windowed and a graphic child, both watched.
struct TFamily {
  TMessageLog log;
  std::unique_ptr<TForm> form{NewForm()};
  TTestPanel* panel = new TTestPanel(form.get());
  TTestButton* button = new TTestButton(form.get());
  TTestShape* shape = new TTestShape(form.get());

  TFamily() {
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 200, 100);
    button->SetParent(panel);
    shape->SetParent(panel);
    const std::vector<UINT> watched{CM_ENABLEDCHANGED, CM_VISIBLECHANGED, CM_SHOWINGCHANGED,
                                    CM_FONTCHANGED, CM_PARENTFONTCHANGED, CM_COLORCHANGED,
                                    CM_PARENTCOLORCHANGED};
    for (TControl* c : std::initializer_list<TControl*>{panel, button, shape}) log.Watch(*c, watched);
  }
};

TEST(Notifications, StateChangesOfAParentReachItsChildren) {
  struct TCase {
    const char* name;
    std::function<void(TFamily&)> change;
    UINT atParent;
    UINT atChildren;
  };
  const TCase cases[] = {
      {"enabled", [](TFamily& f) { f.panel->SetEnabled(false); }, CM_ENABLEDCHANGED, CM_ENABLEDCHANGED},
      {"visible", [](TFamily& f) { f.panel->SetVisible(false); }, CM_VISIBLECHANGED, CM_SHOWINGCHANGED},
      {"font", [](TFamily& f) { f.panel->Font().SetHeight(-20); }, CM_FONTCHANGED, CM_PARENTFONTCHANGED},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TFamily family;
    family.log.Clear();
    c.change(family);
    EXPECT_EQ(family.log.Count(*family.panel, c.atParent), 1);
    EXPECT_EQ(family.log.Count(*family.button, c.atChildren), 1);
    EXPECT_EQ(family.log.Count(*family.shape, c.atChildren), 1);
  }
}

TEST(Notifications, ChildrenFollowTheParentsFontAndColourUntilGivenTheirOwn) {
  TFamily family;
  family.shape->SetParentColor(true);
  family.panel->Font().SetName(L"Arial");
  family.panel->SetColor(clYellow);
  EXPECT_EQ(family.button->Font().Name(), L"Arial");
  EXPECT_EQ(family.shape->Font().Name(), L"Arial");
  EXPECT_EQ(family.shape->Color(), clYellow);
  EXPECT_NE(family.button->Color(), clYellow);  // ParentColor is off by default
  // The button's window uses the font the button owns.
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(family.button->Handle(), WM_GETFONT, 0, 0)),
            family.button->Font().Handle());

  family.shape->Font().SetName(L"Tahoma");
  EXPECT_FALSE(family.shape->ParentFont());
  family.panel->Font().SetName(L"Courier New");
  EXPECT_EQ(family.shape->Font().Name(), L"Tahoma");
  EXPECT_EQ(family.button->Font().Name(), L"Courier New");
  // A disabled parent leaves the child's own Enabled as it was.
  family.panel->SetEnabled(false);
  EXPECT_TRUE(family.button->Enabled());
  EXPECT_FALSE(IsWindowEnabled(family.panel->Handle()));
  const auto entries = family.log.Of(*family.button);
  EXPECT_EQ(entries.back().LParam, reinterpret_cast<LPARAM>(family.panel));
}

TEST(Notifications, ShowingFollowsTheWholeParentChain) {
  TFamily family;
  EXPECT_TRUE(family.button->Showing());
  EXPECT_TRUE(family.shape->Showing());
  family.form->Hide();
  EXPECT_FALSE(family.button->Showing());
  EXPECT_TRUE(family.button->Visible());
  family.form->Show();
  EXPECT_TRUE(family.button->Showing());
  EXPECT_TRUE(IsWindowVisible(family.button->Handle()));
  EXPECT_EQ(family.log.Count(*family.button, CM_SHOWINGCHANGED), 2);
}

TEST(Notifications, TextChangesOnlyWhenTheTextChanges) {
  TMessageLog log;
  std::unique_ptr<TForm> form(NewForm());
  auto* button = new TTestButton(form.get());
  button->SetParent(form.get());
  log.Watch(*button, {CM_TEXTCHANGED});
  button->SetText(L"甲");
  button->SetText(L"甲");
  button->SetText(L"乙");
  EXPECT_EQ(log.Count(*button, CM_TEXTCHANGED), 2);
}

}  // namespace
