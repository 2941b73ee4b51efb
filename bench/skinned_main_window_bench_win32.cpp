// The renamer's main window with the skin Air (from its skin folder on drive
// F:) against the same window without a skin:
//   - a full repaint (frame and every child) with the list empty and with
//     10,000 rows; the aim is a skinned repaint under 16 ms;
//   - start-up to the first paint (the window made from its layout, shown and
//     painted) with the skin folder, the archive and no skin.
// Best of several rounds. Needs drive F: (scripts/bench and scripts/wine-run
// with ZELVAN_WINE_DRIVE_F give it).
// Usage: bench_skinned_main_window_win32 [rows (10000)] [rounds (15)]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/rename_main.h"
#include "bench/win32_folder.h"
#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "framework/folder_picker/directory_edit.h"
#include "framework/stdctrls/list_view.h"
#include "skin/store/skin_manager.h"
#include "tests/app/design_skin_folder.h"

namespace {

void PaintAll(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

double FullRepaint(TForm1& form, int rounds) {
  double best = 1e300;
  for (int round = 0; round < rounds; ++round) {
    best = std::min(best, Milliseconds([&] {
                      RedrawWindow(form.Handle(), nullptr, nullptr,
                                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
                    }));
  }
  return best;
}

double StartUp(TSkinOnDriveF kind, int rounds, bool& skinned) {
  double best = 1e300;
  for (int round = 0; round < rounds; ++round) {
    TDesignSkinFolder skin(kind);
    std::unique_ptr<TForm1> form;
    best = std::min(best, Milliseconds([&] {
                      form.reset(new TForm1(Application));
                      form->Show();
                      PaintAll(form->Handle());
                    }));
    skinned = form->sSkinManager1->Active();
    form.reset();
    Application->ProcessMessages();
  }
  return best;
}

struct TRepaints {
  double Empty = 0, Full = 0;
  bool Skinned = false, Complete = false;
  // Each windowed control repainted alone (with the rows), slowest first.
  std::vector<std::pair<double, std::wstring>> Children;
};

void TimeChildren(TForm1& form, int rounds, TRepaints& result) {
  for (int i = 0; i < form.ComponentCount(); ++i) {
    auto* control = dynamic_cast<TWinControl*>(form.Components(i));
    if (!control || !control->HandleAllocated()) continue;
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
      best = std::min(best, Milliseconds([&] {
                        RedrawWindow(control->Handle(), nullptr, nullptr,
                                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
                      }));
    }
    result.Children.emplace_back(best, control->Name());
  }
  std::sort(result.Children.rbegin(), result.Children.rend());
}

TRepaints Repaints(TSkinOnDriveF kind, const std::wstring& folder, int rows, int rounds) {
  TDesignSkinFolder skin(kind);
  TRepaints result;
  std::unique_ptr<TForm1> form(new TForm1(Application));
  form->Show();
  Application->ProcessMessages();
  result.Skinned = form->sSkinManager1->Active();
  result.Empty = FullRepaint(*form, rounds);
  form->ED_dir->SetText(folder);
  Application->ProcessMessages();
  result.Complete = SendMessageW(form->lv_Files->Handle(), LVM_GETITEMCOUNT, 0, 0) == rows;
  result.Full = FullRepaint(*form, rounds);
  TimeChildren(*form, rounds, result);
  form.reset();
  Application->ProcessMessages();
  return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rows = argc > 1 ? _wtoi(argv[1]) : 10000;
  const int rounds = argc > 2 ? _wtoi(argv[2]) : 15;
  Application->Initialize();
  if (!TDesignSkinFolder::DriveMapped()) {
    std::printf("drive F: is not mapped: run through scripts/bench (or scripts/wine-run with ZELVAN_WINE_DRIVE_F)\n");
    return 1;
  }
  const std::wstring folder = MakeFolder(L"zelvan_bench_skinned_main", rows);
  SetCursorPos(0, 0);

  const TRepaints plain = Repaints(TSkinOnDriveF::None, folder, rows, rounds);
  const TRepaints air = Repaints(TSkinOnDriveF::Folder, folder, rows, rounds);
  std::printf("main window, full repaint (frame and all children), best of %d%s%s\n", rounds,
              air.Skinned && !plain.Skinned ? "" : "  SKIN STATE WRONG", plain.Complete && air.Complete ? "" : "  LIST INCOMPLETE");
  std::printf("  list empty:      Air %7.2f ms   no skin %7.2f ms   ratio %.2f   (aim: Air under 16 ms)\n", air.Empty,
              plain.Empty, air.Empty / plain.Empty);
  std::printf("  %6d rows:     Air %7.2f ms   no skin %7.2f ms   ratio %.2f\n", rows, air.Full, plain.Full,
              air.Full / plain.Full);
  std::printf("  slowest controls alone, Air against no skin:");
  for (size_t i = 0; i < std::min<size_t>(4, air.Children.size()); ++i) {
    const auto& [ms, name] = air.Children[i];
    double plainMs = 0;
    for (const auto& [otherMs, otherName] : plain.Children) {
      if (otherName == name) plainMs = otherMs;
    }
    std::printf("  %ls %.2f/%.2f ms", name.c_str(), ms, plainMs);
  }
  std::printf("\n");

  const int starts = std::max(3, rounds / 3);
  bool none = true, fromFolder = false, fromArchive = false;
  const double startNone = StartUp(TSkinOnDriveF::None, starts, none);
  const double startFolder = StartUp(TSkinOnDriveF::Folder, starts, fromFolder);
  const double startArchive = StartUp(TSkinOnDriveF::Archive, starts, fromArchive);
  std::printf("start-up to first paint, best of %d%s\n", starts, !none && fromFolder && fromArchive ? "" : "  SKIN STATE WRONG");
  std::printf("  skin folder %7.1f ms   archive %7.1f ms   no skin %7.1f ms   ratios %.2f and %.2f\n", startFolder,
              startArchive, startNone, startFolder / startNone, startArchive / startNone);

  RemoveFolder(folder);
  return air.Skinned && plain.Complete && air.Complete ? 0 : 1;
}
