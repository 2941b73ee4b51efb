// Skinned scroll bars under Wine, in Air, on real list views: the layout
// equals the platform's, hit codes over the bars, arrows that repeat while
// held, thumb drags, capture lost mid-press, detaching, non-client size
// requests per resize, timers kept from the list, handles, the attach
// routine of skinned controls, and stand-alone scroll bar controls.
#include "skin/window/scroll_wnd.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/stdctrls/list_view.h"
#include "framework/stdctrls/scroll_box.h"
#include "kit_skin_fixture.h"
#include "skin/core/common_data.h"
#include "skin/window/dialog_wrappers.h"
#include "skin/window/edit_wnd.h"
#include "skin/window/sb_wnd.h"
#include "skin/window/scroll_attach.h"

namespace {

using zelvan::paint::TScrollPart;

struct TScrollSent {
  UINT Msg;
  int Code;
  int Pos;
  DWORD Tick;
};

// The list's own procedure, under the wrapper: records what reaches the list.
struct TListRecorder {
  static inline WNDPROC Previous = nullptr;
  static inline std::vector<TScrollSent> Scrolls;
  static inline std::vector<UINT_PTR> Timers;
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_VSCROLL || msg == WM_HSCROLL) {
      Scrolls.push_back({msg, LOWORD(wParam), HIWORD(wParam), GetTickCount()});
    }
    if (msg == WM_TIMER) Timers.push_back(wParam);
    return CallWindowProcW(Previous, window, msg, wParam, lParam);
  }
  static void Install(HWND window) {
    Scrolls.clear();
    Timers.clear();
    Previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  static int Count(int code) {
    int n = 0;
    for (const TScrollSent& s : Scrolls) n += s.Code == code;
    return n;
  }
};

class ScrollWndTest : public KitSkinTest {
 protected:
  void SetUp() override {
    KitSkinTest::SetUp();
    ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
    form->SetBounds(0, 0, 700, 520);
    Pump(20);
  }
  HWND NewList(int x, int y, int width, int height, int rows, DWORD exStyle = WS_EX_CLIENTEDGE, int column = 150) {
    HWND list = CreateWindowExW(exStyle, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, x, y, width, height,
                                form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    LVCOLUMNW col{};
    col.mask = LVCF_WIDTH | LVCF_TEXT;
    col.cx = column;
    std::wstring title = L"名称";
    col.pszText = title.data();
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&col));
    AddRows(list, rows);
    return list;
  }
  static void AddRows(HWND list, int rows) {
    const int start = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);  // Wine's list repaints on every insert otherwise
    for (int i = start; i < start + rows; ++i) {
      std::wstring text = L"行 " + std::to_wstring(i);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = i;
      item.pszText = text.data();
      SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  }
  std::unique_ptr<TacScrollWnd> Attach(HWND list, TScrollWndKind kind = TScrollWndKind::Edit) {
    auto wrapper = AttachScrollBars(list, manager.get(), "EDIT", kind);
    Pump(20);
    return wrapper;
  }
  static RECT ScreenRect(HWND window, RECT r) {
    RECT w{};
    GetWindowRect(window, &w);
    OffsetRect(&r, w.left, w.top);
    return r;
  }
  static POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
  static POINT ScreenPointOnBar(TacScrollWnd& wrapper, int along) {
    const RECT bar = ScreenRect(wrapper.CtrlHandle, wrapper.BarRect(wrapper.sBarVert));
    return {(bar.left + bar.right) / 2, bar.top + along};
  }
  // The down arrow of the vertical bar, with the cursor put on it (the
  // repeat reads the cursor).
  static POINT CursorOnDownArrow(TacScrollWnd& wrapper) {
    const RECT bar = wrapper.BarRect(wrapper.sBarVert);
    const POINT down = ScreenPointOnBar(wrapper, bar.bottom - bar.top - 4);
    SetCursorPos(down.x, down.y);
    return down;
  }
  static LPARAM Packed(POINT p) { return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y)); }
  static void MoveClient(HWND window, POINT screen) {
    ScreenToClient(window, &screen);
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, Packed(screen));
  }
  // The window's picture over a rect of window coordinates, read from the screen.
  static std::unique_ptr<TBitmap> Grab(HWND window, const RECT& r) {
    auto picture = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top, pf32bit);
    HDC dc = GetWindowDC(window);
    BitBlt(picture->Canvas().Handle(), 0, 0, r.right - r.left, r.bottom - r.top, dc, r.left, r.top, SRCCOPY);
    ReleaseDC(window, dc);
    GdiFlush();
    return picture;
  }
};

