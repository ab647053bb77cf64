// Time of a full interactive import of 200 wrestlers (with 300 moves, 40 dives, 20 managers and 100 tag
// teams) into the large generated game folder (20,000 wrestlers, 5,000 moves, 2,000 dives, 2,000 teams,
// 1,000 managers): the parse, Parse Selection and the run's passes 1 to 8, that is every record file
// rewritten, committed with its backups and indexed. Next to it, the time `cp -r` takes to copy the
// same data folder, measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "db/catalogue.h"
#include "db/load_database.h"
#include "export/incoming.h"
#include "import/import_run.h"
#include "memory/heap_blocks.h"
#include "platform/errors.h"
#include "services/messages.h"
#include "support/export_writer.h"
#include "support/game_generator.h"
#include "support/import_road.h"
#include "support/import_scenario.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWrestlers = 200;
constexpr int kExisting = 40;  // of them already in the database: replaced in place
constexpr int kMoves = 300;
constexpr int kDives = 40;
constexpr int kManagers = 20;
constexpr int kTeams = 100;

std::string numbered(const char* format, int i) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, i);
  return buffer;
}

// The wrestler list name of export wrestler i, as the wizard shows it.
std::string benchWrestlerName(int i) {
  return i <= kExisting ? testsupport::generatedWrestlerName(100 + i) : numbered("Bench Wrestler %03d", i);
}

testsupport::ExportLines benchExport() {
  testsupport::WrestlerExportFile file;
  for (int i = 1; i <= kWrestlers; ++i) {
    testsupport::WrestlerSpec spec = testsupport::wrestlerSpec(testsupport::cp437(benchWrestlerName(i)));
    for (int slot = 1; slot <= 30; ++slot) spec.moves.push_back((i * 7 + slot * 11) % kMoves + 1);
    spec.managers = {i % kManagers + 1, 0, 0, 0};
    spec.dives = {i % kDives + 1, 0, 0, 0, 0};
    spec.number79 = i % 2;
    file.wrestlers.push_back(spec.toLines());
  }
  for (int t = 1; t <= kTeams; ++t) {
    file.teams.push_back(testsupport::teamSpec(testsupport::cp437(benchWrestlerName(2 * t - 1)),
                                               testsupport::cp437(benchWrestlerName(2 * t)),
                                               numbered("Bench Team %d", t),
                                               "!" + std::to_string(t % kMoves + 1) + "-" +
                                                   std::to_string((t * 3) % kMoves + 1) + "/BT")
                             .toLines());
  }
  for (int s = 1; s <= kMoves; ++s) {
    // The first fifty carry names of the database's moves and are merged into them.
    testsupport::MoveSpec move =
        testsupport::moveSpec(s <= 50 ? testsupport::generatedMoveLine(s) : numbered("a Bench Move %d", s));
    move.lines[7] = testsupport::numberLine(s % kMoves + 1);
    file.moves.push_back(testsupport::exportedMove(s, move));
  }
  for (int s = 1; s <= kManagers; ++s) {
    file.managers.push_back(
        testsupport::exportedManager(s, testsupport::managerSpec(numbered("Bench Manager %d", s))));
  }
  for (int s = 1; s <= kDives; ++s) {
    testsupport::DiveSpec dive = testsupport::diveSpec(numbered("a Bench Dive %d", s));
    dive.lines[3] = testsupport::numberLine(s * 5);
    file.dives.push_back(testsupport::exportedDive(s, dive));
  }
  return file.lines();
}

struct BenchFolders {
  testsupport::GameFolder pristine;
  testsupport::GameFolder work;
  std::string exportPath;
};

BenchFolders& folders() {
  static BenchFolders instance;
  static bool written = [] {
    testsupport::writeGeneratedDatabase(instance.pristine, testsupport::GeneratedSizes{});
    instance.exportPath = (instance.work.root() / "bench.zor").string();
    testsupport::writeFileBytes(
        instance.exportPath, testsupport::encipheredExportBytes(benchExport(), testsupport::exportKeys(1)));
    return true;
  }();
  (void)written;
  return instance;
}

void restoreData(const BenchFolders& f) {
  fs::remove_all(f.work.root() / "data");
  fs::copy(f.pristine.root() / "data", f.work.root() / "data", fs::copy_options::recursive);
}

// Seconds `cp -r` takes to copy the pristine data folder.
double copySeconds(const BenchFolders& f) {
  const fs::path target = f.work.root() / "copy";
  fs::remove_all(target);
  const std::string command =
      "cp -r '" + (f.pristine.root() / "data").string() + "' '" + target.string() + "'";
  const auto start = std::chrono::steady_clock::now();
  const int status = std::system(command.c_str());
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  fs::remove_all(target);
  return status == 0 ? seconds : -1;
}

void BM_ImportWrestlers(benchmark::State& state) {
  BenchFolders& f = folders();
  memory::HEAPBEGIN();
  int reports = 0;
  platform::ReportHandler previousReport = platform::setReportHandler([&](const platform::UntrappedError&) {
    ++reports;
    return platform::ReportAnswer::Continue;
  });
  services::MessageBoxService previousBoxes =
      services::setMessageBoxService([](const services::MessageBoxRequest&) { return 1; });
  std::vector<std::string> everyone;
  for (int i = 1; i <= kWrestlers; ++i) everyone.push_back(benchWrestlerName(i));

  db::Catalogue catalogue;
  exports::IncomingRecords incoming;
  imports::ImportRunResult result;
  // Where the time goes: up to the confirmation (parse, selection, passes 1 to 6) and after it (commit).
  double beforeConfirm = 0;
  double afterConfirm = 0;
  using Clock = std::chrono::steady_clock;
  for (auto _ : state) {
    state.PauseTiming();
    restoreData(f);
    db::LOADDBS(catalogue, f.work.path(), 1, 0, {});
    state.ResumeTiming();

    const Clock::time_point start = Clock::now();
    Clock::time_point confirmed = start;
    testsupport::openAndSelect(f.exportPath, catalogue, incoming, everyone);
    result = imports::PROCESSIMPORT(incoming, catalogue, imports::MappingRows{}, f.work.path(),
                                    [&confirmed](const imports::ImportPlan&) {
                                      confirmed = Clock::now();
                                      return true;
                                    });
    benchmark::DoNotOptimize(result);
    beforeConfirm += std::chrono::duration<double>(confirmed - start).count();
    afterConfirm += std::chrono::duration<double>(Clock::now() - confirmed).count();
  }
  state.counters["to_confirm_ms"] = beforeConfirm / static_cast<double>(state.iterations()) * 1000.0;
  state.counters["commit_ms"] = afterConfirm / static_cast<double>(state.iterations()) * 1000.0;
  state.counters["imported"] = result.imported() ? 1 : 0;
  state.counters["added"] = static_cast<double>(result.plan.wrestlersAdded.size());
  state.counters["replaced"] = static_cast<double>(result.plan.wrestlersReplaced.size());
  state.counters["moves_added"] = static_cast<double>(result.plan.movesAdded.size());
  state.counters["reports"] = reports;

  double copy = 0;
  constexpr int kCopyRuns = 5;
  for (int i = 0; i < kCopyRuns; ++i) copy += copySeconds(f);
  state.counters["cp_ms"] = copy / kCopyRuns * 1000.0;

  db::releaseCatalogue(catalogue);
  services::setMessageBoxService(previousBoxes);
  platform::setReportHandler(previousReport);
  memory::HEAPEND();
}
BENCHMARK(BM_ImportWrestlers)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
