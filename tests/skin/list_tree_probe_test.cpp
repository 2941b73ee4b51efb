// What the platform's list and tree controls do under the custom drawing and
// scrolling the skinned lists lean on, checked on the real controls:
// - a list scrolled while its redrawing is off, then only the uncovered strip
//   painted, must equal a full repaint (else the skinned list must fall back);
// - a tree item whose pre-paint answers "skip default" loses its icon and
//   button too, so the skinned tree paints its selection after the item.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "framework/stdctrls/list_view.h"
#include "framework/stdctrls/tree_view.h"
#include "kit_skin_fixture.h"
#include "window_pictures.h"

namespace {

void RepaintAll(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

class ListTreeProbe : public ::testing::Test {
 protected:
  void SetUp() override { form = NewForm(600, 500); }
  void TearDown() override { delete form; }
  TForm* form = nullptr;
};

TEST_F(ListTreeProbe, AListScrolledWithRedrawOffThenItsStripPaintedEqualsAFullRepaint) {
  auto* list = new TListView(form);
  list->SetParent(form);
  list->SetViewStyle(vsReport);
  list->SetBounds(10, 10, 300, 300);
  list->Columns().Add().SetCaption(L"名称");
  list->Columns()[0].SetWidth(200);
  list->SetOwnerData(true);
  list->OnData = [](int row, int, std::wstring& text) { text = L"行 " + std::to_wstring(row); };
  list->SetDataCount(500);
  int itemPaints = 0;
  list->OnAdvancedCustomDrawItem = [&](TListView*, NMLVCUSTOMDRAW&, TCustomDrawStage stage, bool&) {
    itemPaints += stage == cdPrePaint;
  };
  HWND window = list->Handle();
  RepaintAll(window);
  RECT item{LVIR_BOUNDS, 0, 0, 0};
  SendMessageW(window, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  const int rowHeight = item.bottom - item.top;
  RECT client{};
  GetClientRect(window, &client);
  const int dy = 3 * rowHeight;
  itemPaints = 0;
  SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  SendMessageW(window, LVM_SCROLL, 0, dy);
  SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  RECT strip{0, client.bottom - dy, client.right, client.bottom};
  RedrawWindow(window, &strip, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const int stripPaints = itemPaints;
  auto scrolled = GrabClient(window);
  EXPECT_EQ(SendMessageW(window, LVM_GETTOPINDEX, 0, 0), 3);
  RepaintAll(window);
  auto fresh = GrabClient(window);
  const int differing = DifferingPixels(*scrolled, *fresh);
  std::printf("[probe] list: redraw off, scroll %d px, strip painted: %d rows painted, %d pixels differ from a "
              "full repaint\n",
              dy, stripPaints, differing);
  EXPECT_EQ(differing, 0) << "the platform keeps the list's picture whole";
  delete list;
}

TEST_F(ListTreeProbe, ATreeItemSkippedAtPrePaintLosesItsIconAndButton) {
  auto* tree = new TTreeView(form);
  tree->SetParent(form);
  tree->SetBounds(10, 10, 250, 200);
  HIMAGELIST images = OneIconImages(RGB(200, 0, 0));
  HWND window = tree->Handle();
  SendMessageW(window, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
  TTreeNode& root = tree->Items().Add(L"根目录");
  tree->Items().AddChild(&root, L"子目录");
  root.SetSelected(true);
  HTREEITEM selected = root.ItemId();
  const RECT whole = tree->ItemRect(selected, false);
  const RECT text = tree->ItemRect(selected, true);
  // Left of the text: the button, lines and icon.
  const RECT front{0, whole.top, text.left, whole.bottom};
  auto frontPixels = [&](bool skip) {
    tree->OnAdvancedCustomDrawItem = [&](TTreeView*, NMTVCUSTOMDRAW& draw, bool prePaint, bool& defaultDraw) {
      if (skip && prePaint && reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec) == selected) defaultDraw = false;
    };
    RepaintAll(window);
    auto all = GrabClient(window);
    auto part = std::make_unique<TBitmap>(front.right - front.left, front.bottom - front.top, pf32bit);
    BitBlt(part->Canvas().Handle(), 0, 0, front.right, front.bottom - front.top, all->Canvas().Handle(), 0, front.top,
           SRCCOPY);
    GdiFlush();
    return part;
  };
  auto drawn = frontPixels(false);
  auto skipped = frontPixels(true);
  const int differing = DifferingPixels(*drawn, *skipped);
  std::printf("[probe] tree: item pre-paint skipped: %d of %d pixels left of its text differ\n", differing,
              static_cast<int>((front.right - front.left) * (front.bottom - front.top)));
  EXPECT_GT(differing, 0) << "skipping the item also skips its icon and button";
  tree->OnAdvancedCustomDrawItem = nullptr;
  delete tree;
  ImageList_Destroy(images);
}

}  // namespace
