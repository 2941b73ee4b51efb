#include <gtest/gtest.h>

#include <memory>

#include "framework/stdctrls/bit_btn.h"
#include "framework/stdctrls/speed_button.h"
#include "test_support.h"

namespace {

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(ButtonGlyph, PlacementOfGlyphAndCaption) {
  const RECT client{0, 0, 100, 40};
  const SIZE glyph{16, 16};
  const SIZE caption{30, 12};
  struct TCase {
    TButtonLayout Layout;
    int Margin;
    int Spacing;
    POINT Glyph;
    RECT Caption;
  } cases[] = {
      // Centred together: 16 + 4 + 30 = 50 wide, starting at 25.
      {blGlyphLeft, -1, 4, {25, 12}, {45, 14, 75, 26}},
      {blGlyphRight, -1, 4, {59, 12}, {25, 14, 55, 26}},
      {blGlyphLeft, 5, 4, {5, 12}, {25, 14, 55, 26}},
      {blGlyphRight, 5, 4, {79, 12}, {45, 14, 75, 26}},
      // Above: 16 + 2 + 12 = 30 high in 40, starting at 5.
      {blGlyphTop, -1, 2, {42, 5}, {35, 23, 65, 35}},
      {blGlyphBottom, -1, 2, {42, 19}, {35, 5, 65, 17}},
      // Caption centred in the room the glyph leaves: (100 - 5 - 16 - 30) / 2 = 24.
      {blGlyphLeft, 5, -1, {5, 12}, {45, 14, 75, 26}},
  };
  for (const TCase& c : cases) {
    const TGlyphPlacement p = PlaceGlyph(client, glyph, caption, c.Layout, c.Margin, c.Spacing);
    EXPECT_EQ(p.Glyph.x, c.Glyph.x) << c.Layout << " " << c.Margin;
    EXPECT_EQ(p.Glyph.y, c.Glyph.y) << c.Layout << " " << c.Margin;
    EXPECT_TRUE(p.Caption == c.Caption) << c.Layout << " " << c.Margin << ": " << p.Caption.left << ","
                                        << p.Caption.top << "," << p.Caption.right << "," << p.Caption.bottom;
  }
}

struct TSpeedFixture {
  std::unique_ptr<TForm> Form{NewForm()};
  TSpeedButton* Buttons[3];
  int Clicks[3] = {};
  TSpeedFixture(int groupIndex, bool allowAllUp) {
    for (int i = 0; i < 3; ++i) {
      Buttons[i] = new TSpeedButton(Form.get());
      Buttons[i]->SetBounds(10 + 30 * i, 10, 23, 22);
      Buttons[i]->SetParent(Form.get());
      Buttons[i]->SetGroupIndex(groupIndex);
      Buttons[i]->SetAllowAllUp(allowAllUp);
      Buttons[i]->OnClick = [this, i](TObject*) { ++Clicks[i]; };
    }
  }
  // A left click on the button, as its parent routes it.
  void ClickOn(int i, bool releaseInside = true) {
    Buttons[i]->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Buttons[i]->Perform(WM_LBUTTONUP, 0, releaseInside ? MAKELPARAM(5, 5) : MAKELPARAM(100, 5));
  }
};

TEST(SpeedButton, GroupsKeepOneButtonDown) {
  struct TCase {
    const char* What;
    int GroupIndex;
    bool AllowAllUp;
    std::vector<int> Clicked;
    bool Down[3];
    int Clicks[3];
  } cases[] = {
      {"no group: nothing stays down", 0, false, {0, 0}, {0, 0, 0}, {2, 0, 0}},
      {"group: the last clicked is down", 1, false, {0, 2}, {0, 0, 1}, {1, 0, 1}},
      {"group: clicking the down one keeps it", 1, false, {1, 1}, {0, 1, 0}, {0, 2, 0}},
      {"all up allowed: clicking the down one lifts it", 1, true, {1, 1}, {0, 0, 0}, {0, 2, 0}},
  };
  for (const TCase& c : cases) {
    TSpeedFixture f(c.GroupIndex, c.AllowAllUp);
    for (int i : c.Clicked) f.ClickOn(i);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(f.Buttons[i]->Down(), c.Down[i]) << c.What << " #" << i;
      EXPECT_EQ(f.Clicks[i], c.Clicks[i]) << c.What << " #" << i;
      EXPECT_EQ(f.Buttons[i]->State(), c.Down[i] ? bsExclusive : bsUp) << c.What << " #" << i;
    }
  }
}

