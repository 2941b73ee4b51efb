// The main window with a folder of N files under Wine: the time from setting
// the folder text to the whole list shown (listing, names computed, rows
// written, window painted), and the time of one keystroke in the prefix box
// (every new name recomputed and rewritten, list painted). For scale, the
// same run times a bare reference: FindFirstFileW listing with the same
// per-entry existence test (GetFileAttributesW) plus list view messages with
// the texts stored in the window. Best of several rounds.
//
// Skinned against unskinned: the main window's edits are still the ordinary
// ones, so a skinned TsEdit (Air) and an ordinary TEdit take turns standing
// in for the prefix box on the same form, each passing its text on to it, so
// every keystroke recomputes the same rows; and the same two edits without
// the list, a keystroke and a text set from code (which rebuilds the cache).
// Usage: bench_main_window_win32 [files (10000)] [rounds (3)] [folder]
// A folder given holds the files already (made outside Wine, which creates
// a hundred thousand files slowly) and is left in place.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/rename_main.h"
#include "bench/win32_folder.h"
#include "bench/win32_timing.h"
#include "framework/application/application.h"
#include "framework/stdctrls/button.h"
#include "framework/stdctrls/custom_edit.h"
#include "framework/stdctrls/list_view.h"
#include "framework/folder_picker/directory_edit.h"
#include "skin/controls/edit.h"
#include "skin/store/skin_manager.h"

