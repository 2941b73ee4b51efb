#include <gtest/gtest.h>

#include <memory>

#include "framework/stdctrls/scroll_box.h"
#include "test_support.h"

namespace {

struct TBarState {
  bool Visible;
  int Max;
  int Page;
  int Pos;
};

TBarState Bar(TScrollBox& box, int bar) {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(box.Handle(), bar, &info);
  const LONG_PTR style = GetWindowLongPtrW(box.Handle(), GWL_STYLE);
  const bool visible = (style & (bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
  return TBarState{visible, info.nMax, static_cast<int>(info.nPage), info.nPos};
}

struct TBoxFixture {
  std::unique_ptr<TForm> Form{NewForm(300, 300)};
  TScrollBox* Box = new TScrollBox(Form.get());
  TTestShape* Far = new TTestShape(Form.get());
  TTestButton* Button = new TTestButton(Form.get());
  TBoxFixture() {
    Box->SetBorderSingle(false);
    Box->SetBounds(0, 0, 200, 150);
    Box->SetParent(Form.get());
    Button->SetBounds(10, 10, 75, 25);
    Button->SetParent(Box);
    Far->SetBounds(10, 10, 20, 20);
    Far->SetParent(Box);
  }
};

TEST(ScrollBox, BarsAppearOnlyWhenTheChildrenDoNotFit) {
  TBoxFixture f;
  EXPECT_FALSE(Bar(*f.Box, SB_VERT).Visible);
  EXPECT_FALSE(Bar(*f.Box, SB_HORZ).Visible);
  f.Far->SetBounds(10, 400, 20, 20);  // below: a vertical bar
  const TBarState vert = Bar(*f.Box, SB_VERT);
  EXPECT_TRUE(vert.Visible);
  EXPECT_EQ(vert.Max, 419);
  EXPECT_EQ(vert.Page, f.Box->ClientHeight());
  EXPECT_FALSE(Bar(*f.Box, SB_HORZ).Visible);
  f.Button->SetBounds(500, 10, 75, 25);  // a windowed child to the right: a horizontal bar
  EXPECT_TRUE(Bar(*f.Box, SB_HORZ).Visible);
  EXPECT_EQ(Bar(*f.Box, SB_HORZ).Max, 574);
  f.Far->SetBounds(10, 10, 20, 20);
  f.Button->SetBounds(10, 10, 75, 25);
  EXPECT_FALSE(Bar(*f.Box, SB_VERT).Visible);
  EXPECT_FALSE(Bar(*f.Box, SB_HORZ).Visible);
}

TEST(ScrollBox, ScrollingMovesEveryChild) {
  TBoxFixture f;
  f.Far->SetBounds(10, 400, 20, 20);
  const int maxPosition = 420 - f.Box->ClientHeight();
  struct TCase {
    WORD Code;
    int Position;
  } cases[] = {{SB_LINEDOWN, 8}, {SB_LINEDOWN, 16}, {SB_LINEUP, 8}, {SB_BOTTOM, maxPosition},
               {SB_LINEDOWN, maxPosition}, {SB_TOP, 0}, {SB_LINEUP, 0}, {SB_PAGEDOWN, f.Box->ClientHeight()}};
  for (const TCase& c : cases) {
    SendMessageW(f.Box->Handle(), WM_VSCROLL, MAKEWPARAM(c.Code, 0), 0);
    EXPECT_EQ(f.Box->VertPosition(), c.Position) << c.Code;
    EXPECT_EQ(Bar(*f.Box, SB_VERT).Pos, c.Position) << c.Code;
    EXPECT_EQ(f.Far->Top(), 400 - c.Position) << c.Code;
    EXPECT_EQ(f.Button->Top(), 10 - c.Position) << c.Code;
    RECT window{};
    GetWindowRect(f.Button->Handle(), &window);
    MapWindowPoints(nullptr, f.Box->Handle(), reinterpret_cast<POINT*>(&window), 2);
    EXPECT_EQ(window.top, 10 - c.Position) << c.Code;
  }
}

TEST(ScrollBox, ARangeThatShrinksPullsTheChildrenBack) {
  TBoxFixture f;
  f.Far->SetBounds(10, 400, 20, 20);
  SendMessageW(f.Box->Handle(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
  ASSERT_GT(f.Box->VertPosition(), 0);
  f.Far->Hide();
  EXPECT_EQ(f.Box->VertPosition(), 0);
  EXPECT_EQ(f.Button->Top(), 10);
  EXPECT_FALSE(Bar(*f.Box, SB_VERT).Visible);
}

}  // namespace
