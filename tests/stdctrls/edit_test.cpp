#include <gtest/gtest.h>

#include <memory>

#include "framework/stdctrls/custom_edit.h"
#include "framework/stdctrls/mask_edit.h"
#include "test_support.h"

namespace {

// An edit on a shown form that counts its change events.
struct TEditFixture {
  std::unique_ptr<TForm> Form{NewForm()};
  TEdit* Edit = nullptr;
  int Changes = 0;
  explicit TEditFixture(TCustomEdit* edit = nullptr) {
    Edit = edit ? static_cast<TEdit*>(edit) : new TEdit(Form.get());
    Edit->SetParent(Form.get());
    Edit->OnChange = [this](TObject*) { ++Changes; };
  }
  void Type(const std::wstring& keys) {
    for (wchar_t key : keys) SendMessageW(Edit->Handle(), WM_CHAR, key, 1);
  }
};

struct TChangeCase {
  const char* What;
  std::function<void(TEditFixture&)> Act;
  std::wstring Text;
  int Changes;
};

TEST(Edit, ChangeEventFiresOncePerRealChange) {
  const std::vector<TChangeCase> cases{
      {"code sets a new text", [](TEditFixture& f) { f.Edit->SetText(L"目录"); }, L"目录", 1},
      {"code sets the same text", [](TEditFixture& f) { f.Edit->SetText(L"目录"); f.Edit->SetText(L"目录"); }, L"目录", 1},
      {"platform message with the same text",
       [](TEditFixture& f) {
         f.Edit->SetText(L"a");
         SendMessageW(f.Edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"a"));
       }, L"a", 1},
      {"typing three characters", [](TEditFixture& f) { f.Type(L"abc"); }, L"abc", 3},
      {"backspace on an empty edit", [](TEditFixture& f) { f.Type(L"\b"); }, L"", 0},
      {"typing then clearing by code", [](TEditFixture& f) { f.Type(L"x"); f.Edit->SetText(L""); }, L"", 2},
      {"replacing the selection", [](TEditFixture& f) {
         f.Edit->SetText(L"abc");
         f.Edit->SelectAll();
         SendMessageW(f.Edit->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"z"));
       }, L"z", 2},
  };
  for (const TChangeCase& c : cases) {
    TEditFixture f;
    c.Act(f);
    EXPECT_EQ(f.Edit->Text(), c.Text) << c.What;
    EXPECT_EQ(f.Changes, c.Changes) << c.What;
  }
}

TEST(Edit, TextSetWithoutAWindowChangesOnceAndSurvivesTheWindow) {
  std::unique_ptr<TForm> form(NewForm());
  auto* edit = new TEdit(form.get());  // no parent yet: no window
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->SetText(L"前缀");
  edit->SetText(L"前缀");
  EXPECT_EQ(changes, 1);
  edit->SetParent(form.get());
  ASSERT_TRUE(edit->HandleAllocated());
  wchar_t buffer[16] = {};
  GetWindowTextW(edit->Handle(), buffer, 16);
  EXPECT_EQ(std::wstring(buffer), L"前缀");
  EXPECT_EQ(changes, 1);  // making the window is no change
  edit->RecreateWnd();
  EXPECT_EQ(edit->Text(), L"前缀");
  EXPECT_EQ(changes, 1);
}

TEST(Edit, LimitsReadOnlyAndPasswordReachThePlatformEdit) {
  TEditFixture f;
  f.Edit->SetMaxLength(3);
  f.Type(L"abcdef");
  EXPECT_EQ(f.Edit->Text(), L"abc");
  f.Edit->SetReadOnly(true);
  f.Type(L"\bq");
  EXPECT_EQ(f.Edit->Text(), L"abc");
  EXPECT_TRUE(GetWindowLongPtrW(f.Edit->Handle(), GWL_STYLE) & ES_READONLY);
  f.Edit->SetPasswordChar(L'*');
  EXPECT_EQ(SendMessageW(f.Edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  f.Edit->RecreateWnd();  // settings outlive the window
  EXPECT_EQ(SendMessageW(f.Edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), L'*');
  EXPECT_EQ(SendMessageW(f.Edit->Handle(), EM_GETLIMITTEXT, 0, 0), 3);
  EXPECT_TRUE(GetWindowLongPtrW(f.Edit->Handle(), GWL_STYLE) & ES_READONLY);
}

TEST(Edit, ColourAndFontColourAnswerTheParentsColourRequest) {
  const TColor cases[][2] = {{clWhite, clBlack}, {0x00FFEE, 0x0000AA}};
  for (const auto& [background, text] : cases) {
    TEditFixture f;
    f.Edit->SetColor(background);
    f.Edit->Font().SetColor(text);
    HDC dc = GetDC(f.Edit->Handle());
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        f.Form->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(f.Edit->Handle())));
    LOGBRUSH info{};
    ASSERT_TRUE(GetObjectW(brush, sizeof(info), &info));
    EXPECT_EQ(info.lbColor, ColorToRGB(background));
    EXPECT_EQ(GetTextColor(dc), ColorToRGB(text));
    EXPECT_EQ(GetBkColor(dc), ColorToRGB(background));
    ReleaseDC(f.Edit->Handle(), dc);
  }
}

TEST(Edit, MaskEditIsAnEditWithItsOwnClass) {
  TEditFixture f(new TMaskEdit(nullptr));  // the form, its parent, deletes it
  wchar_t className[32] = {};
  GetClassNameW(f.Edit->Handle(), className, 32);
  EXPECT_EQ(std::wstring(className), L"TMaskEdit");
  f.Type(L"12");
  EXPECT_EQ(f.Changes, 2);
}

}  // namespace
