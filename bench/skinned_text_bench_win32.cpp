// Skinned captions under Wine: a caption with two side colours (three text
// calls and the state handling around them) against one plain DrawText of
// the same caption (and three of them), and a glow whose blurred plane is rebuilt each time
// against one reused from its cache. Best of several rounds, alternating.
// Usage: bench_skinned_text_win32 [rounds (10)]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "skin/paint/skinned_text.h"
#include "tests/skin/skin_test_kit.h"

namespace {

constexpr int kCalls = 500;
constexpr UINT kFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER;

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? _wtoi(argv[1]) : 10;
  Application->Initialize();
  TsSkinManager manager(nullptr);
  if (!LoadSkin(manager, SkinsFolder(), L"Air")) return 1;
  // Air draws no side colours: give its button an outline for the run.
  const int button = manager.GetSkinIndex("BUTTON");
  if (!manager.IsValidSkinIndex(button)) return 1;
  auto& colors = manager.gd[static_cast<size_t>(button)].Props[0].FontColor;
  colors.Left = 0xFFFFFF;
  colors.Right = 0xFFFFFF;
  auto* form = new TForm(Application);
  auto* shape = new TDataShape(form, 93);
  shape->SetParent(form);
  shape->SkinData.SetSkinSection("BUTTON");

  TBitmap bitmap(200, 40, pf32bit);
  TCanvas& canvas = bitmap.Canvas();
  const std::wstring caption = L"Rename all files";
  const RECT rect{0, 0, 200, 40};
  double bestPlain = 1e30, bestThree = 1e30, bestSkinned = 1e30, bestRebuilt = 1e30, bestReused = 1e30;
  TTextGlowCache kept;
  for (int round = 0; round < rounds; ++round) {
    bestPlain = std::min(bestPlain, Milliseconds([&] {
      HDC dc = canvas.Handle();
      HGDIOBJ old = SelectObject(dc, canvas.Font().Handle());
      SetBkMode(dc, TRANSPARENT);
      for (int i = 0; i < kCalls; ++i) DrawTextRect(dc, caption, rect, kFormat);
      SelectObject(dc, old);
      GdiFlush();
    }));
    bestThree = std::min(bestThree, Milliseconds([&] {
      HDC dc = canvas.Handle();
      HGDIOBJ old = SelectObject(dc, canvas.Font().Handle());
      SetBkMode(dc, TRANSPARENT);
      for (int i = 0; i < 3 * kCalls; ++i) DrawTextRect(dc, caption, rect, kFormat);
      SelectObject(dc, old);
      GdiFlush();
    }));
    bestSkinned = std::min(bestSkinned, Milliseconds([&] {
      for (int i = 0; i < kCalls; ++i) WriteTextEx(canvas, caption, true, 0, &shape->SkinData, kFormat, rect);
      GdiFlush();
    }));
    bestRebuilt = std::min(bestRebuilt, Milliseconds([&] {
      for (int i = 0; i < kCalls; ++i) {
        TTextGlowCache fresh;
        DrawTextGlow(bitmap, canvas.Font(), caption, rect, fresh, 0x0000FF, 4, kAllSides, kFormat);
      }
    }));
    bestReused = std::min(bestReused, Milliseconds([&] {
      for (int i = 0; i < kCalls; ++i)
        DrawTextGlow(bitmap, canvas.Font(), caption, rect, kept, 0x0000FF, 4, kAllSides, kFormat);
    }));
  }
  const double us = 1000.0 / kCalls;
  std::printf("plain DrawText of one caption                 %8.2f us\n", bestPlain * us);
  std::printf("three plain DrawText calls                    %8.2f us\n", bestThree * us);
  std::printf("WriteTextEx with two side colours              %8.2f us   (/ plain %.1f, / three %.1f)\n",
              bestSkinned * us, bestSkinned / bestPlain, bestSkinned / bestThree);
  std::printf("DrawTextGlow, plane rebuilt every call         %8.2f us\n", bestRebuilt * us);
  std::printf("DrawTextGlow, plane reused from its cache      %8.2f us   (rebuilt / reused %.1f)\n",
              bestReused * us, bestRebuilt / bestReused);
  delete form;
  return 0;
}
