// The skinned frame of an 800 x 600 form of Air under Wine: a full render
// (cache rebuilt and copied to the window) and a repaint from the cache,
// each against one DefWindowProc non-client paint of the same form
// unskinned; FrameHitTest per call against DefWindowProc's hit test. Best of
// several rounds, alternating.
// Usage: bench_skin_provider_win32 [rounds (10)]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "skin/window/skin_provider.h"
#include "tests/skin/skin_test_kit.h"

namespace {

TForm* NewFrameForm(int x) {
  auto* form = new TForm(Application);
  form->SetBounds(x, 20, 800, 600);
  form->SetCaption(L"Zelvan 批量改名");
  form->Show();
  return form;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? _wtoi(argv[1]) : 10;
  constexpr int kHits = 20000;
  Application->Initialize();
  TsSkinManager manager(nullptr);
  if (!LoadSkin(manager, SkinsFolder(), L"Air")) return 1;
  TForm* plain = NewFrameForm(0);
  TForm* skinned = NewFrameForm(420);
  auto* provider = new TsSkinProvider(skinned);
  Application->ProcessMessages();
  if (!provider->Skinned()) return 1;
  HWND plainWindow = plain->Handle();
  RECT bounds{};
  GetWindowRect(plainWindow, &bounds);

  double bestRender = 1e30, bestCached = 1e30, bestPlatform = 1e30, bestHit = 1e30, bestPlatformHit = 1e30;
  volatile LRESULT sink = 0;
  for (int round = 0; round < rounds; ++round) {
    bestPlatform = std::min(bestPlatform, Milliseconds([&] {
      SendMessageW(plainWindow, WM_NCPAINT, 1, 0);
      GdiFlush();
    }));
    bestRender = std::min(bestRender, Milliseconds([&] {
      provider->SkinData.BGChanged = true;
      provider->RenderFrame();
      GdiFlush();
    }));
    bestCached = std::min(bestCached, Milliseconds([&] {
      provider->PaintNC();
      GdiFlush();
    }));
    bestPlatformHit = std::min(bestPlatformHit, Milliseconds([&] {
      for (int i = 0; i < kHits; ++i) {
        const LPARAM at = MAKELPARAM(bounds.left + (i * 37) % 800, bounds.top + (i * 53) % 600);
        sink = sink + DefWindowProcW(plainWindow, WM_NCHITTEST, 0, at);
      }
    }));
    bestHit = std::min(bestHit, Milliseconds([&] {
      for (int i = 0; i < kHits; ++i) {
        sink = sink + provider->FrameHitTest(POINT{(i * 37) % 800, (i * 53) % 600});
      }
    }));
  }
  std::printf("full frame render, 800 x 600          %8.3f ms   (render / platform paint %.2f)\n", bestRender,
              bestRender / bestPlatform);
  std::printf("repaint from the cache                %8.3f ms   (cached / platform paint %.2f)\n", bestCached,
              bestCached / bestPlatform);
  std::printf("DefWindowProc non-client paint        %8.3f ms\n", bestPlatform);
  std::printf("FrameHitTest per call                 %8.3f us   (FrameHitTest / DefWindowProc %.2f)\n",
              1000.0 * bestHit / kHits, bestHit / bestPlatformHit);
  std::printf("DefWindowProc hit test per call       %8.3f us\n", 1000.0 * bestPlatformHit / kHits);
  delete skinned;
  delete plain;
  return 0;
}
