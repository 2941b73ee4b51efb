// Skinned scroll bars under Wine, in Air: both bars of a 600 x 400 list view
// painted by the wrapper against the platform's own non-client painting of
// the same list unwrapped; one thumb-drag step on a 10,000-row list (mouse
// move, bar painted, list scrolled and repainted) against the bare scroll of
// an unwrapped list by the same rows; and a hit test over the bar, wrapped
// against the platform's. Best of several rounds.
// Usage: bench_scroll_win32 [rounds (10)]
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "skin/window/scroll_attach.h"
#include "tests/skin/skin_test_kit.h"

namespace {

constexpr int kPaints = 200;
constexpr int kSteps = 200;
constexpr int kHits = 20000;

HWND NewList(HWND parent, int x, int rows) {
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA,
                              x, 0, 600, 400, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = 900;  // wider than the list: both bars
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  SendMessageW(list, LVM_SETITEMCOUNT, rows, 0);
  return list;
}

double NcPaints(HWND list) {
  return Milliseconds([&] {
    for (int i = 0; i < kPaints; ++i) SendMessageW(list, WM_NCPAINT, 1, 0);
    GdiFlush();
  });
}

LPARAM Packed(POINT p) { return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y)); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? _wtoi(argv[1]) : 10;
  Application->Initialize();
  TsSkinManager manager(nullptr);
  if (!LoadSkin(manager, SkinsFolder(), L"Air")) return 1;
  TDataPanel* page = NewSkinnedPage(1220, 420);
  auto* form = static_cast<TForm*>(page->Parent());
  HWND plain = NewList(page->Handle(), 0, 10000);
  HWND wrapped = NewList(page->Handle(), 610, 10000);
  auto wrapper = AttachScrollBars(wrapped, &manager, "EDIT", TScrollWndKind::Edit);
  Application->ProcessMessages();

  double bestPlainPaint = 1e30, bestWrappedPaint = 1e30, bestBars = 1e30;
  for (int round = 0; round < rounds; ++round) {
    bestPlainPaint = std::min(bestPlainPaint, NcPaints(plain));
    bestWrappedPaint = std::min(bestWrappedPaint, NcPaints(wrapped));
    bestBars = std::min(bestBars, Milliseconds([&] {
      for (int i = 0; i < kPaints; ++i) wrapper->PaintNonClient(nullptr, false);
      GdiFlush();
    }));
  }

  // Drag steps: down a pixel and back, each a new position on 10,000 rows.
  RECT window{};
  GetWindowRect(wrapped, &window);
  const RECT bar = wrapper->BarRect(wrapper->sBarVert);
  double bestDrag = 1e30, bestScroll = 1e30;
  for (int round = 0; round < rounds; ++round) {
    SendMessageW(wrapped, LVM_ENSUREVISIBLE, 5000, FALSE);
    wrapper->Refresh(true);
    const zelvan::paint::TThumb thumb = wrapper->ThumbOf(wrapper->sBarVert);
    POINT grab{window.left + (bar.left + bar.right) / 2, window.top + bar.top + thumb.Start + thumb.Length / 2};
    SendMessageW(wrapped, WM_NCLBUTTONDOWN, HTVSCROLL, Packed(grab));
    POINT client = grab;
    ScreenToClient(wrapped, &client);
    bestDrag = std::min(bestDrag, Milliseconds([&] {
      for (int i = 0; i < kSteps; ++i) {
        SendMessageW(wrapped, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y + (i % 2 ? 0 : 2)));
        UpdateWindow(wrapped);
      }
      GdiFlush();
    }));
    SendMessageW(wrapped, WM_LBUTTONUP, 0, 0);
    // The same rows moved by the list itself, without a wrapper.
    const int rowsPerStep = std::max(1, static_cast<int>(2 * 10000 / std::max(1L, bar.bottom - bar.top)));
    bestScroll = std::min(bestScroll, Milliseconds([&] {
      for (int i = 0; i < kSteps; ++i) {
        SendMessageW(plain, LVM_SCROLL, 0, (i % 2 ? -1 : 1) * rowsPerStep * 17);
        UpdateWindow(plain);
      }
      GdiFlush();
    }));
  }

  const POINT onBar{window.left + (bar.left + bar.right) / 2, window.top + (bar.top + bar.bottom) / 2};
  RECT plainWindow{};
  GetWindowRect(plain, &plainWindow);
  const POINT onPlainBar{onBar.x - window.left + plainWindow.left, onBar.y - window.top + plainWindow.top};
  double bestHit = 1e30, bestPlainHit = 1e30;
  for (int round = 0; round < rounds; ++round) {
    bestHit = std::min(bestHit, Milliseconds([&] {
      for (int i = 0; i < kHits; ++i) SendMessageW(wrapped, WM_NCHITTEST, 0, Packed(onBar));
    }));
    bestPlainHit = std::min(bestPlainHit, Milliseconds([&] {
      for (int i = 0; i < kHits; ++i) SendMessageW(plain, WM_NCHITTEST, 0, Packed(onPlainBar));
    }));
  }

  std::printf("%d non-client paints of a 600 x 400 list view with both bars:\n", kPaints);
  std::printf("  the platform (unwrapped)          %8.3f ms\n", bestPlainPaint);
  std::printf("  skinned, frame and bars           %8.3f ms   (%.3f x the platform)\n", bestWrappedPaint,
              bestWrappedPaint / bestPlainPaint);
  std::printf("  skinned, bars only                %8.3f ms   (%.3f x the platform)\n", bestBars,
              bestBars / bestPlainPaint);
  std::printf("%d thumb-drag steps on 10,000 rows (move, bar, list repainted):\n", kSteps);
  std::printf("  bare list scroll by the same rows %8.3f ms\n", bestScroll);
  std::printf("  skinned drag step                 %8.3f ms   (%.2f x the bare scroll)\n", bestDrag,
              bestDrag / bestScroll);
  std::printf("%d hit tests over the vertical bar:\n", kHits);
  std::printf("  the platform                      %8.3f ms   (%.2f us a call)\n", bestPlainHit,
              1000.0 * bestPlainHit / kHits);
  std::printf("  skinned                           %8.3f ms   (%.2f us a call, %.2f x the platform)\n", bestHit,
              1000.0 * bestHit / kHits, bestHit / bestPlainHit);
  wrapper.reset();
  DestroyWindow(plain);
  DestroyWindow(wrapped);
  delete form;
  return 0;
}
