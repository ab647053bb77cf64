// Time of a complete database load (20,000 wrestlers, 5,000 moves, 2,000 dives, 2,000 teams, 1,000
// managers and the smaller kinds), next to the time `cat` takes to read the same files.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "db/catalogue.h"
#include "db/load_database.h"
#include "memory/heap_blocks.h"
#include "platform/errors.h"
#include "support/game_generator.h"

namespace {

testsupport::GameFolder& generatedFolder() {
  static testsupport::GameFolder folder;
  static bool written = [] {
    testsupport::writeGeneratedDatabase(folder, testsupport::GeneratedSizes{});
    return true;
  }();
  (void)written;
  return folder;
}

// Seconds `cat` takes to read every file of the folder's data folder once.
double catSeconds(const testsupport::GameFolder& folder) {
  std::string command = "cat";
  for (const auto& entry : std::filesystem::directory_iterator(folder.root() / "data")) {
    command += " '" + entry.path().string() + "'";
  }
  command += " > /dev/null";
  auto start = std::chrono::steady_clock::now();
  if (std::system(command.c_str()) != 0) return -1;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_LoadDatabase(benchmark::State& state) {
  testsupport::GameFolder& folder = generatedFolder();
  memory::HEAPBEGIN();
  int reports = 0;
  platform::ReportHandler previous = platform::setReportHandler([&](const platform::UntrappedError&) {
    ++reports;
    return platform::ReportAnswer::Continue;
  });
  db::Catalogue catalogue;
  for (auto _ : state) {
    benchmark::DoNotOptimize(db::LOADDBS(catalogue, folder.path(), 1, 0, {}));
  }
  state.counters["wrestlers"] = catalogue.WrestlerCount;
  state.counters["reports"] = reports;

  double cat = 0;
  constexpr int kCatRuns = 5;
  for (int i = 0; i < kCatRuns; ++i) cat += catSeconds(folder);
  state.counters["cat_ms"] = cat / kCatRuns * 1000.0;

  db::releaseCatalogue(catalogue);
  platform::setReportHandler(previous);
  memory::HEAPEND();
}
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
