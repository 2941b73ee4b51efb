#include <gtest/gtest.h>

#include <memory>

#include "framework/stdctrls/button.h"
#include "framework/stdctrls/combo_edit.h"
#include "test_support.h"

namespace {

class TTestComboEdit : public TCustomComboEdit {
 public:
  using TCustomComboEdit::TCustomComboEdit;
};

struct TComboFixture {
  std::unique_ptr<TForm> Form{NewForm(300, 100)};
  TTestComboEdit* Edit = new TTestComboEdit(Form.get());
  TButton* Default = new TButton(Form.get());
  int ButtonClicks = 0;
  int DefaultClicks = 0;
  TComboFixture() {
    Edit->SetParent(Form.get());
    Edit->SetBounds(10, 10, 200, 21);
    Edit->OnButtonClick = [this](TObject*) { ++ButtonClicks; };
    Default->SetParent(Form.get());
    Default->SetBounds(10, 50, 75, 25);
    Default->SetDefault(true);
    Default->OnClick = [this](TObject*) { ++DefaultClicks; };
    Edit->SetFocus();
    Pump();
  }
  void ClickButton() {
    const RECT r = Edit->Button().BoundsRect();
    const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(Edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(Edit->Handle(), WM_LBUTTONUP, 0, point);
    Pump();
  }
  void PressKey(WORD key, wchar_t character = 0) {
    PostMessageW(Edit->Handle(), WM_KEYDOWN, key, 1);
    if (character) PostMessageW(Edit->Handle(), WM_CHAR, character, 1);
    PostMessageW(Edit->Handle(), WM_KEYUP, key, 0xC0000001);
    Pump();
  }
};

}  // namespace

TEST(ComboEdit, TheButtonSitsInsideTheRightEdgeAndTheTextStopsBeforeIt) {
  TComboFixture f;
  const RECT client = f.Edit->ClientRect();
  const RECT button = f.Edit->Button().BoundsRect();
  EXPECT_EQ(button.right, client.right);
  EXPECT_EQ(button.right - button.left, TEditButton::kDefaultWidth);
  RECT text{};
  SendMessageW(f.Edit->Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  EXPECT_LE(text.right, button.left);
}

TEST(ComboEdit, TheButtonAndTheClickKeyClickUnlessReadOnly) {
  TComboFixture f;
  f.ClickButton();
  EXPECT_EQ(f.ButtonClicks, 1);
  f.Edit->SetClickKey(VK_F4);
  f.PressKey(VK_F4);
  EXPECT_EQ(f.ButtonClicks, 2);
  f.Edit->SetReadOnly(true);
  f.ClickButton();
  f.PressKey(VK_F4);
  EXPECT_EQ(f.ButtonClicks, 2);
  // Read-only also keeps the platform edit from taking typed text.
  EXPECT_TRUE(GetWindowLongW(f.Edit->Handle(), GWL_STYLE) & ES_READONLY);
  // The default shortcut is Alt+Down.
  EXPECT_EQ(TCustomComboEdit::kDefaultClickKey, ShortCutOf(VK_DOWN, TShiftState{ssAlt}));
}

TEST(ComboEdit, EnterClicksTheDefaultButtonAndPutsNoLineBreakIntoTheText) {
  TComboFixture f;
  f.Edit->SetText(L"abc");
  SendMessageW(f.Edit->Handle(), EM_SETSEL, 3, 3);
  f.PressKey(VK_RETURN, L'\r');
  EXPECT_EQ(f.DefaultClicks, 1);
  EXPECT_EQ(f.Edit->Text(), L"abc");
}

TEST(ComboEdit, WithoutDirectInputTheTextChangesOnlyFromCode) {
  TComboFixture f;
  f.Edit->SetDirectInput(false);
  PostMessageW(f.Edit->Handle(), WM_CHAR, L'x', 1);
  Pump();
  EXPECT_EQ(f.Edit->Text(), L"");
  f.Edit->SetText(L"C:\\");
  EXPECT_EQ(f.Edit->Text(), L"C:\\");
}
