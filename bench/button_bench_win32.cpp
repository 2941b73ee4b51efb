// A skinned 75 x 25 push button of Air under Wine: preparing its cache in
// each state, and one hover fade (its start and every frame, without the
// timer's waits), against one BitBlt of the same size. Best of several
// rounds, alternating.
// Usage: bench_button_win32 [rounds (10)]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "skin/controls/button.h"
#include "tests/skin/skin_test_kit.h"

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? _wtoi(argv[1]) : 10;
  constexpr int kRepeats = 200;
  Application->Initialize();
  TsSkinManager manager(nullptr);
  if (!LoadSkin(manager, SkinsFolder(), L"Air")) return 1;
  TDataPanel* page = NewSkinnedPage(200, 100);
  auto* form = static_cast<TForm*>(page->Parent());
  auto* button = new TsButton(form);
  button->SetParent(page);
  button->SetBounds(20, 20, 75, 25);
  button->SetText(L"OK");
  manager.UpdateSkin(true);
  Application->ProcessMessages();

  HDC screen = GetDC(button->Handle());
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, 75, 25);
  HGDIOBJ old = SelectObject(memory, picture);
  const char* names[] = {"normal", "hot", "pressed", "default"};
  double best[4] = {1e30, 1e30, 1e30, 1e30};
  double bestFade = 1e30, bestBlit = 1e30;
  const auto setState = [&](int state) {
    button->SkinData.SetMouseAbove(state == 1);
    button->SetDown(state == 2);
    button->SetDefault(state == 3);
  };
  for (int round = 0; round < rounds; ++round) {
    for (int state = 0; state < 4; ++state) {
      setState(state);
      best[state] = std::min(best[state], Milliseconds([&] {
                               for (int i = 0; i < kRepeats; ++i) button->PrepareCache();
                             }) / kRepeats);
    }
    setState(0);
    button->PrepareCache();
    bestFade = std::min(bestFade, Milliseconds([&] {
      for (int i = 0; i < kRepeats; ++i) {
        button->SkinData.BGChanged = false;
        button->SkinData.SetMouseAbove(i % 2 == 0);
        TsFadeTimer*& slot = button->Face().FadeTimer;
        StartFade(slot, button->SkinData, false, fdUp);
        while (slot && slot->Progress.FadeLevel <= slot->Progress.Iterations) slot->Change();
        StopFade(slot, button->SkinData);
      }
    }) / kRepeats);
    bestBlit = std::min(bestBlit, Milliseconds([&] {
      for (int i = 0; i < kRepeats; ++i) BitBlt(screen, 0, 0, 75, 25, memory, 0, 0, SRCCOPY);
      GdiFlush();
    }) / kRepeats);
  }
  SelectObject(memory, old);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(button->Handle(), screen);
  for (int state = 0; state < 4; ++state) {
    std::printf("prepare cache, %-8s 75 x 25   %8.4f ms   (/ BitBlt %.1f)\n", names[state], best[state],
                best[state] / bestBlit);
  }
  std::printf("one hover fade, all frames     %8.4f ms   (/ BitBlt %.1f)\n", bestFade, bestFade / bestBlit);
  std::printf("one BitBlt 75 x 25             %8.4f ms\n", bestBlit);
  delete form;
  return 0;
}