TEST(SpeedButton, ReleasedOutsideIsNoClick) {
  TSpeedFixture f(0, false);
  f.ClickOn(0, false);
  EXPECT_EQ(f.Clicks[0], 0);
  EXPECT_EQ(f.Buttons[0]->State(), bsUp);
  f.Buttons[1]->SetEnabled(false);
  EXPECT_EQ(f.Buttons[1]->State(), bsDisabled);
}

TEST(BitBtn, KindsGiveCaptionRoleAndModalResult) {
  std::unique_ptr<TForm> form(NewForm());
  auto* ok = new TBitBtn(form.get());
  ok->SetParent(form.get());
  ok->SetKind(bkOK);
  auto* cancel = new TBitBtn(form.get());
  cancel->SetParent(form.get());
  cancel->SetKind(bkCancel);
  EXPECT_EQ(ok->Caption(), L"OK");
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(cancel->Caption(), L"Cancel");
  EXPECT_TRUE(cancel->Cancel());
  EXPECT_EQ(GetWindowLongPtrW(ok->Handle(), GWL_STYLE) & 0xF, BS_OWNERDRAW);  // default keeps owner drawing
  form->Perform(CM_DIALOGKEY, VK_ESCAPE, 0);
  EXPECT_EQ(form->ModalResult(), mrCancel);
  SendMessageW(ok->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form->ModalResult(), mrOk);
}

// Column (in button coordinates) of the leftmost pixel of the colour, or -1.
int ColumnOf(TWinControl& button, COLORREF colour) {
  HDC dc = GetDC(button.Handle());
  int found = -1;
  for (int x = 0; x < button.Width() && found < 0; ++x) {
    for (int y = 0; y < button.Height(); ++y) {
      if (GetPixel(dc, x, y) == colour) {
        found = x;
        break;
      }
    }
  }
  ReleaseDC(button.Handle(), dc);
  return found;
}

TEST(BitBtn, GlyphIsDrawnWhereTheLayoutPutsItWithoutItsTransparentColour) {
  std::unique_ptr<TForm> form(NewForm());
  auto* button = new TBitBtn(form.get());
  button->SetBounds(10, 10, 120, 30);
  button->SetParent(form.get());
  button->SetCaption(L"确定");
  // Two pictures of 8x8: blue with a green corner (the transparent colour), then red.
  TBitmap& glyph = button->Glyph();
  glyph.SetSize(16, 8);
  glyph.Canvas().Brush().SetColor(clBlue);
  glyph.Canvas().FillRect(RECT{0, 0, 8, 8});
  glyph.Canvas().Brush().SetColor(clRed);
  glyph.Canvas().FillRect(RECT{8, 0, 16, 8});
  glyph.Canvas().SetPixel(0, 7, clLime);
  button->SetNumGlyphs(2);
  const TButtonLayout layouts[] = {blGlyphLeft, blGlyphRight};
  int columns[2] = {};
  for (int i = 0; i < 2; ++i) {
    button->SetLayout(layouts[i]);
    button->Repaint();
    columns[i] = ColumnOf(*button, RGB(0, 0, 255));
    EXPECT_GE(columns[i], 0) << i;
  }
  EXPECT_LT(columns[0], 60);
  EXPECT_GT(columns[1], 60);
  // The transparent corner shows the face, not green; the second picture is for disabled.
  EXPECT_EQ(ColumnOf(*button, RGB(0, 255, 0)), -1);
  EXPECT_EQ(ColumnOf(*button, RGB(255, 0, 0)), -1);
  button->SetEnabled(false);
  button->Repaint();
  EXPECT_GE(ColumnOf(*button, RGB(255, 0, 0)), 0);
}

}  // namespace
