// TsListView under Wine, in Air and in the kit skin (no SELECTION, no
// COLHEADER): header states and sort arrows, selection pixels by focus, the
// hot row and idleness, thumb drags, skin off and on, cell texts.
#include "skin/controls/list_view.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/controls/header_layout.h"
#include "core/paint/fill.h"
#include "core/paint/image_part.h"
#include "kit_skin_fixture.h"
#include "window_pictures.h"
#include "skin/controls/tree_view.h"
#include "skin/core/window_snapshot.h"
#include "skin/paint/skinned_text.h"

namespace {

COLORREF PixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

// Pixels of a rect that differ between two pictures of one window.
int DifferingIn(TBitmap& a, TBitmap& b, const RECT& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      n += (a.Image().Row32(y)[x] & 0xFFFFFF) != (b.Image().Row32(y)[x] & 0xFFFFFF);
    }
  }
  return n;
}

void RepaintAll(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

class ListViewTest : public KitSkinTest {
 protected:
  void SetUp() override {
    KitSkinTest::SetUp();
    form->SetBounds(0, 0, 700, 560);
    Pump(20);
  }
  void UseAir() { ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air")); }
  // A report list of `rows` rows the program keeps (as the plan list does).
  TsListView* NewList(int rows, bool rowSelect = true, TViewStyle style = vsReport) {
    auto* list = Make<TsListView>(form, L"List");
    list->SkinData.SetSkinManager(manager.get());
    list->SkinData.SetSkinSection("EDIT");
    list->SetViewStyle(style);
    list->SetRowSelect(rowSelect);
    list->SetBounds(10, 10, 420, 300);
    const wchar_t* captions[] = {L"No.", L"原文件名", L"改名后"};
    const int widths[] = {60, 150, 150};
    for (int i = 0; i < 3; ++i) {
      TListColumn& column = list->Columns().Add();
      column.SetCaption(captions[i]);
      column.SetWidth(widths[i]);
    }
    list->SetOwnerData(true);
    list->OnData = [](int row, int column, std::wstring& text) {
      text = column == 0 ? std::to_wstring(row + 1) : column == 1 ? L"文件" + std::to_wstring(row) : L"新" + std::to_wstring(row);
    };
    list->SetDataCount(rows);
    list->Perform(SKM_COMMAND, SkinCommandWParam(SKC_REFRESH), reinterpret_cast<LPARAM>(manager.get()));
    Pump(30);
    RepaintAll(list->Handle());
    return list;
  }
  static RECT RowRect(TsListView& list, int index) {
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(list.Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  static RECT SectionRect(TsListView& list, int column) {
    RECT r{};
    SendMessageW(list.HeaderHandle(), HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&r));
    return r;
  }
  static void RepaintHeader(TsListView& list) {
    RedrawWindow(list.HeaderHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
};

TEST_F(ListViewTest, OnlyTheHoveredColumnLightsAPressedOneShowsPressedADividerPressNone) {
  UseAir();
  TsListView* list = NewList(20);
  HWND header = list->HeaderHandle();
  ASSERT_NE(header, nullptr);
  TakeFocusAway(*form, 500, 400);
  RECT whole{};
  GetClientRect(header, &whole);
  RepaintHeader(*list);
  auto plain = GrabRect(header, whole);
  const auto inside = [&](int column) {
    const RECT r = SectionRect(*list, column);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  };
  const auto screen = [&](POINT p) {
    ::ClientToScreen(header, &p);
    return MAKELPARAM(p.x, p.y);
  };
  enum Action { Hover, Press, PressDivider };
  const struct {
    const char* what;
    Action action;
    int column;
    int lit;  // the one section that differs from the plain header, -1 none
  } cases[] = {
      {"hovering column 1", Hover, 1, 1},
      {"hovering column 2", Hover, 2, 2},
      {"pressing column 0", Press, 0, 0},
      {"pressing the divider after column 0", PressDivider, 0, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    POINT at = inside(c.column);
    if (c.action == PressDivider) at.x = SectionRect(*list, c.column).right - 1;
    if (c.action == Hover) {
      SendMessageW(header, WM_NCHITTEST, 0, screen(at));
      EXPECT_EQ(list->HoverColIndex, c.column);
    } else {
      SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
      EXPECT_EQ(list->PressedColumn(), c.lit);
    }
    RepaintHeader(*list);
    auto now = GrabRect(header, whole);
    for (int column = 0; column < 3; ++column) {
      const int differing = DifferingIn(*plain, *now, SectionRect(*list, column));
      if (column == c.lit) {
        EXPECT_GT(differing, 0) << "column " << column << " lights";
      } else {
        EXPECT_EQ(differing, 0) << "column " << column << " stays plain";
      }
    }
    if (c.action != Hover) SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(header, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(list->PressedColumn(), -1);
    EXPECT_EQ(list->HoverColIndex, -2);
  }
  delete list;
}

TEST_F(ListViewTest, ASortArrowSitsRightOfTheCaption) {
  UseAir();
  TsListView* list = NewList(5);
  HWND header = list->HeaderHandle();
  TakeFocusAway(*form, 500, 400);
  const RECT section = SectionRect(*list, 1);
  RepaintHeader(*list);
  auto before = GrabRect(header, section);
  list->SetSortArrow(1, saDescending);
  RepaintHeader(*list);
  auto after = GrabRect(header, section);
  // Where the layout puts the arrow for this caption.
  const int mask = manager->GetMaskIndex("SCROLLBTNBOTTOM", "GLYPHMASK");
  ASSERT_TRUE(manager->IsValidImgIndex(mask));
  const auto& glyph = manager->ma[static_cast<size_t>(mask)];
  TBitmap measure(1, 1, pf32bit);
  measure.Canvas().Font().Assign(list->Font());
  zelvan::controls::THeaderSectionInput in;
  in.Width = section.right - section.left;
  in.Height = section.bottom - section.top;
  in.TextWidth = TextSizeOnDC(measure.Canvas().Handle(), L"原文件名").cx;
  in.ArrowWidth = zelvan::paint::StateWidth(glyph);
  in.ArrowHeight = zelvan::paint::StateHeight(glyph);
  const auto layout = zelvan::controls::LayoutHeaderSection(in);
  const RECT arrow{layout.Arrow.X, layout.Arrow.Y, layout.Arrow.X + in.ArrowWidth, layout.Arrow.Y + in.ArrowHeight};
  RECT all{0, 0, in.Width, in.Height};
  const int changed = DifferingIn(*before, *after, all);
  EXPECT_GT(changed, 0) << "the arrow shows";
  EXPECT_EQ(DifferingIn(*before, *after, arrow), changed) << "and only where the layout puts it";
  EXPECT_GT(arrow.left, 4 + in.TextWidth) << "right of the caption";
  delete list;
}

TEST_F(ListViewTest, SelectionShowsInTheHighlightColourOnlyWhileFocused) {
  // The kit skin has no SELECTION: the manager's highlight colours fill the row.
  TsListView* list = NewList(10);
  HWND other = TakeFocusAway(*form, 500, 400);
  list->SelectItem(2);
  ::SetFocus(list->Handle());
  Pump(20);
  RepaintAll(list->Handle());
  const RECT row = RowRect(*list, 2);
  const int x = row.right - 20, y = (row.top + row.bottom) / 2;
  EXPECT_EQ(PixelAt(list->Handle(), x, y), ColorToRGB(manager->GetHighLightColor(true)));
  EXPECT_EQ(PixelAt(list->Handle(), x, (RowRect(*list, 4).top + RowRect(*list, 4).bottom) / 2),
            ColorToRGB(list->Color()))
      << "another row stays plain";
  // The focus change alone repaints the mark, both ways.
  ::SetFocus(other);
  Pump(20);
  EXPECT_EQ(PixelAt(list->Handle(), x, y), ColorToRGB(list->Color())) << "hidden while unfocused";
  ::SetFocus(list->Handle());
  Pump(20);
  EXPECT_EQ(PixelAt(list->Handle(), x, y), ColorToRGB(manager->GetHighLightColor(true))) << "shown again";
  delete list;
}

TEST_F(ListViewTest, TheHotRowFollowsTheMouseAndNothingRepaintsWhileItRests) {
  UseAir();
  TsListView* list = NewList(30);
  list->NewStyleItems = true;  // the newer list behaviour, whatever library the test runs with
  TakeFocusAway(*form, 500, 400);
  for (int row : {3, 5}) {
    SCOPED_TRACE(row);
    const RECT r = RowRect(*list, row);
    POINT at{r.right - 30, (r.top + r.bottom) / 2};
    POINT s = at;
    ::ClientToScreen(list->Handle(), &s);
    SetCursorPos(s.x, s.y);
    SendMessageW(list->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
    Pump(50);
    EXPECT_EQ(list->HotItem, row);
    const COLORREF hot = PixelAt(list->Handle(), at.x, at.y);
    EXPECT_NE(hot, ColorToRGB(list->Color())) << "a half-strength mark";
    // Painted again while hot (as any repaint does): that must not call for another.
    InvalidateRect(list->Handle(), &r, FALSE);
    Pump(50);
    // A repaint loop paints in every stretch of time; Wine may still deliver
    // one late mouse event (the old cursor place, a leave) that repaints the
    // row once, so the list must come to rest within three stretches.
    bool rested = false;
    for (int stretch = 0; stretch < 3 && !rested; ++stretch) {
      const int paints = list->ItemPaints;
      Pump(300);
      rested = list->ItemPaints == paints;
    }
    EXPECT_TRUE(rested) << "a resting mouse repaints nothing";
  }
  const RECT r3 = RowRect(*list, 3);
  EXPECT_EQ(PixelAt(list->Handle(), r3.right - 30, (r3.top + r3.bottom) / 2), ColorToRGB(list->Color()))
      << "the old hot row is plain again";
  delete list;
}

TEST_F(ListViewTest, AfterAThumbDragThePictureEqualsAFreshRepaint) {
  UseAir();
  TsListView* list = NewList(10000);
  TakeFocusAway(*form, 500, 400);
  TacScrollWnd* wrapper = list->ScrollWnd();
  ASSERT_NE(wrapper, nullptr);
  HWND window = list->Handle();
  RECT bar = wrapper->BarRect(wrapper->sBarVert);
  RECT w{};
  GetWindowRect(window, &w);
  const zelvan::paint::TThumb thumb = wrapper->ThumbOf(wrapper->sBarVert);
  POINT at{w.left + (bar.left + bar.right) / 2, w.top + bar.top + thumb.Start + thumb.Length / 2};
  SetCursorPos(at.x, at.y);
  SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(at.x, at.y));
  for (int step = 0; step < 5; ++step) {
    at.y += 17;
    POINT client = at;
    ::ScreenToClient(window, &client);
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
  }
  POINT client = at;
  ::ScreenToClient(window, &client);
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
  Pump(30);
  const int top = static_cast<int>(SendMessageW(window, LVM_GETTOPINDEX, 0, 0));
  EXPECT_GT(top, 100) << "the drag moved the list";
  auto dragged = GrabClient(window);
  RepaintAll(window);
  auto fresh = GrabClient(window);
  EXPECT_EQ(DifferingPixels(*dragged, *fresh), 0);
  EXPECT_EQ(SendMessageW(window, LVM_GETTOPINDEX, 0, 0), top);
  delete list;
}

TEST_F(ListViewTest, AViewChangeShowsTheNewViewWholeAndReportViewComesBackAsItWas) {
  UseAir();
  TsListView* list = NewList(200);
  TakeFocusAway(*form, 500, 400);
  list->SelectItem(3);
  HWND window = list->Handle();
  TacScrollWnd* wrapper = list->ScrollWnd();
  RepaintAll(window);
  auto report = GrabWindow(window);
  const auto expectWhole = [&] {
    // What the change left on screen is what a full repaint gives.
    auto shown = GrabWindow(window);
    RepaintAll(window);
    auto fresh = GrabWindow(window);
    EXPECT_EQ(DifferingPixels(*shown, *fresh), 0);
  };
  for (TViewStyle other : {vsList, vsSmallIcon, vsIcon}) {
    SCOPED_TRACE(other);
    list->SetViewStyle(other);
    Pump(10);
    EXPECT_EQ(list->Handle(), window);
    EXPECT_EQ(list->ScrollWnd(), wrapper) << "the same window keeps its wrapper";
    EXPECT_FALSE(IsWindowVisible(list->HeaderHandle()));
    expectWhole();
    list->SetViewStyle(vsReport);
    Pump(10);
    EXPECT_FALSE(list->StyleChanging());
    expectWhole();
    auto back = GrabWindow(window);
    EXPECT_EQ(DifferingPixels(*report, *back), 0) << "header, rows and bars as before";
  }
  delete list;
  // A list made in another view gets its skinned header when it turns to report view.
  TsListView* late = NewList(200, true, vsIcon);
  TakeFocusAway(*form, 500, 400);
  late->SetViewStyle(vsReport);
  late->SelectItem(3);
  Pump(10);
  ASSERT_NE(late->HeaderHandle(), nullptr);
  RepaintAll(late->Handle());
  auto made = GrabWindow(late->Handle());
  EXPECT_EQ(DifferingPixels(*report, *made), 0);
  delete late;
}

TEST_F(ListViewTest, APrintedListIsTheListAsShown) {
  // Fades and snapshots print windows: the printed list, header and selection
  // included, must be what the screen shows, whichever way it is printed.
  UseAir();
  TsListView* list = NewList(200);
  HWND window = list->Handle();
  ::SetFocus(window);
  list->SelectItem(2);
  Pump(10);
  RepaintAll(window);
  auto shown = GrabWindow(window);
  TBitmap printed(shown->Width(), shown->Height(), pf32bit);
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()),
               PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
  GdiFlush();
  EXPECT_EQ(DifferingPixels(*shown, printed), 0) << "printed whole";
  auto snapshot = SnapshotWindow(window);
  ASSERT_NE(snapshot, nullptr);
  EXPECT_EQ(DifferingPixels(*shown, *snapshot), 0) << "frame, client and children printed apart";
  delete list;
}

TEST_F(ListViewTest, SkinOffAndOnRestoresTheColoursAndKeepsTheCellTexts) {
  UseAir();
  TsListView* list = NewList(50);
  const TColor skinColor = list->Color();
  const auto texts = [&] {
    std::wstring all;
    for (int row = 0; row < 50; ++row) {
      for (int column = 0; column < 3; ++column) {
        wchar_t buffer[64]{};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = 64;
        SendMessageW(list->Handle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        all += buffer;
        all += L'|';
      }
    }
    return all;
  };
  const std::wstring skinned = texts();
  EXPECT_EQ(skinColor, list->SkinData.BackgroundColor(0));
  EXPECT_NE(list->ScrollWnd(), nullptr);
  ExpectHandlesSteady(
      [&] {
        manager->SetActive(false);
        EXPECT_EQ(list->Color(), clWindow);
        EXPECT_EQ(list->Font().Color(), clWindowText);
        EXPECT_EQ(list->ScrollWnd(), nullptr);
        EXPECT_EQ(texts(), skinned);
        manager->SetActive(true);
        EXPECT_EQ(list->Color(), skinColor);
        EXPECT_NE(list->ScrollWnd(), nullptr);
        EXPECT_EQ(texts(), skinned);
        RepaintAll(list->Handle());
      },
      3, 2);
  delete list;
}

TEST_F(ListViewTest, InTheOtherViewsTheSelectedLabelShowsTheSkinsSelectionWhileFocused) {
  // Air's SELECTION marks the label, not the platform's highlight colour.
  UseAir();
  const COLORREF platformMark = GetSysColor(COLOR_HIGHLIGHT);
  const struct {
    const char* what;
    TViewStyle style;
  } cases[] = {{"icon", vsIcon}, {"small icon", vsSmallIcon}, {"list", vsList}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto* list = Make<TsListView>(form, L"Icons");
    list->SkinData.SetSkinManager(manager.get());
    list->SkinData.SetSkinSection("EDIT");
    list->SetViewStyle(c.style);
    list->SetBounds(10, 10, 420, 300);
    for (const wchar_t* caption : {L"甲", L"乙", L"丙"}) list->Items().Add().SetCaption(caption);
    list->Perform(SKM_COMMAND, SkinCommandWParam(SKC_REFRESH), reinterpret_cast<LPARAM>(manager.get()));
    HWND other = TakeFocusAway(*form, 500, 400);
    list->SelectItem(1);
    ::SetFocus(list->Handle());
    Pump(20);
    RepaintAll(list->Handle());
    RECT label{LVIR_LABEL, 0, 0, 0};
    ASSERT_TRUE(SendMessageW(list->Handle(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&label)));
    const COLORREF marked = PixelAt(list->Handle(), label.left + 1, label.top + 1);
    EXPECT_NE(marked, platformMark) << "focused: not the platform's mark";
    EXPECT_NE(marked, ColorToRGB(list->Color())) << "focused: marked";
    RECT plainLabel{LVIR_LABEL, 0, 0, 0};
    SendMessageW(list->Handle(), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&plainLabel));
    EXPECT_EQ(PixelAt(list->Handle(), plainLabel.left + 1, plainLabel.top + 1), ColorToRGB(list->Color()))
        << "an unselected label stays plain";
    ::SetFocus(other);
    Pump(20);
    RepaintAll(list->Handle());
    EXPECT_EQ(PixelAt(list->Handle(), label.left + 1, label.top + 1), ColorToRGB(list->Color()))
        << "hidden while unfocused";
    delete list;
    DestroyWindow(other);
  }
}

TEST_F(ListViewTest, ReportRowsShowTheirStateImages) {
  auto* list = Make<TsListView>(form, L"States");
  list->SkinData.SetSkinManager(manager.get());
  list->SkinData.SetSkinSection("EDIT");
  list->SetViewStyle(vsReport);
  list->SetRowSelect(true);
  list->SetBounds(10, 10, 420, 300);
  list->Columns().Add().SetWidth(150);
  for (const wchar_t* caption : {L"甲", L"乙", L"丙"}) list->Items().Add().SetCaption(caption);
  // Two plain 16 x 16 state images: red and green.
  const COLORREF colours[] = {RGB(220, 0, 0), RGB(0, 160, 0)};
  HIMAGELIST states = ImageList_Create(16, 16, ILC_COLOR32, 2, 0);
  {
    TBitmap strip(32, 16, pf32bit);
    zelvan::paint::FillRect32(strip.Image(), {0, 0, 16, 16}, colours[0], 255);
    zelvan::paint::FillRect32(strip.Image(), {16, 0, 32, 16}, colours[1], 255);
    ImageList_Add(states, strip.Handle(), nullptr);
  }
  SendMessageW(list->Handle(), LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(states));
  const struct {
    int row;
    int stateImage;  // 0: none
  } cases[] = {{0, 2}, {1, 1}, {2, 0}};
  for (const auto& c : cases) {
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(c.stateImage);
    SendMessageW(list->Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(c.row), reinterpret_cast<LPARAM>(&item));
  }
  list->Perform(SKM_COMMAND, SkinCommandWParam(SKC_REFRESH), reinterpret_cast<LPARAM>(manager.get()));
  TakeFocusAway(*form, 500, 400);
  Pump(20);
  RepaintAll(list->Handle());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row);
    const RECT row = RowRect(*list, c.row);
    const COLORREF at = PixelAt(list->Handle(), row.left + 3 + 8, (row.top + row.bottom) / 2);
    EXPECT_EQ(at, c.stateImage ? colours[c.stateImage - 1] : ColorToRGB(list->Color()));
  }
  delete list;
  ImageList_Destroy(states);
}

TEST_F(ListViewTest, MadePaintedHoveredAndFreedListsKeepHandlesSteady) {
  UseAir();
  ExpectHandlesSteady(
      [&] {
        TsListView* list = NewList(100);
        HWND header = list->HeaderHandle();
        RECT section{};
        SendMessageW(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&section));
        POINT over{(section.left + section.right) / 2, (section.top + section.bottom) / 2};
        ::ClientToScreen(header, &over);
        SendMessageW(header, WM_NCHITTEST, 0, MAKELPARAM(over.x, over.y));
        EXPECT_EQ(list->HoverColIndex, 1);
        list->HoverColIndex = -2;
        list->SelectItem(3);
        RepaintAll(list->Handle());
        // A window made anew brings a new header, hooked in turn.
        list->RecreateWnd();
        HWND remade = list->HeaderHandle();
        ASSERT_NE(remade, nullptr);
        EXPECT_FALSE(IsWindow(header));
        SendMessageW(remade, WM_NCHITTEST, 0, MAKELPARAM(over.x, over.y));
        EXPECT_EQ(list->HoverColIndex, 1) << "the new header lights under the mouse";
        ASSERT_NE(list->ScrollWnd(), nullptr);
        EXPECT_EQ(list->ScrollWnd()->CtrlHandle, list->Handle()) << "skinned bars on the new window";
        EXPECT_FALSE(list->ScrollWnd()->Destroyed);
        delete list;
        EXPECT_FALSE(IsWindow(remade));
      },
      5);
}

TEST_F(ListViewTest, TheBoundLabelsOfListAndTreeFollowTheirPlaceVisibilityAndEnabledState) {
  UseAir();
  auto* list = NewList(5);
  auto* tree = Make<TsTreeView>(form, L"Tree");
  tree->SkinData.SetSkinManager(manager.get());
  tree->SetBounds(450, 300, 200, 150);
  const struct {
    const char* what;
    TWinControl* control;
    TsBoundLabel* bound;
  } cases[] = {{"list", list, &list->BoundLabel()}, {"tree", tree, &tree->BoundLabel()}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.bound->SetCaption(L"文件：");
    c.bound->SetActive(true);
    TsEditLabel* label = c.bound->TheLabel();
    ASSERT_NE(label, nullptr);
    const auto beside = [&] {
      return label->Left() + label->Width() + 4 == c.control->Left() &&
             label->Top() == c.control->Top() + (c.control->Height() - label->Height()) / 2 - 1;
    };
    c.control->SetBounds(c.control->Left() + 80, c.control->Top() + 20, 180, 120);
    EXPECT_TRUE(beside()) << "moved and sized";
    c.control->SetVisible(false);
    EXPECT_FALSE(label->Visible());
    c.control->SetBounds(c.control->Left() + 10, c.control->Top() + 10, 180, 120);
    c.control->SetVisible(true);
    EXPECT_TRUE(label->Visible());
    EXPECT_TRUE(beside()) << "moved while hidden, beside it again when shown";
    c.control->SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    c.control->SetEnabled(true);
    EXPECT_TRUE(label->Enabled());
  }
  delete tree;
  delete list;
}

}  // namespace

TEST_F(ListViewTest, TheDragImageIsTheItemAsTheListShowsIt) {
  UseAir();
  TsListView* list = NewList(30);
  SendMessageW(list->Handle(), LVM_ENSUREVISIBLE, 4, FALSE);
  ListView_SetItemState(list->Handle(), 4, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  list->SetFocus();
  Pump(50);
  RepaintAll(list->Handle());
  const unsigned gdi = GdiObjectCount();
  for (int row : {4, 7}) {  // the selected row and a plain one
    SCOPED_TRACE(row);
    const RECT r = RowRect(*list, row);
    POINT at{-1, -1};
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(
        SendMessageW(list->Handle(), LVM_CREATEDRAGIMAGE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&at)));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(at.x, r.left);
    EXPECT_EQ(at.y, r.top);
    int w = 0, h = 0;
    ImageList_GetIconSize(images, &w, &h);
    ASSERT_EQ(w, r.right - r.left);
    ASSERT_EQ(h, r.bottom - r.top);
    TBitmap drawn(w, h, pf32bit);
    ImageList_Draw(images, 0, drawn.Canvas().Handle(), 0, 0, ILD_NORMAL);
    GdiFlush();
    auto shown = GrabRect(list->Handle(), r);
    EXPECT_EQ(DifferingIn(drawn, *shown, RECT{0, 0, w, h}), 0);
    ImageList_Destroy(images);
  }
  EXPECT_EQ(SendMessageW(list->Handle(), LVM_CREATEDRAGIMAGE, 30, 0), 0) << "no such row";
  EXPECT_EQ(GdiObjectCount(), gdi);
  delete list;
}
