// The skinned spin edit and combo edit under Wine: the value rules through
// real keys, pastes and focus changes; the arrows' auto-repeat counted in
// timer steps; saturation at the ends of the int range; a stored Value shown
// after loading; the arrows' drawn glyph; the combo edit's Enter, Alt+Down
// and read-only behaviour with a popup window.
#include "skin/controls/spin_edit.h"

#include <gtest/gtest.h>

#include <climits>

#include "framework/application/application.h"
#include "framework/stdctrls/button.h"
#include "kit_skin_fixture.h"
#include "skin/controls/combo_edit.h"
#include "skin/controls/edit_classes.h"

namespace {

void Paste(HWND window, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(window));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  SendMessageW(window, WM_PASTE, 0, 0);
}

class SpinEditTest : public KitSkinTest {
 protected:
  void SetUp() override {
    KitSkinTest::SetUp();
    form->Show();
    other = Make<TEdit>(form, L"Other");
    other->SetBounds(200, 150, 80, 21);
    other->SetFocus();
    SetAnimationsSuppressed(true);
  }
  void TearDown() override {
    SetAnimationsSuppressed(false);
    KitSkinTest::TearDown();
  }
  TsSpinEdit* Spin(TsSkinManager* skin = nullptr) {
    auto* spin = Make<TsSpinEdit>(form, L"Spin");
    spin->SkinData.SetSkinManager(skin ? skin : manager.get());
    spin->SkinData.SetSkinSection("EDIT");
    spin->SetBounds(20, 20, 87, 21);
    SendSkinCommand(spin->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(spin->SkinData.SkinManager()));
    Pump(20);
    return spin;
  }
  TEdit* other = nullptr;
};

TEST_F(SpinEditTest, ValueRulesForKeysPastesAndLeaving) {
  enum TAction { kKey, kPaste, kLeave };
  const struct {
    const char* what;
    int minValue, maxValue;
    bool allowNegative;
    const wchar_t* text;
    int selStart, selLength;
    TAction action;
    const wchar_t* input;
    const wchar_t* result;
  } cases[] = {
      {"minus at the start, min 0", 0, 0, true, L"12", 0, 0, kKey, L"-", L"-12"},
      {"minus in the middle", 0, 0, true, L"12", 1, 0, kKey, L"-", L"12"},
      {"minus at the start, min 5", 5, 0, true, L"12", 0, 0, kKey, L"-", L"12"},
      {"minus without negatives", 0, 0, false, L"12", 0, 0, kKey, L"-", L"12"},
      {"minus over the minus", 0, 0, true, L"-12", 0, 1, kKey, L"-", L"-12"},
      {"minus before a minus", 0, 0, true, L"-12", 0, 0, kKey, L"-", L"-12"},
      {"digit", 0, 0, true, L"12", 2, 0, kKey, L"3", L"123"},
      {"letter", 0, 0, true, L"12", 2, 0, kKey, L"x", L"12"},
      {"paste of digits", 0, 0, true, L"12", 2, 0, kPaste, L"34", L"1234"},
      {"paste of a non-number is undone", 0, 0, true, L"12", 2, 0, kPaste, L"3a", L"12"},
      {"paste of a second minus is undone", 0, 0, true, L"-1", 0, 0, kPaste, L"-", L"-1"},
      {"leaving with a lone minus", 0, 0, true, L"-", 1, 0, kLeave, L"", L"0"},
      {"leaving with minus zero", 0, 0, true, L"-0", 2, 0, kLeave, L"", L"0"},
      {"leaving below the minimum", 5, 9, true, L"2", 1, 0, kLeave, L"", L"5"},
      {"leaving above the maximum", 5, 9, true, L"12", 1, 0, kLeave, L"", L"9"},
      {"leaving empty under a minimum", 3, 0, true, L"", 0, 0, kLeave, L"", L"3"},
      {"leaving a large value without upper limit", 1, 0, true, L"1000000", 0, 0, kLeave, L"", L"1000000"},
  };
  for (const auto& c : cases) {
    TsSpinEdit* spin = Spin();
    spin->SetMinValue(c.minValue);
    spin->SetMaxValue(c.maxValue);
    spin->SetAllowNegative(c.allowNegative);
    spin->SetFocus();
    spin->SetText(c.text);
    SendMessageW(spin->Handle(), EM_SETSEL, c.selStart, c.selStart + c.selLength);
    if (c.action == kKey) SendMessageW(spin->Handle(), WM_CHAR, c.input[0], 1);
    if (c.action == kPaste) Paste(spin->Handle(), c.input);
    if (c.action == kLeave) other->SetFocus();
    Pump(5);
    EXPECT_EQ(spin->Text(), c.result) << c.what;
    other->SetFocus();
    delete spin;
  }
}

