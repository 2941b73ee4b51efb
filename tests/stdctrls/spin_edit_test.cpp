#include <gtest/gtest.h>

#include <memory>

#include "framework/stdctrls/spin_button.h"
#include "framework/stdctrls/spin_edit.h"
#include "test_support.h"

namespace {

struct TSpinFixture {
  std::unique_ptr<TForm> Form{NewForm()};
  TSpinEdit* Spin = new TSpinEdit(Form.get());
  int Changes = 0;
  TSpinFixture(int minValue = 0, int maxValue = 0) {
    Spin->SetParent(Form.get());
    Spin->SetMinValue(minValue);
    Spin->SetMaxValue(maxValue);
    Spin->OnChange = [this](TObject*) { ++Changes; };
  }
  // Presses a half of the arrow buttons (0 up, 1 down) with the left button.
  void Press(int half) {
    TSpinButton& button = Spin->Button();
    const int y = half == 0 ? 1 : button.Height() - 2;
    SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, y));
  }
  void Tick() { SendMessageW(Spin->Button().Handle(), WM_TIMER, 1, 0); }
  void Release() { SendMessageW(Spin->Button().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2)); }
};

TEST(SpinEdit, ValueIsReadFromTheText) {
  struct TCase {
    std::wstring Text;
    int MinValue;
    int MaxValue;
    int Value;
  } cases[] = {
      {L"", 5, 10, 0},             // empty reads as 0, even below the minimum
      {L"7", 0, 0, 7},
      {L"-42", 0, 0, -42},
      {L"+3", 0, 0, 3},
      {L"abc", 5, 10, 5},          // not a number: the minimum
      {L"1.5", -2, 10, -2},
      {L"12a", 0, 0, 0},
      {L"-", 3, 0, 3},
      {L"2147483647", 0, 0, 2147483647},
      {L"2147483648", 1, 0, 1},    // out of range of int: not a whole number
      {L"-2147483648", 0, 0, -2147483647 - 1},
  };
  for (const TCase& c : cases) {
    TSpinFixture f(c.MinValue, c.MaxValue);
    f.Spin->SetText(c.Text);
    EXPECT_EQ(f.Spin->Value(), c.Value) << "text \"" << std::string(c.Text.begin(), c.Text.end()) << "\"";
  }
}

TEST(SpinEdit, WrittenValuesAreLimitedUnlessBothLimitsAreZero) {
  struct TCase {
    int MinValue;
    int MaxValue;
    int Written;
    std::wstring Text;
  } cases[] = {
      {0, 0, -1000000, L"-1000000"}, {0, 0, 1000000, L"1000000"}, {1, 0, 0, L"1"},
      {1, 0, 1000000, L"1000000"},   {2, 9, 10, L"9"},            {2, 9, -4, L"2"},
      {-5, 5, -3, L"-3"},
  };
  for (const TCase& c : cases) {
    TSpinFixture f(c.MinValue, c.MaxValue);
    f.Spin->SetValue(c.Written);
    EXPECT_EQ(f.Spin->Text(), c.Text) << c.MinValue << ".." << c.MaxValue << " " << c.Written;
  }
}

TEST(SpinEdit, ArrowsStepAtOnceThenRepeatAfterTheFirstDelay) {
  TSpinFixture f;
  f.Spin->SetIncrement(5);
  f.Spin->SetValue(1);
  f.Changes = 0;
  f.Press(0);
  EXPECT_EQ(f.Spin->Value(), 6);  // the press steps once
  EXPECT_EQ(f.Spin->Button().RepeatInterval(), TSpinButton::kFirstRepeatMs);
  for (int i = 0; i < 4; ++i) f.Tick();
  EXPECT_EQ(f.Spin->Value(), 26);  // one step per timer tick
  EXPECT_EQ(f.Spin->Button().RepeatInterval(), TSpinButton::kRepeatMs);
  EXPECT_EQ(f.Changes, 5);
  // Moved off the pressed arrow, ticks do not step; back on, they do.
  SendMessageW(f.Spin->Button().Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 200));
  f.Tick();
  EXPECT_EQ(f.Spin->Value(), 26);
  SendMessageW(f.Spin->Button().Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 1));
  f.Tick();
  EXPECT_EQ(f.Spin->Value(), 31);
  f.Release();
  EXPECT_EQ(f.Spin->Button().RepeatInterval(), 0u);
  f.Tick();
  EXPECT_EQ(f.Spin->Value(), 31);  // released: no more steps
  f.Press(1);
  f.Tick();
  f.Release();
  EXPECT_EQ(f.Spin->Value(), 21);
}

TEST(SpinEdit, UpAndDownKeysStepWithinTheLimits) {
  TSpinFixture f(0, 2);
  f.Spin->SetValue(1);
  const std::pair<WPARAM, int> steps[] = {{VK_UP, 2}, {VK_UP, 2}, {VK_DOWN, 1}, {VK_DOWN, 0}, {VK_DOWN, 0}};
  for (const auto& [key, value] : steps) {
    SendMessageW(f.Spin->Handle(), WM_KEYDOWN, key, 1);
    EXPECT_EQ(f.Spin->Value(), value);
  }
}

TEST(SpinEdit, TypedCharactersAreFiltered) {
  struct TCase {
    int MinValue;
    std::wstring Keys;
    std::wstring Text;
  } cases[] = {
      {0, L"12x3", L"123"}, {0, L"-5", L"-5"}, {5, L"-5", L"5"}, {0, L"4-", L"4"}, {0, L"7\b8", L"8"},
  };
  for (const TCase& c : cases) {
    TSpinFixture f(c.MinValue, 0);
    for (wchar_t key : c.Keys) SendMessageW(f.Spin->Handle(), WM_CHAR, key, 1);
    EXPECT_EQ(f.Spin->Text(), c.Text);
  }
}

TEST(SpinEdit, LeavingWithAnInvalidTextShowsItsValue) {
  TSpinFixture f(0, 0);
  f.Spin->SetText(L"-");
  f.Spin->Perform(CM_EXIT);
  EXPECT_EQ(f.Spin->Text(), L"0");
  f.Spin->SetText(L"");
  f.Spin->Perform(CM_EXIT);
  EXPECT_EQ(f.Spin->Text(), L"");  // empty stays empty: it reads as 0 already
}

}  // namespace
