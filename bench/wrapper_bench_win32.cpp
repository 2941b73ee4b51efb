// Wrappers under Wine, in Air: painting a wrapped push button (its cache
// rebuilt, and its cache only copied) against the platform button painting
// itself; and the adapter's scan of a form with 200 controls against a bare
// EnumChildWindows over the same form. Best of several rounds.
// Usage: bench_wrapper_win32 [rounds (10)]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "framework/stdctrls/button.h"
#include "skin/core/common_data.h"
#include "skin/paint/control_paint.h"
#include "skin/window/btn_wnd.h"
#include "skin/window/ctrl_adapter.h"
#include "tests/skin/skin_test_kit.h"

namespace {

constexpr int kPaints = 200;

HWND NewButton(HWND parent, int x) {
  return CreateWindowExW(0, L"BUTTON", L"Rename", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 10, 95, 28, parent,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

double PaintMany(HWND button, HDC dc) {
  return Milliseconds([&] {
    for (int i = 0; i < kPaints; ++i) SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
  });
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? _wtoi(argv[1]) : 10;
  Application->Initialize();
  TsSkinManager manager(nullptr);
  if (!LoadSkin(manager, SkinsFolder(), L"Air")) return 1;
  TDataPanel* page = NewSkinnedPage(600, 400);
  auto* form = static_cast<TForm*>(page->Parent());

  HWND plain = NewButton(page->Handle(), 10);
  HWND skinned = NewButton(page->Handle(), 120);
  auto* wrapper = Wrap<TacBtnWnd>(skinned, nullptr, &manager, "BUTTON", true);
  TBitmap target(95, 28, pf32bit);
  HDC dc = target.Canvas().Handle();
  double bestPlain = 1e30, bestRebuilt = 1e30, bestCopied = 1e30;
  for (int round = 0; round < rounds; ++round) {
    bestPlain = std::min(bestPlain, PaintMany(plain, dc));
    bestRebuilt = std::min(bestRebuilt, PaintMany(skinned, dc));
    bestCopied = std::min(bestCopied, Milliseconds([&] {
      for (int i = 0; i < kPaints; ++i) {
        CopyBitmapToDC(*wrapper->SkinData->CacheBmp(), dc, RECT{0, 0, 95, 28}, POINT{0, 0});
      }
      GdiFlush();
    }));
  }
  delete wrapper;

  // 200 framework buttons for the adapter's scan.
  for (int i = 0; i < 200; ++i) {
    auto* button = new TButton(form);
    button->SetParent(page);
    button->SetBounds(10 + (i % 10) * 58, 50 + (i / 10) * 17, 56, 16);
  }
  Application->ProcessMessages();
  double bestScan = 1e30, bestEnum = 1e30;
  for (int round = 0; round < rounds; ++round) {
    bestScan = std::min(bestScan, Milliseconds([&] {
      TacCtrlAdapter adapter(form, &manager);
      adapter.AddAllItems();
    }));
    int count = 0;
    bestEnum = std::min(bestEnum, Milliseconds([&] { EnumChildWindows(form->Handle(), CountChild, reinterpret_cast<LPARAM>(&count)); }));
  }
  std::printf("%d paints of a 95 x 28 button:\n", kPaints);
  std::printf("  the platform button itself        %8.3f ms\n", bestPlain);
  std::printf("  wrapped, cache rebuilt            %8.3f ms   (%.1f x the platform)\n", bestRebuilt,
              bestRebuilt / bestPlain);
  std::printf("  wrapped, cache copied only        %8.3f ms   (%.2f x the platform)\n", bestCopied,
              bestCopied / bestPlain);
  std::printf("adapter scan, 200 buttons (wrap + unwrap) %8.3f ms\n", bestScan);
  std::printf("bare EnumChildWindows of the same form    %8.3f ms   (scan / enum %.0f)\n", bestEnum,
              bestScan / bestEnum);
  DestroyWindow(plain);
  DestroyWindow(skinned);
  delete form;
  return 0;
}