TEST_F(SpinEditTest, HeldArrowStepsOnEachTimerStepAndOnceOnRelease) {
  TsSpinEdit* spin = Spin();
  spin->SetValue(0);
  TsSpinButton& arrows = spin->Button();
  const LPARAM up = MAKELPARAM(arrows.Width() / 2, 2);
  const LPARAM down = MAKELPARAM(arrows.Width() / 2, arrows.Height() - 2);
  const LPARAM outside = MAKELPARAM(arrows.Width() / 2, 300);

  SendMessageW(arrows.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, up);
  EXPECT_EQ(spin->Value(), 0) << "a press alone does not step";
  TTimer* timer = arrows.UpButton().RepeatTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), TsTimerSpeedButton::kInitRepeatPause);
  EXPECT_TRUE(spin->Focused()) << "the press focuses the edit";
  ASSERT_TRUE(PumpUntil([&] { return spin->Value() == 1; }, 3000)) << "the real timer steps";
  EXPECT_EQ(timer->Interval(), TsTimerSpeedButton::kRepeatPause);
  timer->SetEnabled(false);  // the rest counted by hand
  timer->OnTimer(timer);
  timer->OnTimer(timer);
  EXPECT_EQ(spin->Value(), 3);
  SendMessageW(arrows.Handle(), WM_LBUTTONUP, 0, up);
  EXPECT_EQ(spin->Value(), 4) << "the release over the arrow steps once more";
  EXPECT_FALSE(timer->Enabled());
  timer->OnTimer(timer);
  EXPECT_EQ(spin->Value(), 4) << "no steps without the capture";

  SendMessageW(arrows.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, down);
  SendMessageW(arrows.Handle(), WM_LBUTTONUP, 0, down);
  EXPECT_EQ(spin->Value(), 3) << "a quick click steps exactly once";

  SendMessageW(arrows.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, down);
  arrows.DownButton().RepeatTimer()->OnTimer(arrows.DownButton().RepeatTimer());
  SendMessageW(arrows.Handle(), WM_LBUTTONUP, 0, outside);
  EXPECT_EQ(spin->Value(), 2) << "released away from the arrow: only the timer's step";
}

TEST_F(SpinEditTest, SteppingPastTheEndsOfTheIntRangeSaturates) {
  TsSpinEdit* spin = Spin();
  const struct {
    int start;
    int direction;  // 1 up, -1 down
    bool wheel;
    int result;
  } cases[] = {{INT_MAX, 1, false, INT_MAX}, {INT_MAX - 1, 1, true, INT_MAX},
               {INT_MIN, -1, false, INT_MIN}, {INT_MIN + 1, -1, true, INT_MIN}};
  for (const auto& c : cases) {
    spin->SetValue(c.start);
    if (c.wheel) {
      SendMessageW(spin->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, c.direction * 3 * WHEEL_DELTA), 0);
    } else if (c.direction > 0) {
      spin->UpClick();
    } else {
      spin->DownClick();
    }
    EXPECT_EQ(spin->Value(), c.result) << c.start;
    EXPECT_EQ(spin->Text(), std::to_wstring(c.result));
  }
}

TEST_F(SpinEditTest, AStoredValueShowsInTheTextAfterLoading) {
  RegisterSkinnedEditClasses();
  const TLayout layout{L"TForm", L"", {},
                       {{L"TsSpinEdit", L"ED_numstart", L"",
                         {{L"MinValue", int64_t{0}}, {L"MaxValue", int64_t{0}}, {L"Value", int64_t{1}}}},
                        {L"TsSpinEdit", L"limitsLater", L"", {{L"Value", int64_t{0}}, {L"MinValue", int64_t{4}}}}}};
  std::unique_ptr<TForm> loaded(new TForm(Application));
  loaded->ReadLayout(layout);
  auto* first = dynamic_cast<TsSpinEdit*>(loaded->FindComponent(L"ED_numstart"));
  auto* later = dynamic_cast<TsSpinEdit*>(loaded->FindComponent(L"limitsLater"));
  ASSERT_TRUE(first && later);
  EXPECT_EQ(first->Text(), L"1");
  EXPECT_EQ(first->Value(), 1);
  EXPECT_EQ(later->Text(), L"4") << "limits stored after the value apply to it";
}

