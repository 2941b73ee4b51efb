#include <gtest/gtest.h>

#include <memory>

#include "test_support.h"

namespace {

// Posts a key to the focused window as the keyboard would, with Shift held
// in the thread's key state when asked, and lets the loop handle it.
void PressKey(WORD key, bool shift = false) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(state);
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
  PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
  Pump(20);
  state[VK_SHIFT] = 0;
  SetKeyboardState(state);
}

// first, [panel: radio1 radio2 radio3], last, disabled — in that tab order.
struct TDialog {
  std::unique_ptr<TForm> form{NewForm(400, 200)};
  TTestButton* first = Add<TTestButton>(form.get(), 10);
  TTestPanel* panel = Add<TTestPanel>(form.get(), 40);
  TTestRadio* radio1 = Add<TTestRadio>(panel, 0);
  TTestRadio* radio2 = Add<TTestRadio>(panel, 30);
  TTestRadio* radio3 = Add<TTestRadio>(panel, 60);
  TTestButton* last = Add<TTestButton>(form.get(), 140);
  TTestButton* disabled = Add<TTestButton>(form.get(), 170);
  int firstClicks = 0;
  int lastClicks = 0;

  TDialog() {
    panel->SetBounds(100, 10, 120, 100);
    radio2->SetTabStop(false);
    radio3->SetTabStop(false);
    disabled->SetEnabled(false);
    first->Cancel = true;
    last->Default = true;
    first->OnClick = [this](TObject*) { ++firstClicks; };
    last->OnClick = [this](TObject*) { ++lastClicks; };
    SetForegroundWindow(form->Handle());
    first->SetFocus();
  }

  template <typename T>
  T* Add(TWinControl* parent, int top) {
    auto* control = new T(form.get());
    control->SetParent(parent);
    control->SetTop(top);
    return control;
  }
};

TEST(Navigation, TabAndShiftTabWalkTheTabStopsInOrder) {
  TDialog dialog;
  ASSERT_TRUE(dialog.first->Focused());
  EXPECT_EQ(dialog.form->ActiveControl(), dialog.first);
  const std::vector<std::pair<bool, TWinControl*>> steps{
      {false, dialog.radio1}, {false, dialog.last}, {false, dialog.first},  // the disabled one is skipped
      {true, dialog.last},    {true, dialog.radio1},
  };
  for (const auto& [shift, expected] : steps) {
    PressKey(VK_TAB, shift);
    EXPECT_TRUE(expected->Focused()) << "after " << (shift ? "Shift+Tab" : "Tab") << " to "
                                     << expected->Top();
    EXPECT_EQ(dialog.form->ActiveControl(), expected);
  }
}

TEST(Navigation, ArrowsMoveBetweenRadioButtonsAndCheckThem) {
  TDialog dialog;
  dialog.radio1->SetFocus();
  const std::vector<std::pair<WORD, TTestRadio*>> steps{
      {VK_DOWN, dialog.radio2}, {VK_RIGHT, dialog.radio3}, {VK_DOWN, dialog.radio1},
      {VK_UP, dialog.radio3},
  };
  for (const auto& [key, expected] : steps) {
    PressKey(key);
    EXPECT_TRUE(expected->Focused());
    EXPECT_TRUE(expected->Checked());
    for (TTestRadio* other : {dialog.radio1, dialog.radio2, dialog.radio3}) {
      if (other != expected) {
        EXPECT_FALSE(other->Checked());
      }
    }
  }
  // Arrows on a push button are not the form's business.
  dialog.first->SetFocus();
  PressKey(VK_DOWN);
  EXPECT_TRUE(dialog.first->Focused());
}

TEST(Navigation, EnterAndEscapeReachTheDefaultAndCancelButtons) {
  TDialog dialog;
  dialog.radio1->SetFocus();
  PressKey(VK_RETURN);
  EXPECT_EQ(dialog.lastClicks, 1);
  EXPECT_EQ(dialog.firstClicks, 0);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(dialog.firstClicks, 1);
  EXPECT_EQ(dialog.lastClicks, 1);
}

TEST(Navigation, FocusChangesAreAnnouncedToTheWholeForm) {
  TMessageLog log;
  TDialog dialog;
  int entered = 0, exited = 0;
  dialog.last->OnEnter = [&](TObject*) { ++entered; };
  dialog.first->OnExit = [&](TObject*) { ++exited; };
  log.Watch(*dialog.radio3, {CM_FOCUSCHANGED});
  dialog.last->SetFocus();
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(exited, 1);
  ASSERT_EQ(log.Count(*dialog.radio3, CM_FOCUSCHANGED), 1);
  EXPECT_EQ(log.Entries[0].LParam, reinterpret_cast<LPARAM>(dialog.last));
  // Deleting the active control leaves the form without one.
  delete dialog.last;
  EXPECT_EQ(dialog.form->ActiveControl(), nullptr);
}

}  // namespace
