// Automatic window skinning of Air under Wine: the window hook's cost on
// 1,000 plain top-level windows created and destroyed, against the same with
// the hook taken out; a message box from its opening to its first paint
// (and its answer), skinned against unskinned; building and pushing one
// close button's glow against a 16 ms frame. Best of several rounds,
// alternating.
// Usage: bench_auto_skin_win32 [rounds (5)]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "skin/core/glow.h"
#include "skin/store/skin_manager.h"
#include "tests/skin/skin_test_kit.h"

namespace {

constexpr wchar_t kPlainClass[] = L"ZelvanBenchPlain";

void CreateAndDestroy(int count) {
  for (int i = 0; i < count; ++i) {
    HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, kPlainClass, L"plain", WS_OVERLAPPED | WS_CAPTION, 10, 10, 200,
                                  100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    DestroyWindow(window);
  }
}

// The box is answered as soon as its first paint is taken from the queue.
HHOOK gPaintHook = nullptr;
LRESULT CALLBACK FirstPaint(int code, WPARAM wParam, LPARAM lParam) {
  const auto* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && msg->message == WM_PAINT) {
    wchar_t name[16]{};
    GetClassNameW(msg->hwnd, name, 16);
    if (lstrcmpW(name, L"#32770") == 0) PostMessageW(msg->hwnd, WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(gPaintHook, code, wParam, lParam);
}

void BoxToFirstPaint() {
  gPaintHook = SetWindowsHookExW(WH_GETMESSAGE, FirstPaint, nullptr, GetCurrentThreadId());
  MessageBoxW(nullptr, L"要把 3 个文件改名吗?", L"Bench", MB_OK | MB_ICONINFORMATION);
  UnhookWindowsHookEx(gPaintHook);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? _wtoi(argv[1]) : 5;
  constexpr int kWindows = 1000;
  Application->Initialize();
  WNDCLASSW plain{};
  plain.lpfnWndProc = DefWindowProcW;
  plain.hInstance = GetModuleHandleW(nullptr);
  plain.lpszClassName = kPlainClass;
  RegisterClassW(&plain);
  TsSkinManager manager(nullptr);
  if (!LoadSkin(manager, SkinsFolder(), L"Air") || !manager.GlobalHookInstalled()) return 1;

  HWND owner = CreateWindowExW(0, kPlainClass, L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  const RECT button{350, 105, 375, 123};  // a close button of the owner's caption
  double hooked = 1e30, bare = 1e30, skinnedBox = 1e30, plainBox = 1e30, glow = 1e30;
  for (int round = 0; round < rounds; ++round) {
    hooked = std::min(hooked, Milliseconds([&] { CreateAndDestroy(kWindows); }));
    skinnedBox = std::min(skinnedBox, Milliseconds(BoxToFirstPaint));
    glow = std::min(glow, Milliseconds([&] {
                      const int id =
                          CreateGlow(button, button, "GLOBALINFO", &manager, owner, 255, 0, "BICONCLOSEGLOW");
                      if (id < 0) return;
                      RemoveGlow(id);
                    }));
    manager.UnInstallHook();
    bare = std::min(bare, Milliseconds([&] { CreateAndDestroy(kWindows); }));
    plainBox = std::min(plainBox, Milliseconds(BoxToFirstPaint));
    manager.InstallHook();
  }
  const bool glows = CreateGlow(button, button, "GLOBALINFO", &manager, owner, 255, 0, "BICONCLOSEGLOW") >= 0;
  RemoveAllGlows();
  std::printf("1,000 windows made and destroyed, hooked  %8.3f ms   (hooked / without hook %.3f)\n", hooked,
              hooked / bare);
  std::printf("1,000 windows made and destroyed, no hook %8.3f ms\n", bare);
  std::printf("message box to first paint, skinned       %8.3f ms   (skinned / unskinned %.3f)\n", skinnedBox,
              skinnedBox / plainBox);
  std::printf("message box to first paint, unskinned     %8.3f ms\n", plainBox);
  if (glows) {
    std::printf("one glow built, pushed and removed         %8.3f ms   (glow / 16 ms frame %.3f)\n", glow, glow / 16.0);
  } else {
    std::printf("Air has no close-button glow: no glow measured\n");
  }
  DestroyWindow(owner);
  return 0;
}
