// Rebuilding every cache of a 531 x 420 form of Air with 30 skinned children
// and putting it on the screen, under Wine, against one BitBlt of the same
// area. Best of several rounds, alternating.
// Usage: bench_skin_cache_win32 [rounds (10)]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "tests/skin/skin_test_kit.h"

namespace {

void MarkAll(TWinControl* control) {
  if (auto* data = dynamic_cast<TDataPanel*>(control)) data->SkinData.BGChanged = true;
  for (int i = 0; i < control->ControlCount(); ++i) {
    if (auto* shape = dynamic_cast<TDataShape*>(control->Controls(i))) shape->SkinData.BGChanged = true;
    if (auto* child = dynamic_cast<TWinControl*>(control->Controls(i))) MarkAll(child);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? _wtoi(argv[1]) : 10;
  Application->Initialize();
  TsSkinManager manager(nullptr);
  if (!LoadSkin(manager, SkinsFolder(), L"Air")) return 1;
  TDataPanel* page = NewSkinnedPage(531, 420);
  auto* form = static_cast<TForm*>(page->Parent());
  const char* sections[] = {"EDIT", "BUTTON", "PANEL", "GROUPBOX", "CHECKBOX"};
  const int kinds[] = {2, 93, 51, 74, 32};
  for (int i = 0; i < 30; ++i) {
    auto* child = new TDataPanel(page, kinds[i % 5]);
    child->SetBounds(10 + (i % 5) * 100, 10 + (i / 5) * 65, 90, 55);
    child->SetParent(page);
    child->SkinData.SetSkinSection(sections[i % 5]);
  }
  form->Show();
  manager.UpdateSkin(true);
  Application->ProcessMessages();

  HDC screen = GetDC(page->Handle());
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, 531, 420);
  HGDIOBJ old = SelectObject(memory, picture);
  double bestRebuild = 1e30, bestBlit = 1e30;
  for (int round = 0; round < rounds; ++round) {
    bestRebuild = std::min(bestRebuild, Milliseconds([&] {
      MarkAll(page);
      RedrawWindow(page->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }));
    bestBlit = std::min(bestBlit, Milliseconds([&] {
      BitBlt(screen, 0, 0, 531, 420, memory, 0, 0, SRCCOPY);
      GdiFlush();
    }));
  }
  SelectObject(memory, old);
  DeleteObject(picture);
  DeleteDC(memory);
  ReleaseDC(page->Handle(), screen);
  std::printf("rebuild and show 531 x 420 with 30 children  %8.3f ms\n", bestRebuild);
  std::printf("one BitBlt of the same area                    %8.3f ms   (rebuild / BitBlt %.1f)\n", bestBlit,
              bestRebuild / bestBlit);
  delete form;
  return 0;
}
