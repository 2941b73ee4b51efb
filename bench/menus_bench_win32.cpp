// Skinned popup items and caption buttons of Air under Wine: one owner-drawn
// item drawn by the skin against the same item drawn plainly with GDI (fill,
// text, shortcut: what an unskinned owner-drawn item costs); repainting one
// hot caption button against a full frame render of the same 800 x 600 form.
// Best of several rounds, alternating.
// Usage: bench_menus_win32 [rounds (10)]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "skin/menus/skinable_menus.h"
#include "skin/window/skin_provider.h"
#include "tests/skin/skin_test_kit.h"

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? _wtoi(argv[1]) : 10;
  constexpr int kItems = 500;
  Application->Initialize();
  TsSkinManager manager(nullptr);
  if (!LoadSkin(manager, SkinsFolder(), L"Air")) return 1;
  manager.Effects.SetAllowGlowing(false);
  TsSkinableMenus* painter = SkinableMenusOf(&manager);

  TPopupMenu menu(nullptr);
  TMenuItem* item = menu.Items().Add(L"打开文件夹 Open");
  item->ShortCutText = L"Ctrl+O";
  item->Checked = true;
  TBitmap target(200, 24, pf32bit);
  HDC dc = target.Canvas().Handle();
  const RECT rect{0, 0, 200, 24};
  painter->sAdvancedDrawItem(item, dc, rect, TOwnerDrawState{odSelected});  // the popup's background, once

  auto* form = new TForm(Application);
  form->SetBounds(20, 20, 800, 600);
  form->SetCaption(L"Zelvan 批量改名");
  auto* provider = new TsSkinProvider(form);
  form->Show();
  Application->ProcessMessages();
  if (!provider->Skinned()) return 1;
  provider->RenderFrame();

  double bestSkin = 1e30, bestPlain = 1e30, bestButton = 1e30, bestFrame = 1e30;
  for (int round = 0; round < rounds; ++round) {
    bestPlain = std::min(bestPlain, Milliseconds([&] {
      for (int i = 0; i < kItems; ++i) item->DrawDefault(dc, rect, TOwnerDrawState{odSelected});
      GdiFlush();
    }));
    bestSkin = std::min(bestSkin, Milliseconds([&] {
      for (int i = 0; i < kItems; ++i) painter->sAdvancedDrawItem(item, dc, rect, TOwnerDrawState{odSelected});
      GdiFlush();
    }));
    bestFrame = std::min(bestFrame, Milliseconds([&] {
      provider->SkinData.BGChanged = true;
      provider->RenderFrame();
      GdiFlush();
    }));
    bestButton = std::min(bestButton, Milliseconds([&] {
      provider->ButtonClose.State = 1 + round % 2;
      provider->RepaintButton(provider->ButtonClose);
      GdiFlush();
    }));
  }
  std::printf("skinned owner-drawn item, 200 x 24    %8.3f us   (skinned / plain GDI item %.2f)\n",
              1000.0 * bestSkin / kItems, bestSkin / bestPlain);
  std::printf("plain GDI item (fill, text, shortcut) %8.3f us\n", 1000.0 * bestPlain / kItems);
  std::printf("one hot caption button repainted      %8.3f ms   (button / full frame render %.3f)\n", bestButton,
              bestButton / bestFrame);
  std::printf("full frame render, 800 x 600          %8.3f ms\n", bestFrame);
  delete form;
  return 0;
}
