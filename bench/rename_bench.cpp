// Listing a folder of 100,000 files into a plan and naming them, against a
// bare readdir + stat loop over the same folder in the same run.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "core/rename/posix_file_operations.h"
#include "core/rename/rename_plan.h"

namespace {

constexpr int kEntries = 100000;

const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / "zelvan_bench_listing";
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    for (int i = 0; i < kEntries; ++i) {
      const std::string name = (path / ("photo_" + std::to_string(i) + ".jpg")).string();
      ::close(::open(name.c_str(), O_CREAT | O_WRONLY, 0644));
    }
    return path;
  }();
  return folder;
}

void BM_ReaddirStatReference(benchmark::State& state) {
  const std::string folder = Folder().string();
  for (auto _ : state) {
    int found = 0;
    DIR* dir = ::opendir(folder.c_str());
    while (const dirent* item = ::readdir(dir)) {
      struct stat info {};
      const std::string path = folder + "/" + item->d_name;
      if (::stat(path.c_str(), &info) == 0) ++found;
    }
    ::closedir(dir);
    benchmark::DoNotOptimize(found);
  }
  state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_ReaddirStatReference)->Unit(benchmark::kMillisecond);

void BM_ListFolderAndComputeNewNames(benchmark::State& state) {
  const std::u16string folder = Folder().u16string();
  zelvan::rename::TPosixFileOperations files;
  for (auto _ : state) {
    zelvan::rename::TRenamePlan plan;
    plan.ListFolder(folder, zelvan::rename::TEntryKind::Files, files);
    plan.ComputeNewNames({u"img", 1, 3, zelvan::rename::TExtensionMode::Keep, u""});
    benchmark::DoNotOptimize(plan.Rows().data());
  }
  state.SetItemsProcessed(state.iterations() * kEntries);
}
BENCHMARK(BM_ListFolderAndComputeNewNames)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