TEST_F(ScrollWndTest, LayoutEqualsTheUnwrappedList) {
  const struct {
    const char* Name;
    DWORD ExStyle;
    int Rows, Column;
    bool Horz, Vert;
  } cases[] = {
      {"vertical bar, client edge", WS_EX_CLIENTEDGE, 100, 150, false, true},
      {"both bars", WS_EX_CLIENTEDGE, 100, 500, true, true},
      {"no frame", 0, 100, 150, false, true},
      {"bar on the left", WS_EX_CLIENTEDGE | WS_EX_LEFTSCROLLBAR, 100, 500, true, true},
      {"no bars", WS_EX_CLIENTEDGE, 3, 150, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    HWND plain = NewList(10, 10, 300, 200, c.Rows, c.ExStyle, c.Column);
    HWND wrapped = NewList(330, 10, 300, 200, c.Rows, c.ExStyle, c.Column);
    auto wrapper = Attach(wrapped);
    ASSERT_TRUE(wrapper);
    RECT expected{}, actual{};
    GetClientRect(plain, &expected);
    GetClientRect(wrapped, &actual);
    EXPECT_TRUE(EqualRect(&expected, &actual)) << actual.right << " x " << actual.bottom;
    EXPECT_EQ(wrapper->sBarHorz.fScrollVisible, c.Horz);
    EXPECT_EQ(wrapper->sBarVert.fScrollVisible, c.Vert);
    for (TacScrollBar* bar : {&wrapper->sBarHorz, &wrapper->sBarVert}) {
      if (!bar->fScrollVisible) continue;
      SCROLLBARINFO info{};
      info.cbSize = sizeof(info);
      ASSERT_TRUE(GetScrollBarInfo(wrapped, bar->Horizontal() ? OBJID_HSCROLL : OBJID_VSCROLL, &info));
      const RECT ours = ScreenRect(wrapped, wrapper->BarRect(*bar));
      // The platform's rect runs a pixel into the corner square when both bars show.
      const int overlap = c.Horz && c.Vert ? 1 : 0;
      EXPECT_EQ(ours.left, info.rcScrollBar.left);
      EXPECT_EQ(ours.top, info.rcScrollBar.top);
      EXPECT_EQ(ours.right + (bar->Horizontal() ? overlap : 0), info.rcScrollBar.right);
      EXPECT_EQ(ours.bottom + (bar->Horizontal() ? 0 : overlap), info.rcScrollBar.bottom);
    }
    wrapper.reset();
    GetClientRect(wrapped, &actual);
    EXPECT_TRUE(EqualRect(&expected, &actual)) << "unchanged after detaching";
    DestroyWindow(plain);
    DestroyWindow(wrapped);
  }
}

TEST_F(ScrollWndTest, DetachingGivesThePlatformsBarsBack) {
  HWND plain = NewList(10, 10, 300, 200, 100);
  HWND wrapped = NewList(330, 10, 300, 200, 100);
  const LONG_PTR proc = GetWindowLongPtrW(wrapped, GWLP_WNDPROC);
  auto wrapper = Attach(wrapped);
  RECT bar = wrapper->BarRect(wrapper->sBarVert);
  RedrawWindow(wrapped, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  RedrawWindow(plain, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_GT(DifferingPixels(*Grab(plain, bar), *Grab(wrapped, bar)), 100) << "the skin paints the bar";
  wrapper.reset();
  EXPECT_EQ(GetWindowLongPtrW(wrapped, GWLP_WNDPROC), proc);
  EXPECT_EQ(GetPropW(wrapped, L"ACSBSC"), nullptr);
  RedrawWindow(wrapped, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(DifferingPixels(*Grab(plain, bar), *Grab(wrapped, bar)), 0) << "the platform's bar again";
  DestroyWindow(plain);
  DestroyWindow(wrapped);
}

TEST_F(ScrollWndTest, TheSkinGoingAndComingBackSwitchesTheBars) {
  HWND plain = NewList(10, 10, 300, 200, 100);
  HWND wrapped = NewList(330, 10, 300, 200, 100);
  auto wrapper = Attach(wrapped);
  const RECT bar = wrapper->BarRect(wrapper->sBarVert);
  const auto redraw = [&] {
    for (HWND w : {plain, wrapped}) RedrawWindow(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  };
  manager->SetActive(false);
  redraw();
  EXPECT_EQ(DifferingPixels(*Grab(plain, bar), *Grab(wrapped, bar)), 0) << "the platform's bar while the skin is off";
  manager->SetActive(true);
  ASSERT_TRUE(manager->Active());
  redraw();
  EXPECT_GT(DifferingPixels(*Grab(plain, bar), *Grab(wrapped, bar)), 100) << "the skin's bar again";
  RECT expected{}, actual{};
  GetClientRect(plain, &expected);
  GetClientRect(wrapped, &actual);
  EXPECT_TRUE(EqualRect(&expected, &actual));
  wrapper.reset();
  DestroyWindow(plain);
  DestroyWindow(wrapped);
}

TEST_F(ScrollWndTest, PrintingShowsTheSkinnedBarsAndFrame) {
  HWND list = NewList(10, 10, 300, 200, 100);
  auto wrapper = Attach(list);
  RedrawWindow(list, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const RECT whole{0, 0, 300, 200};
  const auto shown = Grab(list, whole);
  TBitmap printed(300, 200, pf32bit);
  SendMessageW(list, WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()), PRF_NONCLIENT | PRF_CLIENT);
  GdiFlush();
  // The frame ring and the bar as on the screen (the client, drawn by the list, is its own matter).
  const RECT bar = wrapper->BarRect(wrapper->sBarVert);
  const RECT parts[] = {bar, {0, 0, 300, 2}, {0, 198, 300, 200}, {0, 0, 2, 200}};
  for (const RECT& r : parts) {
    TBitmap a(r.right - r.left, r.bottom - r.top, pf32bit), b(r.right - r.left, r.bottom - r.top, pf32bit);
    BitBlt(a.Canvas().Handle(), 0, 0, a.Width(), a.Height(), shown->Canvas().Handle(), r.left, r.top, SRCCOPY);
    BitBlt(b.Canvas().Handle(), 0, 0, b.Width(), b.Height(), printed.Canvas().Handle(), r.left, r.top, SRCCOPY);
    EXPECT_EQ(DifferingPixels(a, b), 0) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
  wrapper.reset();
  DestroyWindow(list);
}

TEST_F(ScrollWndTest, HitCodesOverArrowsTrackAndThumb) {
  // Form client 684 x ~480: the list fills the bottom-right corner of it.
  RECT client{};
  GetClientRect(form->Handle(), &client);
  HWND list = NewList(client.right - 300, client.bottom - 200, 300, 200, 100, WS_EX_CLIENTEDGE, 500);
  auto wrapper = Attach(list);
  ASSERT_TRUE(wrapper->sBarVert.fScrollVisible && wrapper->sBarHorz.fScrollVisible);
  const RECT bar = wrapper->BarRect(wrapper->sBarVert);
  const int length = bar.bottom - bar.top, arrow = wrapper->ArrowLength(wrapper->sBarVert);
  const zelvan::paint::TThumb thumb = wrapper->ThumbOf(wrapper->sBarVert);
  ASSERT_TRUE(thumb.Visible());
  SendMessageW(list, LVM_SCROLL, 0, 40 * 17);  // the thumb in the middle: page parts on both sides
  wrapper->Refresh(true);
  const zelvan::paint::TThumb middle = wrapper->ThumbOf(wrapper->sBarVert);
  ASSERT_GT(middle.Start, arrow + 2);
  const struct {
    int Along;
    TScrollPart Part;
  } points[] = {
      {arrow / 2, zelvan::paint::spLineUp},
      {arrow + 1, zelvan::paint::spPageUp},
      {middle.Start + middle.Length / 2, zelvan::paint::spThumb},
      {middle.Start + middle.Length + 1, zelvan::paint::spPageDown},
      {length - arrow / 2, zelvan::paint::spLineDown},
  };
  for (const auto& p : points) {
    const POINT at = ScreenPointOnBar(*wrapper, p.Along);
    EXPECT_EQ(SendMessageW(list, WM_NCHITTEST, 0, Packed(at)), HTVSCROLL) << p.Along;
    EXPECT_EQ(wrapper->PartAt(wrapper->sBarVert, at), p.Part) << p.Along;
  }
  const RECT hbar = ScreenRect(list, wrapper->BarRect(wrapper->sBarHorz));
  EXPECT_EQ(SendMessageW(list, WM_NCHITTEST, 0, Packed(Centre(hbar))), HTHSCROLL);
  const RECT corner = ScreenRect(list, RECT{bar.left, bar.bottom, bar.right, bar.bottom + (hbar.bottom - hbar.top)});
  EXPECT_EQ(SendMessageW(list, WM_NCHITTEST, 0, Packed(Centre(corner))), HTBOTTOMRIGHT)
      << "in the form's bottom-right corner the corner square sizes the form";
  SetWindowPos(list, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const RECT moved = ScreenRect(list, RECT{bar.left, bar.bottom, bar.right, bar.bottom + (hbar.bottom - hbar.top)});
  EXPECT_NE(SendMessageW(list, WM_NCHITTEST, 0, Packed(Centre(moved))), HTBOTTOMRIGHT);
  // A disabled bar answers nowhere.
  EnableScrollBar(list, SB_VERT, ESB_DISABLE_BOTH);
  wrapper->Refresh(false);
  EXPECT_EQ(SendMessageW(list, WM_NCHITTEST, 0, Packed(ScreenPointOnBar(*wrapper, length / 2))), HTNOWHERE);
  wrapper.reset();
  DestroyWindow(list);
}

TEST_F(ScrollWndTest, HoldingAnArrowStepsOnceThenRepeats) {
  HWND list = NewList(10, 10, 300, 200, 500);
  TListRecorder::Install(list);
  auto wrapper = Attach(list);
  const POINT down = CursorOnDownArrow(*wrapper);
  Pump(20);
  const DWORD pressed = GetTickCount();
  SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, Packed(down));
  ASSERT_EQ(TListRecorder::Count(SB_LINEDOWN), 1) << "one step at once";
  EXPECT_EQ(GetCapture(), list);
  Pump(1000);
  const int steps = TListRecorder::Count(SB_LINEDOWN);
  // 300 ms, then every 55 ms: about 13 more in a second (Wine's timers tick late, never early).
  EXPECT_GE(steps - 1, 8);
  EXPECT_LE(steps - 1, 14);
  ASSERT_GE(TListRecorder::Scrolls.size(), 2u);
  EXPECT_GE(TListRecorder::Scrolls[1].Tick - pressed, 270u) << "the repeat waits 300 ms";
  EXPECT_EQ(TListRecorder::Timers.size(), 0u) << "the wrapper's timers never reach the list";
  // Off the arrow the steps stop; the press goes on.
  SetCursorPos(down.x - 150, down.y);
  // Wine moves its cursor through the X server: wait until it is there.
  ASSERT_TRUE(PumpUntil([&] {
    POINT cursor{};
    GetCursorPos(&cursor);
    return cursor.x == down.x - 150;
  }));
  Pump(100);
  const int held = TListRecorder::Count(SB_LINEDOWN);
  Pump(300);
  EXPECT_EQ(TListRecorder::Count(SB_LINEDOWN), held);
  EXPECT_EQ(GetCapture(), list);
  SendMessageW(list, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(TListRecorder::Scrolls.back().Code, SB_ENDSCROLL);
  EXPECT_NE(GetCapture(), list);
  EXPECT_EQ(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), held) << "the list moved a row a step";
  wrapper.reset();
  DestroyWindow(list);
}

TEST_F(ScrollWndTest, LosingTheCaptureMidPressStopsTheRepeats) {
  HWND list = NewList(10, 10, 300, 200, 500);
  TListRecorder::Install(list);
  auto wrapper = Attach(list);
  const POINT down = CursorOnDownArrow(*wrapper);
  SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, Packed(down));
  Pump(450);
  ASSERT_GE(TListRecorder::Count(SB_LINEDOWN), 2);
  ReleaseCapture();  // as a message box opening would
  const int steps = TListRecorder::Count(SB_LINEDOWN);
  EXPECT_EQ(TListRecorder::Scrolls.back().Code, SB_ENDSCROLL);
  Pump(300);
  EXPECT_EQ(TListRecorder::Count(SB_LINEDOWN), steps);
  // The bar answers the next press as ever.
  SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, Packed(down));
  EXPECT_EQ(TListRecorder::Count(SB_LINEDOWN), steps + 1);
  SendMessageW(list, WM_LBUTTONUP, 0, 0);
  wrapper.reset();
  DestroyWindow(list);
}

TEST_F(ScrollWndTest, DraggingTheThumbTracksOnlyChangesAndTheListFollows) {
  HWND list = NewList(10, 10, 300, 200, 100);
  TListRecorder::Install(list);
  auto wrapper = Attach(list);
  const zelvan::paint::TThumb thumb = wrapper->ThumbOf(wrapper->sBarVert);
  ASSERT_TRUE(thumb.Visible());
  POINT at = ScreenPointOnBar(*wrapper, thumb.Start + thumb.Length / 2);
  SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, Packed(at));
  EXPECT_TRUE(wrapper->fThumbTracking);
  EXPECT_TRUE(TListRecorder::Scrolls.empty()) << "pressing the thumb sends nothing";
  int moves = 0;
  for (int i = 0; i < 60; ++i, ++moves) {
    ++at.y;
    MoveClient(list, at);
  }
  const int tracks = TListRecorder::Count(SB_THUMBTRACK);
  EXPECT_GT(tracks, 10);
  EXPECT_LT(tracks, moves) << "more pixels than positions: some moves send nothing";
  for (size_t i = 1; i < TListRecorder::Scrolls.size(); ++i) {
    EXPECT_GT(TListRecorder::Scrolls[i].Pos, TListRecorder::Scrolls[i - 1].Pos) << "only changes are sent";
  }
  const int last = TListRecorder::Scrolls.back().Pos;
  EXPECT_EQ(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), last) << "the list's top row follows the thumb";
  // Far past the end: the last position.
  at.y += 1000;
  MoveClient(list, at);
  const int end = TListRecorder::Scrolls.back().Pos;
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(list, SB_VERT, &info);
  EXPECT_EQ(end, info.nMax - static_cast<int>(info.nPage) + 1);
  const size_t before = TListRecorder::Scrolls.size();
  SendMessageW(list, WM_LBUTTONUP, 0, 0);
  ASSERT_EQ(TListRecorder::Scrolls.size(), before + 2);
  EXPECT_EQ(TListRecorder::Scrolls[before].Code, SB_THUMBPOSITION);
  EXPECT_EQ(TListRecorder::Scrolls[before].Pos, end);
  EXPECT_EQ(TListRecorder::Scrolls[before + 1].Code, SB_ENDSCROLL);
  EXPECT_FALSE(wrapper->fThumbTracking);
  EXPECT_EQ(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), end);
  MoveClient(list, at);
  EXPECT_EQ(TListRecorder::Scrolls.size(), before + 2) << "nothing after the release";
  wrapper.reset();
  DestroyWindow(list);
}

TEST_F(ScrollWndTest, NonClientSizeRequestsPerResizeStayBounded) {
  HWND list = NewList(10, 10, 300, 200, 0);
  auto wrapper = Attach(list);
  int rows = 0;
  while (!wrapper->sBarVert.fScrollVisible && rows < 40) {
    AddRows(list, 1);
    ++rows;
  }
  ASSERT_TRUE(wrapper->sBarVert.fScrollVisible) << "the bar appears as rows are added";
  for (int i = 0; i < 20; ++i) {
    const int before = wrapper->NcCalcCount();
    SetWindowPos(list, nullptr, 0, 0, 300 + 7 * (i % 5), 200 + 11 * (i % 3), SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_LE(wrapper->NcCalcCount() - before, 3) << "resize " << i;
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    GetScrollBarInfo(list, OBJID_VSCROLL, &info);
    RECT client{};
    GetClientRect(list, &client);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(client.right, info.rcScrollBar.left) << "the bar begins where the client area ends";
  }
  wrapper.reset();
  DestroyWindow(list);
}

TEST_F(ScrollWndTest, PressedAndHotPartsLookDifferent) {
  HWND list = NewList(10, 10, 300, 200, 100);
  auto wrapper = Attach(list);
  const RECT bar = wrapper->BarRect(wrapper->sBarVert);
  const int arrow = wrapper->ArrowLength(wrapper->sBarVert);
  const RECT up{bar.left, bar.top, bar.right, bar.top + arrow};
  const RECT rest{bar.left, bar.top + arrow, bar.right, bar.bottom};
  RedrawWindow(list, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  const auto normalUp = Grab(list, up), normalRest = Grab(list, rest);
  const POINT upCentre = ScreenPointOnBar(*wrapper, arrow / 2);
  SetCursorPos(upCentre.x, upCentre.y);
  SendMessageW(list, WM_NCMOUSEMOVE, HTVSCROLL, Packed(upCentre));
  const auto hotUp = Grab(list, up);
  EXPECT_GT(DifferingPixels(*normalUp, *hotUp), 0) << "hot arrow";
  EXPECT_EQ(DifferingPixels(*normalRest, *Grab(list, rest)), 0) << "the rest stays";
  SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, Packed(upCentre));  // at the top: nothing to scroll, still pressed
  EXPECT_GT(DifferingPixels(*hotUp, *Grab(list, up)), 0) << "pressed arrow";
  SendMessageW(list, WM_LBUTTONUP, 0, 0);
  // The cursor leaves: the hot look goes within a few ticks, then nothing paints.
  SetCursorPos(upCentre.x - 200, upCentre.y);
  Pump(100);
  EXPECT_EQ(DifferingPixels(*normalUp, *Grab(list, up)), 0);
  const int paints = wrapper->BarPaintCount();
  Pump(500);
  EXPECT_EQ(wrapper->BarPaintCount(), paints) << "idle bars are not painted";
  wrapper.reset();
  DestroyWindow(list);
}

TEST_F(ScrollWndTest, WrappingHoveringPressingAndDetachingKeepHandlesSteady) {
  HWND list = NewList(10, 10, 300, 200, 100);
  HWND bar = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 400, 10, 17, 200, form->Handle(),
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 99, 10, 0, 0};
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
  ExpectHandlesSteady(
      [&] {
        auto wrapper = Attach(list);
        RedrawWindow(list, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        const POINT down = CursorOnDownArrow(*wrapper);
        SendMessageW(list, WM_NCMOUSEMOVE, HTVSCROLL, Packed(down));
        SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, Packed(down));
        Pump(400);
        SendMessageW(list, WM_LBUTTONUP, 0, 0);
        SendMessageW(list, LVM_ENSUREVISIBLE, 0, FALSE);
        SetCursorPos(down.x - 200, down.y);
        Pump(60);
        // A stand-alone bar wrapped, painted, pressed and let go.
        std::unique_ptr<TacMainWnd> barWrapper(Wrap<TacSBWnd>(bar, nullptr, manager.get(), "CHECKBOX", true));
        UpdateWindow(bar);
        SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 5));
        SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(8, 5));
      },
      5);
  DestroyWindow(list);
  DestroyWindow(bar);
}

