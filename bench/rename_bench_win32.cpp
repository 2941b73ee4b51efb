// Windows benchmarks of the renamer, each against a bare loop of the same
// system calls in the same run (best of several rounds, alternating):
//   listing: ListFolder + ComputeNewNames vs FindFirstFileW/FindNextFileW + GetFileAttributesW
//   passes:  RenameEntries + RestoreEntries vs the same MoveFileW calls
// Usage: bench_rename_win32 [listing entries (100000)] [renamed files (10000)] [rounds (3)]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/rename/win32_file_operations.h"
#include "core/rename/rename_engine.h"
#include "core/rename/rename_plan.h"
#include "bench/win32_folder.h"
#include "bench/win32_timing.h"

namespace {

using zelvan::rename::TEntryKind;
using zelvan::rename::TExtensionMode;
using zelvan::rename::TRenamePlan;

std::u16string Text(const std::wstring& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.c_str()), text.size());
}

void Report(const char* what, double reference_ms, double ours_ms) {
  std::printf("%-44s reference %9.1f ms  ours %9.1f ms  speed ratio %.2f\n", what, reference_ms,
              ours_ms, reference_ms / ours_ms);
}

void BenchListing(int entries, int rounds) {
  const std::wstring folder = MakeFolder(L"zelvan_bench_listing", entries);
  TWin32FileOperations files;
  double reference = 1e300, ours = 1e300;
  size_t rows = 0;
  for (int round = 0; round < rounds; ++round) {
    reference = std::min(reference, Milliseconds([&] {
      WIN32_FIND_DATAW data;
      HANDLE find = FindFirstFileW((folder + L"\\*.*").c_str(), &data);
      int found = 0;
      do {
        const std::wstring path = folder + L"\\" + data.cFileName;
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) ++found;
      } while (FindNextFileW(find, &data));
      FindClose(find);
      if (found < entries) std::abort();
    }));
    ours = std::min(ours, Milliseconds([&] {
      TRenamePlan plan;
      plan.ListFolder(Text(folder), TEntryKind::Files, files);
      plan.ComputeNewNames({u"img", 1, 3, TExtensionMode::Keep, u""});
      rows = plan.Rows().size();
    }));
  }
  if (rows != static_cast<size_t>(entries)) std::abort();
  Report(("ListFolder+ComputeNewNames, " + std::to_string(entries) + " files").c_str(), reference,
         ours);
  RemoveFolder(folder);
}

void BenchPasses(int count, int rounds) {
  const std::wstring folder = MakeFolder(L"zelvan_bench_passes", count);
  TWin32FileOperations files;
  TRenamePlan plan;
  plan.ListFolder(Text(folder), TEntryKind::Files, files);
  plan.ComputeNewNames({u"img", 1, 5, TExtensionMode::Keep, u""});
  std::vector<std::pair<std::wstring, std::wstring>> moves;
  for (const auto& row : plan.Rows()) {
    moves.emplace_back(folder + L"\\" + reinterpret_cast<const wchar_t*>(row.OriginalName.c_str()),
                       folder + L"\\" + reinterpret_cast<const wchar_t*>(row.NewName->c_str()));
  }
  double reference = 1e300, ours = 1e300;
  for (int round = 0; round < rounds; ++round) {
    reference = std::min(reference, Milliseconds([&] {
      int moved = 0;
      for (const auto& [from, to] : moves) moved += MoveFileW(from.c_str(), to.c_str()) != 0;
      for (const auto& [from, to] : moves) moved += MoveFileW(to.c_str(), from.c_str()) != 0;
      if (moved != 2 * count) std::abort();
    }));
    ours = std::min(ours, Milliseconds([&] {
      RenameEntries(plan, Text(folder), files);
      RestoreEntries(plan, Text(folder), files);
    }));
    for (const auto& row : plan.Rows()) {
      if (row.Result != u"") std::abort();  // every move of both passes succeeded
    }
  }
  Report(("RenameEntries+RestoreEntries, " + std::to_string(count) + " files").c_str(), reference,
         ours);
  RemoveFolder(folder);
}

}  // namespace

int main(int argc, char** argv) {
  const int listing = argc > 1 ? std::atoi(argv[1]) : 100000;
  const int renamed = argc > 2 ? std::atoi(argv[2]) : 10000;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 3;
  BenchListing(listing, rounds);
  BenchPasses(renamed, rounds);
  return 0;
}
