#include <gtest/gtest.h>

#include <memory>

#include "framework/stdctrls/button.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/custom_edit.h"
#include "framework/stdctrls/group_box.h"
#include "framework/stdctrls/radio_button.h"
#include "test_support.h"

namespace {

template <typename T>
T* Add(TWinControl* parent, int clicksAt[], int index) {
  auto* control = new T(parent);
  control->SetParent(parent);
  control->OnClick = [clicksAt, index](TObject*) { ++clicksAt[index]; };
  return control;
}

bool PlatformChecked(TWinControl* control) {
  return SendMessageW(control->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST(Button, ClicksFromThePlatformAndFromDialogKeys) {
  std::unique_ptr<TForm> form(NewForm());
  int clicks[3] = {};
  auto* plain = Add<TButton>(form.get(), clicks, 0);
  auto* ok = Add<TButton>(form.get(), clicks, 1);
  auto* cancel = Add<TButton>(form.get(), clicks, 2);
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  ok->SetDefault(true);
  cancel->SetCancel(true);
  EXPECT_EQ(GetWindowLongPtrW(ok->Handle(), GWL_STYLE) & 0xF, BS_DEFPUSHBUTTON);

  struct TCase {
    const char* What;
    std::function<void()> Act;
    int Clicks[3];
  } cases[] = {
      {"platform click", [&] { SendMessageW(plain->Handle(), BM_CLICK, 0, 0); }, {1, 0, 0}},
      {"Enter in an edit", [&] { edit->SetFocus(); form->Perform(CM_DIALOGKEY, VK_RETURN, 0); }, {0, 1, 0}},
      {"Enter on a focused button", [&] { cancel->SetFocus(); form->Perform(CM_DIALOGKEY, VK_RETURN, 0); }, {0, 0, 1}},
      {"Escape on the form", [&] { form->Perform(CM_DIALOGKEY, VK_ESCAPE, 0); }, {0, 0, 1}},
      {"another key", [&] { form->Perform(CM_DIALOGKEY, VK_F2, 0); }, {0, 0, 0}},
      {"Space on the focused button", [&] {
         plain->SetFocus();
         SendMessageW(plain->Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
         SendMessageW(plain->Handle(), WM_KEYUP, VK_SPACE, 0xC0390001);
       }, {1, 0, 0}},
      {"disabled default button", [&] { edit->SetFocus(); ok->SetEnabled(false); form->Perform(CM_DIALOGKEY, VK_RETURN, 0); }, {0, 0, 0}},
  };
  for (const TCase& c : cases) {
    std::fill(std::begin(clicks), std::end(clicks), 0);
    c.Act();
    Pump(0);
    EXPECT_EQ(std::vector<int>(clicks, clicks + 3), std::vector<int>(c.Clicks, c.Clicks + 3)) << c.What;
  }
}

TEST(Button, ModalResultOfAClickGoesToTheForm) {
  std::unique_ptr<TForm> form(NewForm());
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->SetModalResult(mrOk);
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST(CheckBox, EachChangeOfStateIsAClick) {
  std::unique_ptr<TForm> form(NewForm());
  int clicks[1] = {};
  auto* box = Add<TCheckBox>(form.get(), clicks, 0);
  SendMessageW(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(PlatformChecked(box));
  box->SetChecked(true);  // no change, no click
  box->SetChecked(false);
  EXPECT_FALSE(PlatformChecked(box));
  EXPECT_EQ(clicks[0], 2);
  box->SetAllowGrayed(true);
  const TCheckBoxState cycle[] = {cbChecked, cbGrayed, cbUnchecked};
  for (TCheckBoxState state : cycle) {
    SendMessageW(box->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(box->State(), state);
    EXPECT_EQ(SendMessageW(box->Handle(), BM_GETCHECK, 0, 0), static_cast<LRESULT>(state));
  }
}

TEST(RadioButton, CheckingOneUnchecksTheOthersOfTheSameParentOnly) {
  std::unique_ptr<TForm> form(NewForm(400, 300));
  auto* group = new TGroupBox(form.get());
  group->SetParent(form.get());
  int clicks[4] = {};
  TRadioButton* radios[4] = {Add<TRadioButton>(form.get(), clicks, 0), Add<TRadioButton>(form.get(), clicks, 1),
                             Add<TRadioButton>(group, clicks, 2), Add<TRadioButton>(group, clicks, 3)};
  struct TCase {
    const char* What;
    std::function<void()> Act;
    bool Checked[4];
    int Clicks[4];
  } cases[] = {
      {"code checks the first", [&] { radios[0]->SetChecked(true); }, {1, 0, 0, 0}, {1, 0, 0, 0}},
      {"user clicks the second", [&] { SendMessageW(radios[1]->Handle(), BM_CLICK, 0, 0); }, {0, 1, 0, 0}, {0, 1, 0, 0}},
      {"user clicks one in the group box", [&] { SendMessageW(radios[3]->Handle(), BM_CLICK, 0, 0); }, {0, 1, 0, 1}, {0, 0, 0, 1}},
      {"code checks the other in the box", [&] { radios[2]->SetChecked(true); }, {0, 1, 1, 0}, {0, 0, 1, 0}},
      {"clicking the checked one again", [&] { SendMessageW(radios[2]->Handle(), BM_CLICK, 0, 0); }, {0, 1, 1, 0}, {0, 0, 0, 0}},
  };
  for (const TCase& c : cases) {
    std::fill(std::begin(clicks), std::end(clicks), 0);
    c.Act();
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(radios[i]->Checked(), c.Checked[i]) << c.What << " #" << i;
      EXPECT_EQ(PlatformChecked(radios[i]), c.Checked[i]) << c.What << " #" << i;
      EXPECT_EQ(clicks[i], c.Clicks[i]) << c.What << " #" << i;
      // A group is one tab stop: its checked button.
      EXPECT_EQ(radios[i]->TabStop(), c.Checked[i]) << c.What << " #" << i;
    }
  }
}

TEST(RadioButton, TabVisitsAGroupOnceAndArrowsMoveWithinIt) {
  std::unique_ptr<TForm> form(NewForm(400, 300));
  int clicks[4] = {};
  auto* first = Add<TButton>(form.get(), clicks, 0);
  auto* a = Add<TRadioButton>(form.get(), clicks, 1);
  auto* b = Add<TRadioButton>(form.get(), clicks, 2);
  auto* last = Add<TButton>(form.get(), clicks, 3);
  b->SetChecked(true);
  first->SetFocus();
  form->Perform(CM_DIALOGKEY, VK_TAB, 0);
  EXPECT_EQ(form->ActiveControl(), b);
  form->Perform(CM_DIALOGKEY, VK_TAB, 0);
  EXPECT_EQ(form->ActiveControl(), last);
  b->SetFocus();
  form->Perform(CM_DIALOGKEY, VK_UP, 0);
  EXPECT_EQ(form->ActiveControl(), a);
  EXPECT_TRUE(a->Checked());
  EXPECT_FALSE(b->Checked());
}

}  // namespace