TEST_F(SpinEditTest, ArrowsDrawTheirTriangleInTheEditsFontColour) {
  TsSkinManager air(nullptr);
  ASSERT_TRUE(LoadSkin(air, SkinsFolder(), L"Air"));
  TsSpinEdit* spin = Spin(&air);
  TsTimerSpeedButton& up = spin->Button().UpButton();
  ASSERT_TRUE(up.SkinData.Skinned());
  ASSERT_TRUE(up.PrepareCache());
  const TColor font = static_cast<TColor>(spin->SkinData.Section()->Props[0].FontColor.Color);
  const int x0 = (up.Width() - 9) / 2, y0 = (up.Height() - 5) / 2;
  EXPECT_EQ(CachedPixel(up.SkinData, x0 + 4, y0 + 2), ColorToRGB(font)) << "inside the triangle";
  EXPECT_NE(CachedPixel(up.SkinData, x0 + 1, y0 + 1), ColorToRGB(font)) << "beside its apex";

  // Disabled, the arrow window goes and the edit's cache shows the arrows, blended.
  spin->SetEnabled(false);
  Pump(20);
  EXPECT_FALSE(spin->Button().Visible());
  RedrawWindow(spin->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
  const int b = spin->Skin().BorderWidth();
  const int x = b + spin->Button().Left() + x0 + 4, y = b + spin->Button().Top() + y0 + 2;
  HDC dc = GetWindowDC(spin->Handle());
  const COLORREF inside = GetPixel(dc, x, y), beside = GetPixel(dc, x - 3, y - 1);
  ReleaseDC(spin->Handle(), dc);
  EXPECT_EQ(inside, CachedPixel(spin->SkinData, x, y));
  EXPECT_NE(inside, beside) << "the triangle is in the disabled picture";
  delete spin;
}

// ---------------------------------------------------------------- combo edit

class ComboEditTest : public SpinEditTest {
 protected:
  void SetUp() override {
    SpinEditTest::SetUp();
    combo = Make<TsCustomComboEdit>(form, L"Combo");
    combo->SkinData.SetSkinManager(manager.get());
    combo->SetBounds(20, 20, 200, 21);
    combo->OnButtonClick = [this](TObject*) { ++clicks; };
    defaultButton = Make<TButton>(form, L"Default");
    defaultButton->SetBounds(20, 80, 75, 25);
    defaultButton->SetDefault(true);
    defaultButton->OnClick = [this](TObject*) { ++defaults; };
    popup = new TForm(Application);
    popup->SetBorderStyle(bsNone);
    combo->SetPopupWindow(popup);
    SendSkinCommand(combo->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(manager.get()));
    combo->SetFocus();
    Pump(20);
  }
  void TearDown() override {
    delete popup;
    SpinEditTest::TearDown();
  }
  void AltDown() {
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE alt = keys[VK_MENU];
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(combo->Handle(), WM_SYSKEYDOWN, VK_DOWN, 1 | (1 << 29));
    keys[VK_MENU] = alt;
    SetKeyboardState(keys);
    Pump(10);
  }
  TsCustomComboEdit* combo = nullptr;
  TButton* defaultButton = nullptr;
  TForm* popup = nullptr;
  int clicks = 0, defaults = 0;
};

TEST_F(ComboEditTest, EnterClicksTheDefaultButtonWithoutALineBreak) {
  combo->SetText(L"abc");
  SendMessageW(combo->Handle(), EM_SETSEL, 3, 3);
  PostMessageW(combo->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(combo->Handle(), WM_CHAR, L'\r', 1);
  PostMessageW(combo->Handle(), WM_KEYUP, VK_RETURN, 0xC0000001);
  Pump(20);
  EXPECT_EQ(defaults, 1);
  EXPECT_EQ(combo->Text(), L"abc");
}

TEST_F(ComboEditTest, AltDownIsTheButtonsActionAndReadOnlyBlocksIt) {
  AltDown();
  EXPECT_EQ(clicks, 1);
  ASSERT_TRUE(combo->PopupShowing());
  RECT edit{}, shown{};
  GetWindowRect(combo->Handle(), &edit);
  GetWindowRect(popup->Handle(), &shown);
  EXPECT_EQ(shown.top, edit.bottom) << "below the edit";
  EXPECT_EQ(shown.right - shown.left, TsCustomComboEdit::kDefaultPopupWidth);
  AltDown();
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(combo->PopupShowing()) << "the second press closes it";

  combo->SetReadOnly(true);
  AltDown();
  const RECT button = combo->Button().BoundsRect();
  const LPARAM middle = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  SendMessageW(combo->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
  SendMessageW(combo->Handle(), WM_LBUTTONUP, 0, middle);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(combo->PopupShowing());
}

}  // namespace