namespace {

void Paint(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

// Lists the folder and fills a plain report list with the names.
double BareListing(const std::wstring& folder, HWND list) {
  return Milliseconds([&] {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*.*").c_str(), &data);
    int row = 0;
    do {
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      if (GetFileAttributesW((folder + L"\\" + data.cFileName).c_str()) == INVALID_FILE_ATTRIBUTES) continue;
      std::wstring number = std::to_wstring(row + 1);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = row;
      item.pszText = number.data();
      SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
      item.iSubItem = 1;
      item.pszText = data.cFileName;
      SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
      std::wstring newName = L"p" + number + L".txt";
      item.iSubItem = 2;
      item.pszText = newName.data();
      SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
      ++row;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    Paint(list);
  });
}

// Only the platform's listing loop over the folder.
double FindLoop(const std::wstring& folder) {
  return Milliseconds([&] {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*.*").c_str(), &data);
    int entries = 0;
    do ++entries;
    while (FindNextFileW(find, &data));
    FindClose(find);
    if (entries < 0) std::printf("?");
  });
}

// The process's resident memory, in bytes.
// A stand-in for the prefix box at its place; with `forward`, its text goes on to the prefix box.
template <typename T>
T* StandIn(TForm1& form, bool forward) {
  auto* edit = new T(&form);
  edit->SetParent(form.ED_fn->Parent());
  edit->SetBounds(form.ED_fn->Left(), form.ED_fn->Top(), form.ED_fn->Width(), form.ED_fn->Height());
  if (forward) edit->OnChange = [edit, &form](TObject*) { form.ED_fn->SetText(edit->Text()); };
  return edit;
}

// The best time of one typed character into a focused edit, the list painted after.
double Keystroke(TCustomEdit& edit, HWND list, int rounds) {
  double best = 1e300;
  edit.SetFocus();
  for (int round = 0; round < rounds; ++round) {
    SendMessageW(edit.Handle(), EM_SETSEL, 1000, 1000);
    best = std::min(best, Milliseconds([&] {
                      SendMessageW(edit.Handle(), WM_CHAR, L'a' + round % 26, 1);
                      UpdateWindow(edit.Handle());
                      if (list) Paint(list);
                    }));
  }
  return best;
}

// The best time of a text set from code into an edit without the focus, shown.
double TextFromCode(TCustomEdit& edit, HWND away, int rounds) {
  double best = 1e300;
  SetFocus(away);
  for (int round = 0; round < rounds; ++round) {
    best = std::min(best, Milliseconds([&] {
                      edit.SetText(L"p" + std::to_wstring(round));
                      UpdateWindow(edit.Handle());
                    }));
  }
  return best;
}

size_t Resident() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters.WorkingSetSize;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int files = argc > 1 ? _wtoi(argv[1]) : 10000;
  const int rounds = argc > 2 ? _wtoi(argv[2]) : 3;
  Application->Initialize();

  const bool given = argc > 3;
  const std::wstring folder = given ? std::wstring(argv[3]) : MakeFolder(L"zelvan_bench_main_window", files);

  auto* form = new TForm1(Application);
  form->Show();
  Application->ProcessMessages();
  HWND list = form->lv_Files->Handle();
  HWND plain = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 481, 201,
                               form->Handle(), nullptr, nullptr, nullptr);
  for (int column = 0; column < 4; ++column) {
    LVCOLUMNW info{};
    info.mask = LVCF_WIDTH;
    info.cx = 100;
    SendMessageW(plain, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
  }
  ShowWindow(plain, SW_HIDE);

  double listing = 1e300, keystroke = 1e300, bare = 1e300, loop = 1e300;
  form->ED_dir->SetText(L"");
  Application->ProcessMessages();
  const size_t before = Resident();
  form->ED_dir->SetText(folder);
  Application->ProcessMessages();
  const double perRow = (static_cast<double>(Resident()) - static_cast<double>(before)) / files;
  for (int round = 0; round < rounds; ++round) {
    form->ED_dir->SetText(L"");
    Application->ProcessMessages();
    listing = std::min(listing, Milliseconds([&] {
                         form->ED_dir->SetText(folder);
                         Paint(list);
                       }));
    form->ED_fn->SetFocus();
    SendMessageW(form->ED_fn->Handle(), EM_SETSEL, 1000, 1000);
    keystroke = std::min(keystroke, Milliseconds([&] {
                           SendMessageW(form->ED_fn->Handle(), WM_CHAR, L'a' + round, 1);
                           Paint(list);
                         }));
    loop = std::min(loop, FindLoop(folder));
    ShowWindow(plain, SW_SHOW);
    bare = std::min(bare, BareListing(folder, plain));
    ShowWindow(plain, SW_HIDE);
  }
  const bool complete = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == files;
  std::printf("main window, folder of %d files (best of %d)%s\n", files, rounds, complete ? "" : "  LIST INCOMPLETE");
  std::printf("  folder text -> list shown: %9.1f ms   bare listing + existence tests + list messages %9.1f ms   ratio %.2f\n", listing,
              bare, listing / bare);
  std::printf("  bare FindFirstFileW/FindNextFileW loop: %9.1f ms   listing / loop %.2f\n", loop, listing / loop);
  std::printf("  resident memory per row:   %9.0f bytes\n", perRow);
  std::printf("  one keystroke in prefix:   %9.1f ms   (aim: under 50 ms)\n", keystroke);

  // Skinned against unskinned, on the same window with the same rows: the
  // window's own manager takes Air.
  TsSkinManager& manager = *form->sSkinManager1;
  manager.SetSkinDirectory(ZELVAN_SKINS);
  manager.SetSkinName(L"Air");
  manager.SetActive(true);  // it turned itself off when its own folder was missing
  form->ED_fn->SetVisible(false);
  auto* plainEdit = StandIn<TEdit>(*form, true);
  auto* skinnedEdit = StandIn<TsEdit>(*form, true);
  Application->ProcessMessages();
  const int turns = std::max(rounds, 5);
  double plainKey = 1e300, skinnedKey = 1e300;
  for (int turn = 0; turn < 2; ++turn) {
    plainEdit->SetVisible(true);
    skinnedEdit->SetVisible(false);
    plainKey = std::min(plainKey, Keystroke(*plainEdit, list, turns));
    plainEdit->SetVisible(false);
    skinnedEdit->SetVisible(true);
    skinnedKey = std::min(skinnedKey, Keystroke(*skinnedEdit, list, turns));
  }
  delete plainEdit;
  delete skinnedEdit;
  auto* plainAlone = StandIn<TEdit>(*form, false);
  auto* skinnedAlone = StandIn<TsEdit>(*form, false);
  skinnedAlone->SetTop(skinnedAlone->Top() + 30);
  Application->ProcessMessages();
  const double plainAloneKey = Keystroke(*plainAlone, nullptr, 50), skinnedAloneKey = Keystroke(*skinnedAlone, nullptr, 50);
  HWND away = form->btn_close->Handle();
  const double plainSet = TextFromCode(*plainAlone, away, 50), skinnedSet = TextFromCode(*skinnedAlone, away, 50);
  const bool skinActive = manager.Active() && skinnedAlone->SkinData.Skinned();
  std::printf("  skinned TsEdit (Air) against an ordinary TEdit standing in for the prefix box%s:\n",
              skinActive ? "" : "  SKIN NOT ACTIVE");
  std::printf("    keystroke, %d rows recomputed: %9.2f ms against %9.2f ms   ratio %.2f\n", files, skinnedKey,
              plainKey, skinnedKey / plainKey);
  std::printf("    keystroke, edit alone:          %9.3f ms against %9.3f ms   ratio %.2f\n", skinnedAloneKey,
              plainAloneKey, skinnedAloneKey / plainAloneKey);
  std::printf("    text set from code, unfocused:  %9.3f ms against %9.3f ms   ratio %.2f\n", skinnedSet, plainSet,
              skinnedSet / plainSet);

  delete form;
  if (!given) RemoveFolder(folder);
  return complete ? 0 : 1;
}