TEST_F(ScrollWndTest, SkinnedControlsAttachAndLetGoWithTheSkin) {
  auto* view = new TListView(form);
  view->SetParent(form);
  view->SetViewStyle(vsReport);
  view->SetBounds(10, 10, 300, 200);
  TsCommonData data(view, true);
  data.SetSkinManager(manager.get());
  data.SetSkinSection("EDIT");
  data.UpdateIndexes();
  TakeFocusAway(*form, 400, 300);
  const TColor original = view->Color();
  std::unique_ptr<TacScrollWnd> slot;
  AttachEditScrollBars(data, slot);
  ASSERT_TRUE(slot);
  RedrawWindow(view->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(view->Color(), data.BackgroundColor(0)) << "the list takes its section's colour";
  EXPECT_NE(view->Color(), original);
  EXPECT_TRUE(slot->HookedThroughControl());
  EXPECT_NE(dynamic_cast<TacEditWnd*>(slot.get()), nullptr);
  EXPECT_EQ(view->Perform(SKM_COMMAND, SkinCommandWParam(SKC_IS_SKINNED)), 1);
  TacScrollWnd* first = slot.get();
  AttachEditScrollBars(data, slot);
  EXPECT_EQ(slot.get(), first) << "a second call keeps the living wrapper";
  manager->SetActive(false);
  AttachEditScrollBars(data, slot);
  EXPECT_FALSE(slot);
  EXPECT_EQ(view->Perform(SKM_COMMAND, SkinCommandWParam(SKC_IS_SKINNED)), 0);
  EXPECT_EQ(view->Color(), original) << "its own colour back";
  delete view;
}

TEST_F(ScrollWndTest, AScrollBoxScrollsItsChildrenThroughTheSkinnedBar) {
  auto* box = new TScrollBox(form);
  box->SetParent(form);
  box->SetBounds(10, 10, 300, 200);
  auto* child = new TPlainPanel(form);
  child->SetParent(box);
  child->SetBounds(10, 600, 100, 40);  // far below: a vertical bar
  Pump(20);
  TsCommonData data(box, true);
  data.SetSkinManager(manager.get());
  data.SetSkinSection("PANEL_LOW");
  data.UpdateIndexes();
  std::unique_ptr<TacScrollWnd> slot;
  AttachScrollBars(data, slot);
  ASSERT_TRUE(slot);
  ASSERT_TRUE(slot->sBarVert.fScrollVisible);
  const POINT down = CursorOnDownArrow(*slot);
  SendMessageW(box->Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, Packed(down));
  SendMessageW(box->Handle(), WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(box->VertPosition(), TScrollBox::kLineStep) << "one line down";
  const zelvan::paint::TThumb thumb = slot->ThumbOf(slot->sBarVert);
  POINT at = ScreenPointOnBar(*slot, thumb.Start + thumb.Length / 2);
  SendMessageW(box->Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, Packed(at));
  at.y += 500;
  MoveClient(box->Handle(), at);
  SendMessageW(box->Handle(), WM_LBUTTONUP, 0, 0);
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(box->Handle(), SB_VERT, &info);
  EXPECT_EQ(box->VertPosition(), info.nMax - static_cast<int>(info.nPage) + 1) << "dragged to the end";
  EXPECT_EQ(child->Top(), 600 - box->VertPosition()) << "the child moved with it";
  slot.reset();
  delete box;
}

TEST_F(ScrollWndTest, DialogChildrenWithBarsGetScrollWrappers) {
  const struct {
    const wchar_t* Class;
    DWORD Style;
    bool (*Expected)(TacMainWnd*);
  } cases[] = {
      {L"EDIT", ES_MULTILINE | WS_VSCROLL, [](TacMainWnd* w) { return dynamic_cast<TacEditWnd*>(w) != nullptr; }},
      {L"LISTBOX", WS_VSCROLL | LBS_NOTIFY, [](TacMainWnd* w) { return dynamic_cast<TacEditWnd*>(w) != nullptr; }},
      {WC_LISTVIEWW, LVS_REPORT, [](TacMainWnd* w) { return dynamic_cast<TacListViewWnd*>(w) != nullptr; }},
      {WC_TREEVIEWW, 0, [](TacMainWnd* w) { return dynamic_cast<TacTreeViewWnd*>(w) != nullptr; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    HWND child = CreateWindowExW(WS_EX_CLIENTEDGE, c.Class, L"", WS_CHILD | WS_VISIBLE | c.Style, 10, 10, 200, 120,
                                 form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    RECT before{}, after{};
    GetClientRect(child, &before);
    std::unique_ptr<TacMainWnd> wrapper = WrapDialogChild(child, manager.get());
    EXPECT_TRUE(c.Expected(wrapper.get()));
    EXPECT_TRUE(wrapper && wrapper->DlgMode);
    GetClientRect(child, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    wrapper.reset();
    DestroyWindow(child);
  }
}

TEST_F(ScrollWndTest, AStandAloneScrollBarIsDrivenByTheWrapper) {
  HWND bar = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_VERT, 400, 10, 17, 240,
                             form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, 99, 10, 0, 0};
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
  std::vector<TScrollSent> sent;
  TWndMethod previous = form->WindowProc;
  form->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_VSCROLL && reinterpret_cast<HWND>(message.LParam) == bar) {
      sent.push_back({message.Msg, LOWORD(message.WParam), HIWORD(message.WParam), 0});
      if (LOWORD(message.WParam) == SB_THUMBTRACK) SetScrollPos(bar, SB_CTL, HIWORD(message.WParam), TRUE);
    }
    previous(message);
  };
  struct TRestore {
    TForm* Form;
    TWndMethod Method;
    ~TRestore() { Form->WindowProc = Method; }
  } restore{form, previous};
  auto* wrapper = Wrap<TacSBWnd>(bar, nullptr, manager.get(), "CHECKBOX", true);
  EXPECT_FALSE(GetWindowLongPtrW(bar, GWL_STYLE) & WS_TABSTOP);
  const int arrow = GetSystemMetrics(SM_CYVSCROLL);
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 240 - arrow / 2));
  EXPECT_EQ(wrapper->Btn2State, 2);
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(8, 240 - arrow / 2));
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].Code, SB_LINEDOWN);
  EXPECT_EQ(sent[1].Code, SB_ENDSCROLL);
  sent.clear();
  const zelvan::paint::TThumb thumb = wrapper->Thumb();
  ASSERT_TRUE(thumb.Visible());
  int y = thumb.Start + thumb.Length / 2;
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, y));
  for (int i = 0; i < 400; i += 5) SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8, y + i));
  SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(8, y + 400));
  ASSERT_GE(sent.size(), 3u);
  EXPECT_EQ(sent[sent.size() - 3].Pos, 90) << "dragged to the end: the last position";
  EXPECT_EQ(sent[sent.size() - 2].Code, SB_THUMBPOSITION);
  EXPECT_EQ(sent.back().Code, SB_ENDSCROLL);
  delete wrapper;
  DestroyWindow(bar);
}

}  // namespace
