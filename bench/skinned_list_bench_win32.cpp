// The plan list under Wine with 10,000 rows in report view, three ways: the
// bare common control (owner data answered by a plain window procedure), the
// framework's TListView, and the skinned TsListView in Air. Each is timed
// for: fill and first paint; 100 page-downs, each painted; a full thumb drag
// in 50 steps, each painted; and rewriting the new-name column (what one
// keystroke in the naming settings costs). Ratios against the bare control;
// best of several rounds.
// Usage: bench_skinned_list_win32 [rounds (5)]
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "skin/controls/list_view.h"
#include "tests/skin/skin_test_kit.h"

namespace {

constexpr int kRows = 10000;
constexpr int kPages = 100;
constexpr int kDragSteps = 50;

std::wstring Cell(int row, int column, int round) {
  return column == 0 ? std::to_wstring(row + 1) : L"照片" + std::to_wstring(row) + L"_" + std::to_wstring(round);
}

int gRound = 0;

LRESULT CALLBACK BareHostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_GETDISPINFOW) {
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(lParam)->item;
    if ((item.mask & LVIF_TEXT) && item.pszText) {
      lstrcpynW(item.pszText, Cell(item.iItem, item.iSubItem, gRound).c_str(), item.cchTextMax);
    }
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

struct TTimes {
  double Fill = 1e300, Pages = 1e300, Drag = 1e300, Rewrite = 1e300;
  void Keep(const TTimes& t) {
    Fill = std::min(Fill, t.Fill);
    Pages = std::min(Pages, t.Pages);
    Drag = std::min(Drag, t.Drag);
    Rewrite = std::min(Rewrite, t.Rewrite);
  }
};

void AddColumns(HWND list) {
  const int widths[] = {50, 150, 150, 50};
  for (int i = 0; i < 4; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = widths[i];
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
}

// The steps all three share, given how each fills and rewrites.
template <typename TFill, typename TRewrite, typename TThumb>
TTimes Measure(HWND list, TFill fill, TRewrite rewrite, TThumb thumb) {
  TTimes t;
  t.Fill = Milliseconds([&] {
    fill();
    UpdateWindow(list);
  });
  t.Pages = Milliseconds([&] {
    for (int i = 0; i < kPages; ++i) {
      SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
      UpdateWindow(list);
    }
  });
  SendMessageW(list, LVM_ENSUREVISIBLE, 0, FALSE);
  UpdateWindow(list);
  const int perPage = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
  t.Drag = Milliseconds([&] {
    for (int step = 1; step <= kDragSteps; ++step) {
      thumb((kRows - perPage) * step / kDragSteps);
      UpdateWindow(list);
    }
  });
  ++gRound;
  t.Rewrite = Milliseconds([&] {
    rewrite();
    UpdateWindow(list);
  });
  return t;
}

// A drag step as the platform's own bar sends it: the list scrolls by the rows between.
void BareThumb(HWND list, int top) {
  RECT r{LVIR_BOUNDS, 0, 0, 0};
  SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
  const int now = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
  SendMessageW(list, LVM_SCROLL, 0, (top - now) * (r.bottom - r.top));
}

void Print(const char* what, double bare, double framework, double skinned) {
  std::printf("%-34s bare %8.2f ms   framework %8.2f ms (x%.2f)   skinned %8.2f ms (x%.2f)\n", what, bare, framework,
              framework / bare, skinned, skinned / bare);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? _wtoi(argv[1]) : 5;
  Application->Initialize();
  TsSkinManager manager(nullptr);
  if (!LoadSkin(manager, SkinsFolder(), L"Air")) return 1;
  TDataPanel* page = NewSkinnedPage(1300, 340);
  WNDCLASSW host{};
  host.lpfnWndProc = BareHostProc;
  host.hInstance = GetModuleHandleW(nullptr);
  host.lpszClassName = L"BareListHost";
  RegisterClassW(&host);
  TTimes bare, framework, skinned;
  for (int round = 0; round < rounds; ++round) {
    {
      HWND parent = CreateWindowExW(0, L"BareListHost", L"", WS_CHILD | WS_VISIBLE, 0, 0, 430, 320, page->Handle(),
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
      HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                  WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, 0, 0, 420,
                                  300, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
      SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
      AddColumns(list);
      UpdateWindow(list);
      bare.Keep(Measure(
          list, [&] { SendMessageW(list, LVM_SETITEMCOUNT, kRows, 0); },
          [&] { SendMessageW(list, LVM_REDRAWITEMS, 0, kRows - 1); }, [&](int top) { BareThumb(list, top); }));
      DestroyWindow(parent);
    }
    for (int skin = 0; skin < 2; ++skin) {
      TListView* view = skin ? new TsListView(page) : new TListView(page);
      view->SetParent(page);
      view->SetBounds(440, 0, 420, 300);
      view->SetViewStyle(vsReport);
      view->SetRowSelect(true);
      for (int width : {50, 150, 150, 50}) view->Columns().Add().SetWidth(width);
      view->SetOwnerData(true);
      view->OnData = [](int row, int column, std::wstring& text) { text = Cell(row, column, gRound); };
      auto* skinnedView = dynamic_cast<TsListView*>(view);
      if (skinnedView) {
        skinnedView->SkinData.SetSkinManager(&manager);
        view->Perform(SKM_COMMAND, SkinCommandWParam(SKC_REFRESH), reinterpret_cast<LPARAM>(&manager));
      }
      HWND list = view->Handle();
      UpdateWindow(list);
      const TTimes t = Measure(
          list, [&] { view->SetDataCount(kRows); }, [&] { view->UpdateRows(0, kRows - 1); },
          [&](int top) {
            if (skinnedView) {
              // The skinned bar's step: the 32-bit position comes along with the message.
              SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, std::min(top, 65535)), top);
            } else {
              BareThumb(list, top);
            }
          });
      (skin ? skinned : framework).Keep(t);
      delete view;
    }
  }
  std::printf("10,000 rows, report view, 4 columns; best of %d rounds\n", rounds);
  Print("fill and first paint", bare.Fill, framework.Fill, skinned.Fill);
  Print("100 page-downs, each painted", bare.Pages, framework.Pages, skinned.Pages);
  Print("thumb drag, 50 steps painted", bare.Drag, framework.Drag, skinned.Drag);
  Print("rewrite the new-name column", bare.Rewrite, framework.Rewrite, skinned.Rewrite);
  delete static_cast<TForm*>(page->Parent());
  return 0;
}
