// Bevels of windowed controls: the room they take from the client area on
// the chosen edges, and their lines outside the scroll bars.
#include <gtest/gtest.h>

#include <memory>

#include "framework/stdctrls/list_view.h"
#include "test_support.h"

namespace {

// The client area's distance from each edge of the window.
RECT ClientInset(HWND window) {
  RECT bounds{}, client{};
  GetWindowRect(window, &bounds);
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return RECT{client.left - bounds.left, client.top - bounds.top, bounds.right - client.right,
              bounds.bottom - client.bottom};
}

COLORREF WindowPixel(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

// A report list of `rows` rows on the form.
TListView* NewList(TForm& form, int rows) {
  auto* list = new TListView(&form);
  list->SetParent(&form);
  list->SetViewStyle(vsReport);
  list->SetBounds(10, 10, 300, 200);
  list->Columns().Add().SetWidth(100);
  for (int i = 0; i < rows; ++i) list->Items().Add().SetCaption(std::to_wstring(i));
  return list;
}

TEST(Bevel, TakesRoomOnTheChosenEdgesOnly) {
  std::unique_ptr<TForm> form{NewForm(500, 400)};
  TListView* list = NewList(*form, 0);
  HWND window = list->Handle();
  const RECT plain = ClientInset(window);
  const TBevelEdges all{beLeft, beTop, beRight, beBottom};
  const struct {
    const char* What;
    TBevelKind Kind;
    TBevelCut Inner, Outer;
    TBevelEdges Edges;
    int Width;
    RECT More;  // room taken on left, top, right, bottom
  } cases[] = {
      {"no kind", bkNone, bvRaised, bvLowered, all, 1, {0, 0, 0, 0}},
      {"two cuts", bkTile, bvRaised, bvLowered, all, 1, {2, 2, 2, 2}},
      {"flat, outer only", bkFlat, bvNone, bvLowered, all, 1, {1, 1, 1, 1}},
      {"left and top", bkSoft, bvRaised, bvLowered, TBevelEdges{beLeft, beTop}, 1, {2, 2, 0, 0}},
      {"two pixels a cut", bkTile, bvRaised, bvSpace, all, 2, {4, 4, 4, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    list->SetBevelInner(c.Inner);
    list->SetBevelOuter(c.Outer);
    list->SetBevelEdges(c.Edges);
    list->SetBevelWidth(c.Width);
    list->SetBevelKind(c.Kind);
    const RECT inset = ClientInset(window);
    EXPECT_EQ(inset.left - plain.left, c.More.left);
    EXPECT_EQ(inset.top - plain.top, c.More.top);
    EXPECT_EQ(inset.right - plain.right, c.More.right);
    EXPECT_EQ(inset.bottom - plain.bottom, c.More.bottom);
    list->SetBevelKind(bkNone);
    const RECT back = ClientInset(window);
    EXPECT_TRUE(EqualRect(&back, &plain)) << "no kind, no room";
  }
}

TEST(Bevel, ALoweredOuterCutLiesOutsideTheScrollBars) {
  std::unique_ptr<TForm> form{NewForm(500, 400)};
  TListView* list = NewList(*form, 50);
  HWND window = list->Handle();
  ASSERT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_VSCROLL);
  const RECT plain = ClientInset(window);
  list->SetBevelInner(bvNone);
  list->SetBevelOuter(bvLowered);
  list->SetBevelKind(bkTile);
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  // The line sits where the client area (and its bar) began before: a sunken
  // line is shadow above and left, highlight below and right.
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int right = bounds.right - bounds.left - plain.right + GetSystemMetrics(SM_CXVSCROLL);
  const int bottom = bounds.bottom - bounds.top - plain.bottom;
  const int middleY = (bounds.bottom - bounds.top) / 2;
  EXPECT_EQ(WindowPixel(window, plain.left, middleY), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(WindowPixel(window, 40, plain.top), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(WindowPixel(window, right - 1, middleY), GetSysColor(COLOR_BTNHIGHLIGHT)) << "right of the bar";
  EXPECT_EQ(WindowPixel(window, 40, bottom - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  // The bar moved in by the line: it still answers where it is drawn.
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetScrollBarInfo(window, OBJID_VSCROLL, &info));
  EXPECT_EQ(info.rcScrollBar.right, bounds.left + right - 1);
}

}  // namespace
