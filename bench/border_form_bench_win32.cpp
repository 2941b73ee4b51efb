// Extended borders of Air under Wine: 200 moves of a skinned form with its
// shadow window following, against the same moves without extended borders;
// and the same moves painting the border picture (frame and shadow) anew at
// every move, against the kept picture that a move only moves; and 200
// caption changes, each painting the frame and pushing the border picture,
// against the same changes on the ordinary frame. Best of several rounds.
// Usage: bench_border_form_win32 [rounds (5)]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "framework/forms/form.h"
#include "skin/store/skin_manager.h"
#include "skin/window/border_form.h"
#include "skin/window/skin_provider.h"
#include "tests/skin/skin_test_kit.h"

namespace {

constexpr int kMoves = 200;

void Moves(TForm& form, TsSkinProvider& provider, bool repaint) {
  for (int i = 0; i < kMoves; ++i) {
    if (repaint && provider.BorderForm()) provider.BorderForm()->Invalidate();
    SetWindowPos(form.Handle(), nullptr, 100 + i % 2 * 40, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Captions(TForm& form) {
  for (int i = 0; i < kMoves; ++i) form.SetCaption(i % 2 ? L"Bench caption" : L"Bench caption, changed");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? _wtoi(argv[1]) : 5;
  Application->Initialize();
  TsSkinManager manager(nullptr);
  if (!LoadSkin(manager, SkinsFolder(), L"Air")) return 1;
  auto* form = new TForm(Application);
  form->SetBorderStyle(bsSizeable);
  form->SetBounds(100, 100, 640, 480);
  form->SetCaption(L"Bench");
  auto* provider = new TsSkinProvider(form);
  form->Show();
  Application->ProcessMessages();
  double kept = 1e30, repainted = 1e30, bare = 1e30, titled = 1e30, bareTitled = 1e30;
  int pictures = 0;
  bool bordered = false;
  for (int round = 0; round < rounds; ++round) {
    manager.SetExtendedBorders(true);
    Application->ProcessMessages();
    bordered = provider->BorderForm() != nullptr;
    kept = std::min(kept, Milliseconds([&] { Moves(*form, *provider, false); }));
    repainted = std::min(repainted, Milliseconds([&] { Moves(*form, *provider, true); }));
    const int paintsBefore = provider->BorderForm() ? provider->BorderForm()->Paints() : 0;
    titled = std::min(titled, Milliseconds([&] { Captions(*form); }));
    if (provider->BorderForm()) pictures = provider->BorderForm()->Paints() - paintsBefore;
    manager.SetExtendedBorders(false);
    Application->ProcessMessages();
    bare = std::min(bare, Milliseconds([&] { Moves(*form, *provider, false); }));
    bareTitled = std::min(bareTitled, Milliseconds([&] { Captions(*form); }));
  }
  if (!bordered) {
    std::printf("no border window was made\n");
    return 1;
  }
  std::printf("200 moves of a 640 x 480 form, shadow kept       %8.3f ms   (with border / without %.3f)\n", kept,
              kept / bare);
  std::printf("200 moves, shadow painted anew at every move      %8.3f ms   (anew / kept %.3f)\n", repainted,
              repainted / kept);
  std::printf("200 moves without extended borders                %8.3f ms\n", bare);
  std::printf("200 caption changes, border picture pushed        %8.3f ms   (%.3f ms each = %.1f%% of a 16 ms frame;"
              " / ordinary frame %.3f)\n",
              titled, titled / kMoves, 100.0 * titled / kMoves / 16.0, titled / bareTitled);
  std::printf("200 caption changes on the ordinary frame         %8.3f ms\n", bareTitled);
  std::printf("border pictures painted for 200 caption changes   %8d\n", pictures);
  delete form;
  return 0;
}
