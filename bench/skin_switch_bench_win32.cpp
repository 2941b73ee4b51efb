// Telling a window of 200 skinned controls of a skin, under Wine: a full skin
// switch (load and broadcast) and the broadcast alone, against a bare loop of
// as many SendMessageW calls to the same windows as the broadcast made.
// Best of several rounds, alternating.
// Usage: bench_skin_switch_win32 [controls (200)] [rounds (5)]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "tests/skin/skin_test_kit.h"

namespace {

int gCommands = 0;  // skin commands the controls received, queries included

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int controls = argc > 1 ? _wtoi(argv[1]) : 200;
  const int rounds = argc > 2 ? _wtoi(argv[2]) : 5;
  Application->Initialize();
  TsSkinManager manager(nullptr);
  manager.SetSkinDirectory(SkinsFolder());
  manager.SetSkinName(L"Air");
  if (!manager.Active()) {
    std::fprintf(stderr, "Air not found in %ls\n", SkinsFolder().c_str());
    return 1;
  }
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 640, 480);
  std::vector<HWND> windows;
  for (int i = 0; i < controls; ++i) {
    auto* panel = new TSkinnedPanel(form);
    panel->SetBounds((i % 20) * 30, (i / 20) * 20, 28, 18);
    panel->SetParent(form);
    TWndMethod previous = panel->WindowProc;
    panel->WindowProc = [previous](TMessage& m) {
      if (m.Msg == SKM_COMMAND) ++gCommands;
      previous(m);
    };
    windows.push_back(panel->Handle());
  }
  form->Show();
  Application->ProcessMessages();

  double bestSwitch = 1e30, bestBroadcast = 1e30, bestBare = 1e30;
  int sent = 0;
  for (int round = 0; round < rounds; ++round) {
    CommandLog().Clear();
    bestSwitch = std::min(bestSwitch, Milliseconds([&] { manager.SetSkinName(L"Air"); }));
    CommandLog().Clear();
    gCommands = 0;
    bestBroadcast = std::min(bestBroadcast, Milliseconds([&] { manager.UpdateSkin(true); }));
    sent = gCommands;
    const int perWindow = sent / std::max(controls, 1);
    bestBare = std::min(bestBare, Milliseconds([&] {
      for (HWND window : windows)
        for (int i = 0; i < perWindow; ++i) SendMessageW(window, WM_NULL, 0, 0);
    }));
  }
  std::printf("controls %d, skin commands per broadcast %d\n", controls, sent);
  std::printf("full switch (load + broadcast)  %8.2f ms\n", bestSwitch);
  std::printf("broadcast alone                 %8.2f ms\n", bestBroadcast);
  std::printf("bare SendMessageW, same count   %8.2f ms   (broadcast / bare %.2f)\n", bestBare,
              bestBroadcast / bestBare);
  delete form;
  return 0;
}
