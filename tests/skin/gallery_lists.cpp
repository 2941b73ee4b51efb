// Gallery page: the plan list as the renamer shows it (10,000 rows, four
// columns, check boxes and grid lines, a selected row, the header's second
// column hovered and a sort arrow on the first), the same list scrolled to
// its middle, a skinned tree with its selected folder, a scroll box of root
// buttons scrolled part way, and a list in the small-icon view with its
// selected label.
#include "gallery_lists.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/application/application.h"
#include "framework/forms/form.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "skin/controls/list_view.h"
#include "skin/controls/scroll_box.h"
#include "skin/controls/tree_view.h"
#include "skin/store/skin_manager.h"
#include "tests/skin/skin_test_kit.h"

namespace {

void CopyWindowPicture(HWND window, TBitmap& page, int x, int y) {
  RECT r{};
  GetWindowRect(window, &r);
  HDC dc = GetWindowDC(window);
  BitBlt(page.Canvas().Handle(), x, y, r.right - r.left, r.bottom - r.top, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
  GdiFlush();
}

void Show(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Application->ProcessMessages();
}

TsListView* PlanList(TWinControl* parent, int x) {
  auto* list = new TsListView(parent);
  list->SetParent(parent);
  list->SetViewStyle(vsReport);
  list->SetRowSelect(true);
  list->SetGridLines(true);
  list->SetBounds(x, 10, 420, 300);
  const wchar_t* captions[] = {L"No.", L"原文件名", L"改名后", L"结果"};
  const int widths[] = {50, 150, 150, 50};
  for (int i = 0; i < 4; ++i) {
    TListColumn& column = list->Columns().Add();
    column.SetCaption(captions[i]);
    column.SetWidth(widths[i]);
  }
  list->SetOwnerData(true);
  list->OnData = [](int row, int column, std::wstring& text) {
    switch (column) {
      case 0: text = std::to_wstring(row + 1); break;
      case 1: text = L"照片 " + std::to_wstring(row + 1) + L".jpg"; break;
      case 2: text = L"旅行" + std::to_wstring(row + 1) + L".jpg"; break;
      default: text = row % 3 == 0 ? L"√" : L""; break;
    }
  };
  list->SetDataCount(10000);
  return list;
}

}  // namespace

bool WriteListPage(TsSkinManager& manager, const std::wstring& path, bool (*writePng)(TBitmap&, const std::wstring&)) {
  TDataPanel* page = NewSkinnedPage(1160, 560);
  auto* form = static_cast<TForm*>(page->Parent());
  TsListView* list = PlanList(page, 10);
  TsListView* scrolled = PlanList(page, 450);
  for (TsListView* each : {list, scrolled}) {
    each->Perform(SKM_COMMAND, SkinCommandWParam(SKC_REFRESH), reinterpret_cast<LPARAM>(&manager));
  }
  list->SelectItem(3);
  ::SetFocus(list->Handle());
  list->SetSortArrow(0, saAscending);
  scrolled->SetSortArrow(1, saDescending);
  SendMessageW(scrolled->Handle(), LVM_ENSUREVISIBLE, 5010, FALSE);
  // The header's second column under the mouse.
  RECT section{};
  SendMessageW(list->HeaderHandle(), HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&section));
  POINT hover{(section.left + section.right) / 2, (section.top + section.bottom) / 2};
  ClientToScreen(list->HeaderHandle(), &hover);
  SendMessageW(list->HeaderHandle(), WM_NCHITTEST, 0, MAKELPARAM(hover.x, hover.y));

  auto* tree = new TsTreeView(page);
  tree->SetParent(page);
  tree->SetBounds(10, 330, 250, 210);
  TTreeNode& root = tree->Items().Add(L"此电脑");
  TTreeNode& disk = tree->Items().AddChild(&root, L"本地磁盘 (C:)");
  tree->Items().AddChild(&disk, L"照片");
  tree->Items().AddChild(&disk, L"文档");
  tree->Items().AddChild(&root, L"本地磁盘 (D:)");
  tree->Perform(SKM_COMMAND, SkinCommandWParam(SKC_REFRESH), reinterpret_cast<LPARAM>(&manager));
  tree->ExpandNode(root);
  tree->ExpandNode(disk);
  disk.SetSelected(true);

  auto* box = new TsScrollBox(page);
  box->SetParent(page);
  box->SkinData.SetSkinSection("BAR");
  box->SetBounds(280, 330, 120, 210);
  box->VertScrollBar().Tracking = true;
  for (int i = 0; i < 8; ++i) {
    auto* button = new TDataPanel(page);
    button->SetParent(box);
    button->SkinData.SetSkinSection("BUTTON");
    button->SetBounds(4, 4 + 44 * i, 90, 40);
  }
  box->Perform(SKM_COMMAND, SkinCommandWParam(SKC_REFRESH), reinterpret_cast<LPARAM>(&manager));
  box->ScrollTo(0, 60);

  // The small-icon view with its selected label in the skin's look (shown unfocused).
  auto* icons = new TsListView(page);
  icons->SetParent(page);
  icons->SetViewStyle(vsSmallIcon);
  icons->SetHideSelection(false);
  icons->SetBounds(450, 330, 330, 210);
  for (const wchar_t* caption : {L"照片", L"文档", L"音乐", L"视频", L"下载"}) icons->Items().Add().SetCaption(caption);
  icons->Perform(SKM_COMMAND, SkinCommandWParam(SKC_REFRESH), reinterpret_cast<LPARAM>(&manager));
  icons->SelectItem(1);

  form->Show();
  Show(form->Handle());
  Application->ProcessMessages();
  TBitmap picture(1160, 560, pf32bit);
  picture.Canvas().Brush().SetColor(0x00FFFFFF);
  picture.Canvas().FillRect(RECT{0, 0, 1160, 560});
  for (TWinControl* control : std::initializer_list<TWinControl*>{list, scrolled, tree, box, icons}) {
    CopyWindowPicture(control->Handle(), picture, control->Left(), control->Top());
  }
  const bool written = writePng(picture, path);
  delete form;
  return written;
}
