#include <gtest/gtest.h>

#include <memory>

#include "framework/graphics/bitmap.h"
#include "framework/stdctrls/custom_edit.h"
#include "framework/stdctrls/label.h"
#include "test_support.h"

namespace {

TEST(Label, AcceleratorCharacters) {
  const std::pair<std::wstring, wchar_t> cases[] = {
      {L"&Name", L'N'}, {L"Fi&le", L'L'}, {L"a&&b", 0}, {L"a&&&b", L'B'}, {L"end&", 0}, {L"目录(&D)", L'D'}};
  for (const auto& [text, accel] : cases) EXPECT_EQ(AccelCharOf(text), accel);
}

TEST(Label, AutoSizeFollowsTheTextAndKeepsARightEdge) {
  std::unique_ptr<TForm> form(NewForm());
  auto* label = new TLabel(form.get());
  label->SetParent(form.get());
  label->SetBounds(10, 10, 200, 40);
  label->SetText(L"选择目录：");
  const int shortWidth = label->Width();
  EXPECT_GT(shortWidth, 20);
  EXPECT_LT(shortWidth, 200);
  EXPECT_GT(label->Height(), 8);
  label->SetText(L"选择目录：选择目录：");
  EXPECT_GT(label->Width(), shortWidth + 20);
  label->SetAlignment(taRightJustify);
  const int right = label->Left() + label->Width();
  label->SetText(L"目录");
  EXPECT_EQ(label->Left() + label->Width(), right);
  label->SetAutoSize(false);
  label->SetText(L"选择目录：选择目录：选择目录：");
  EXPECT_LT(label->Width(), shortWidth);
}

TEST(Label, AcceleratorFocusesTheFocusControl) {
  std::unique_ptr<TForm> form(NewForm());
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  auto* other = new TEdit(form.get());
  other->SetParent(form.get());
  auto* label = new TLabel(form.get());
  label->SetParent(form.get());
  label->SetText(L"前缀(&P)");
  label->SetFocusControl(edit);
  other->SetFocus();
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, L'q'), 0);
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, L'p'), 1);
  EXPECT_EQ(GetFocus(), edit->Handle());
  delete edit;  // the label forgets it
  EXPECT_EQ(label->FocusControl(), nullptr);
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, L'p'), 0);
}

// Columns of the form's client area that hold a reddish pixel (smoothed
// text is not pure red, but its blue and green stay well below its red).
std::vector<bool> RedInkColumns(TForm& form, const RECT& area) {
  HDC dc = GetDC(form.Handle());
  std::vector<bool> columns(static_cast<size_t>(area.right - area.left), false);
  for (int x = area.left; x < area.right; ++x) {
    for (int y = area.top; y < area.bottom; ++y) {
      const COLORREF pixel = GetPixel(dc, x, y);
      if (GetBValue(pixel) + 40 < GetRValue(pixel)) columns[static_cast<size_t>(x - area.left)] = true;
    }
  }
  ReleaseDC(form.Handle(), dc);
  return columns;
}

TEST(Label, PaintsItsTextInTheFontColourWhereTheAlignmentPutsIt) {
  std::unique_ptr<TForm> form(NewForm());
  auto* label = new TLabel(form.get());
  label->SetParent(form.get());
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 200, 20);
  label->Font().SetColor(clRed);
  label->SetText(L"WWW");
  struct TCase {
    TAlignment Alignment;
    bool InkLeft;
    bool InkRight;
  } cases[] = {{taLeftJustify, true, false}, {taRightJustify, false, true}, {taCenter, false, false}};
  for (const TCase& c : cases) {
    label->SetAlignment(c.Alignment);
    form->Repaint();
    const std::vector<bool> ink = RedInkColumns(*form, RECT{10, 10, 210, 30});
    const bool left = std::find(ink.begin(), ink.begin() + 20, true) != ink.begin() + 20;
    const bool right = std::find(ink.end() - 20, ink.end(), true) != ink.end();
    const bool middle = ink[100];
    EXPECT_EQ(left, c.InkLeft) << c.Alignment;
    EXPECT_EQ(right, c.InkRight) << c.Alignment;
    EXPECT_EQ(middle, c.Alignment == taCenter) << c.Alignment;
  }
}

}  // namespace
