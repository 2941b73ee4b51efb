// The report-view list under Wine, as the renamer uses it: fill N rows of four
// columns, then rewrite the third column of every row (done on each keystroke).
// Each is measured against a bare loop of list view messages with the texts
// stored in the window (LVM_INSERTITEMW/LVM_SETITEMTEXTW), both followed by one
// painting of the window; best of several rounds, alternating.
// Usage: bench_list_view_win32 [rows (10000)] [rounds (3)]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "framework/application/application.h"
#include "framework/forms/form.h"
#include "framework/stdctrls/list_view.h"
#include "bench/win32_timing.h"

namespace {

std::wstring Cell(int row, int column, int round) {
  return std::to_wstring(row) + L"_" + std::to_wstring(column) + L"_" + std::to_wstring(round) + L".txt";
}

TListView* NewList(TForm& form) {
  auto* view = new TListView(&form);
  view->SetViewStyle(vsReport);
  view->SetBounds(0, 0, 480, 300);
  view->SetParent(&form);
  for (int i = 0; i < 4; ++i) view->Columns().Add().SetWidth(100);
  return view;
}

void Paint(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

struct TTimes {
  double Fill = 1e300;
  double Rewrite = 1e300;
};

TTimes Framework(TForm& form, int rows) {
  TTimes times;
  TListView* view = NewList(form);
  times.Fill = Milliseconds([&] {
    view->Items().BeginUpdate();
    for (int row = 0; row < rows; ++row) {
      TListItem& item = view->Items().Add();
      item.SetCaption(std::to_wstring(row + 1));
      for (int column = 1; column < 4; ++column) item.AddSubItem(Cell(row, column, 0));
    }
    view->Items().EndUpdate();
    UpdateWindow(view->Handle());
  });
  times.Rewrite = Milliseconds([&] {
    view->Items().BeginUpdate();
    for (int row = 0; row < rows; ++row) view->Items()[row].SetSubItem(1, Cell(row, 2, 1));
    view->Items().EndUpdate();
    UpdateWindow(view->Handle());
  });
  delete view;
  return times;
}

TTimes BareMessages(TForm& form, int rows) {
  TTimes times;
  TListView* view = NewList(form);
  HWND window = view->Handle();
  times.Fill = Milliseconds([&] {
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    for (int row = 0; row < rows; ++row) {
      std::wstring text = std::to_wstring(row + 1);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = row;
      item.pszText = text.data();
      SendMessageW(window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
      for (int column = 1; column < 4; ++column) {
        std::wstring cell = Cell(row, column, 0);
        item.iSubItem = column;
        item.pszText = cell.data();
        SendMessageW(window, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
      }
    }
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    Paint(window);
  });
  times.Rewrite = Milliseconds([&] {
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    for (int row = 0; row < rows; ++row) {
      std::wstring cell = Cell(row, 2, 1);
      LVITEMW item{};
      item.iSubItem = 2;
      item.pszText = cell.data();
      SendMessageW(window, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    Paint(window);
  });
  SendMessageW(window, LVM_DELETEALLITEMS, 0, 0);
  delete view;
  return times;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rows = argc > 1 ? _wtoi(argv[1]) : 10000;
  const int rounds = argc > 2 ? _wtoi(argv[2]) : 3;
  Application->Initialize();
  auto* form = new TForm(Application);
  form->SetClientWidth(500);
  form->SetClientHeight(320);
  form->Show();
  TTimes ours, bare;
  for (int round = 0; round < rounds; ++round) {
    const TTimes a = Framework(*form, rows);
    const TTimes b = BareMessages(*form, rows);
    ours.Fill = std::min(ours.Fill, a.Fill);
    ours.Rewrite = std::min(ours.Rewrite, a.Rewrite);
    bare.Fill = std::min(bare.Fill, b.Fill);
    bare.Rewrite = std::min(bare.Rewrite, b.Rewrite);
  }
  std::printf("list view, %d rows of 4 columns (best of %d)\n", rows, rounds);
  std::printf("  fill:            %9.1f ms   bare messages %9.1f ms   ratio %.2f\n", ours.Fill, bare.Fill,
              ours.Fill / bare.Fill);
  std::printf("  rewrite column:  %9.1f ms   bare messages %9.1f ms   ratio %.2f\n", ours.Rewrite,
              bare.Rewrite, ours.Rewrite / bare.Rewrite);
  delete form;
  return 0;
}
