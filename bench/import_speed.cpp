// Times the command line on a large game, each step a child process run as a user runs it, beside
// `cp -r` of the game's data folder in the same run: `zor-import show`, a dry-run import and a full
// import (commit and index rebuild, each on a fresh copy of the game folder), with the peak memory of
// each child. The game: 21,000 wrestlers with every line filled, 4,000 moves, 2,000 dives, 4,200 teams,
// 2,000 managers. The export: 2,000 wrestlers, 200 of them new, needing 140 new moves, 30 new dives,
// 40 new managers and 200 new teams. A plain program rather than Google Benchmark: what is timed is
// whole processes.
//
//   bench_import_speed [--runs N] [--keep] [--zor-import PATH]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "event_gaps.h"
#include "support/export_writer.h"
#include "support/game_generator.h"
#include "support/game_records.h"
#include "support/import_scenario.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr uint32_t kSeed = 7031;

const testsupport::GeneratedSizes kGame{.wrestlers = 21000,
                                        .moves = 4000,
                                        .dives = 2000,
                                        .teams = 4200,
                                        .managers = 2000,
                                        .fullWrestlerLines = true};

// The export: every tenth wrestler is new, the others carry names of the game's wrestlers. Moves,
// dives and managers up to the "existing" count carry names of the game's records; the rest are new.
constexpr int32_t kExportWrestlers = 2000;
constexpr int32_t kExportMoves = 600;
constexpr int32_t kExistingMoves = 460;
constexpr int32_t kExportDives = 120;
constexpr int32_t kExistingDives = 90;
constexpr int32_t kExportManagers = 150;
constexpr int32_t kExistingManagers = 110;
// Of every five pairs of export wrestlers, two are teams of the game and one a new team.
constexpr int32_t kExportTeams = kExportWrestlers / 2 / 5 * 3;
constexpr int32_t kNewTeams = kExportWrestlers / 2 / 5;

constexpr std::array<const char*, 9> kRecordFiles = {"wrestlrs.dat", "moves.dat",    "dives.dat",
                                                     "managers.dat", "teams.dat",    "stables.dat",
                                                     "objects.dat",  "gimmicks.dat", "referees.def"};

constexpr double kShowTarget = 5;
constexpr double kDryRunTarget = 8;
constexpr double kImportTarget = 10;
constexpr double kEventGapTarget = 0.1;  // seconds
constexpr double kMemoryTarget = 4;

struct Options {
  int runs = 5;
  bool keep = false;
  std::string zorImport = ZOR_IMPORT_PATH;
};

// ---------------------------------------------------------------------------------------------------
// The export

bool isNewWrestler(int32_t e) {
  return e % 10 == 0;
}

// Export wrestlers 2p-1 and 2p stand for the members of the game's team 4p-3 (a named one), so that
// the export's copies of those teams match them.
int32_t gameTeamOfPair(int32_t pair) {
  return 4 * pair - 3;
}
int32_t gameWrestlerOf(int32_t e) {
  const int32_t team = gameTeamOfPair((e + 1) / 2);
  return testsupport::generatedTeamMember(team, e % 2 ? 1 : 2, kGame);
}

// Code page 1252, unique for k < 200.
std::string newWrestlerName(int32_t k) {
  static constexpr std::array<const char*, 20> kFirst = {
      "Rico",  "J\xFCrgen", "Marcus", "Tyson", "Duke", "Ramon", "Kenji",  "Vance", "Brock",   "Axel",
      "Dante", "Ingrid",    "Carmen", "Sasha", "Jade", "Luna",  "Hector", "Otis",  "Bastian", "Rhys"};
  static constexpr std::array<const char*, 10> kLast = {
      "Valdez", "Kraus", "Stone", "Blackwood", "Nakamura", "Reyes", "Holt", "Sinclair", "Castillo", "Okafor"};
  return std::string(kFirst[static_cast<size_t>(k % 20)]) + " " + kLast[static_cast<size_t>(k / 20 % 10)];
}

std::string exportWrestlerName(int32_t e) {
  return isNewWrestler(e) ? newWrestlerName(e / 10 - 1)
                          : testsupport::generatedWrestlerName(gameWrestlerOf(e));
}

// New moves, unique for k < 140.
std::string newMoveName(int32_t k) {
  static constexpr std::array<const char*, 14> kHow = {
      "Spinning", "Running", "Diving",   "Inverted", "Double",  "Reverse", "Jumping",
      "Falling",  "Sitout",  "Twisting", "Rolling",  "Leaping", "Snap",    "Corkscrew"};
  static constexpr std::array<const char*, 10> kWhat = {"Elbow Drop", "Neckbreaker", "Powerbomb",  "Suplex",
                                                        "DDT",        "Piledriver",  "Facebuster", "Legdrop",
                                                        "Splash",     "Knee Strike"};
  const std::string how = kHow[static_cast<size_t>(k % 14)];
  const bool vowel = std::string_view("AEIOU").find(how[0]) != std::string_view::npos;
  return (vowel ? "an " : "a ") + how + " " + kWhat[static_cast<size_t>(k / 14 % 10)];
}

// New dives, unique for k < 30.
std::string newDiveName(int32_t k) {
  static constexpr std::array<const char*, 6> kHow = {"Flying",      "Twisting",   "Corkscrew",
                                                      "Springboard", "Somersault", "Running"};
  static constexpr std::array<const char*, 5> kWhat = {"Plancha", "Tope Suicida", "Senton", "Moonsault",
                                                       "Crossbody"};
  return std::string("a ") + kHow[static_cast<size_t>(k % 6)] + " " + kWhat[static_cast<size_t>(k / 6 % 5)];
}

// New managers, unique for k < 40.
std::string newManagerName(int32_t k) {
  static constexpr std::array<const char*, 8> kFirst = {"Sly",   "Vincent", "Lou",  "Freddie",
                                                        "Percy", "Colonel", "Miss", "Doc"};
  static constexpr std::array<const char*, 5> kLast = {"Marlowe", "Delgado", "Prescott", "Van Buren", "Hale"};
  return std::string(kFirst[static_cast<size_t>(k % 8)]) + " " + kLast[static_cast<size_t>(k / 8 % 5)];
}

class ExportBuilder {
 public:
  testsupport::ExportLines build() {
    testsupport::WrestlerExportFile file;
    for (int32_t e = 1; e <= kExportWrestlers; ++e) file.wrestlers.push_back(wrestler(e).toLines());
    for (int32_t pair = 1; pair <= kExportWrestlers / 2; ++pair) {
      if (pair % 5 == 1 || pair % 5 == 3 || pair % 5 == 0) file.teams.push_back(team(pair).toLines());
    }
    for (int32_t s = 1; s <= kExportMoves; ++s) file.moves.push_back(testsupport::exportedMove(s, move(s)));
    for (int32_t s = 1; s <= kExportManagers; ++s) {
      file.managers.push_back(testsupport::exportedManager(s, manager(s)));
    }
    for (int32_t s = 1; s <= kExportDives; ++s) file.dives.push_back(testsupport::exportedDive(s, dive(s)));
    return file.lines();
  }

 private:
  int32_t below(int32_t bound) { return static_cast<int32_t>(random_() % static_cast<uint32_t>(bound)); }
  int32_t anyMove() { return below(kExportMoves) + 1; }
  // Moves name only moves the game has already, so that the new moves are the ones wrestlers need.
  int32_t existingMove() { return below(kExistingMoves) + 1; }

  testsupport::WrestlerSpec wrestler(int32_t e) {
    const bool isNew = isNewWrestler(e);
    const int32_t game = isNew ? 0 : gameWrestlerOf(e);
    const std::string name = exportWrestlerName(e);
    testsupport::WrestlerSpec record = testsupport::wrestlerSpec(testsupport::cp437(name));
    record.altName = isNew ? name.substr(0, name.find(' ')) : testsupport::generatedWrestlerAltName(game);
    const int32_t moveCount = 20 + below(31);
    for (int32_t slot = 1; slot <= 50; ++slot) record.moves.push_back(slot <= moveCount ? anyMove() : 0);
    record.managers[0] = below(3) == 0 ? 0 : below(kExportManagers) + 1;
    if (below(8) == 0) record.managers[1] = below(kExportManagers) + 1;
    const int32_t diveCount = 1 + below(3);
    for (int32_t d = 0; d < diveCount; ++d) record.dives[static_cast<size_t>(d)] = below(kExportDives) + 1;
    record.number79 = isNew ? (below(4) == 0 ? 1 : 0) : game % 2;

    testsupport::WrestlerExtraMoves extra{};
    for (size_t k = 0; k < extra.size(); ++k) extra[k] = below(4) == 0 ? (k == 8 ? -1 : 0) : anyMove();
    // Replacing wrestlers keep their texts; new ones get texts of their own.
    testsupport::fillGeneratedWrestlerLines(record, isNew ? kGame.wrestlers + e : game, extra);
    return record;
  }

  std::string teamMoveText(const std::string& firstMember) {
    return "!" + std::to_string(existingMove()) + "-" + std::to_string(existingMove()) + "/" +
           firstMember.substr(0, 2) + firstMember.substr(firstMember.size() - 2);
  }

  // Pairs 1 and 3 (of five) are teams of the game; pair 5 holds a new wrestler and makes a new team.
  testsupport::TeamSpec team(int32_t pair) {
    const std::string first = exportWrestlerName(2 * pair - 1);
    const std::string second = exportWrestlerName(2 * pair);
    static constexpr std::array<const char*, 8> kTeamNames = {
        "The Midnight Riders", "Steel City Express",  "Los Hermanos Locos", "The Wrecking Crew",
        "Twin Turbo",          "The Northern Lights", "Heavy Metal Union",  "The Dynasty"};
    const std::string name = pair % 5 == 0 ? kTeamNames[static_cast<size_t>(pair / 5 % 8)]
                                           : testsupport::generatedTeamName(gameTeamOfPair(pair));
    return testsupport::teamSpec(testsupport::cp437(first), testsupport::cp437(second), name,
                                 teamMoveText(first));
  }

  testsupport::MoveSpec move(int32_t s) {
    // 8s + 1 is never a multiple of 50, so no deleted move of the game is named.
    testsupport::MoveSpec record =
        testsupport::moveSpec(s <= kExistingMoves ? testsupport::generatedMoveLine(8 * s + 1)
                                                  : newMoveName(s - kExistingMoves - 1));
    record.lines[2] = testsupport::numberLine(5 + below(20));
    record.lines[3] = testsupport::numberLine(testsupport::packBits({{0, existingMove()}, {16, below(2)}}));
    record.lines[4] = testsupport::numberLine(below(100));
    record.lines[7] =
        testsupport::numberLine(testsupport::packBits({{0, existingMove()}, {12, existingMove()}}));
    return record;
  }

  testsupport::DiveSpec dive(int32_t s) {
    testsupport::DiveSpec record =
        testsupport::diveSpec(s <= kExistingDives ? testsupport::generatedDiveLine(20 * s + 3)
                                                  : newDiveName(s - kExistingDives - 1));
    record.lines[2] = testsupport::numberLine(10 + below(20));
    record.lines[3] = testsupport::numberLine(existingMove());
    return record;
  }

  testsupport::ManagerSpec manager(int32_t s) {
    return testsupport::managerSpec(s <= kExistingManagers ? testsupport::generatedManagerName(17 * s + 5)
                                                           : newManagerName(s - kExistingManagers - 1),
                                    "", testsupport::packBits({{0, below(2)}, {1, below(16)}}));
  }

  std::mt19937 random_{kSeed};
};

// Writes the game folder to `game` and the export to `exportFile`. Runs in a child process of its own:
// the kernel counts the peak memory of the process a child is started from into the child's, so the
// generator's memory must never be part of the process that starts the measured programs.
bool generate(const fs::path& game, const fs::path& exportFile) {
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return false;
  if (pid == 0) {
    int status = 0;
    try {
      {
        testsupport::GameFolder folder;
        testsupport::writeGeneratedDatabase(folder, kGame);
        std::error_code moved;
        fs::rename(folder.root(), game, moved);
        if (moved) fs::copy(folder.root(), game, fs::copy_options::recursive);
      }
      const testsupport::ExportLines lines = ExportBuilder().build();
      testsupport::writeFileBytes(exportFile,
                                  testsupport::encipheredExportBytes(lines, testsupport::exportKeys(kSeed)));
    } catch (const std::exception& error) {
      std::fprintf(stderr, "generation failed: %s\n", error.what());
      status = 1;
    }
    std::fflush(nullptr);
    ::_exit(status);
  }
  int status = 0;
  return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// ---------------------------------------------------------------------------------------------------
// Child processes

struct ChildRun {
  bool ok = false;  // started and exited with 0
  double seconds = 0;
  int64_t peakBytes = 0;
  std::string failure;
};

// Runs the program with standard output and error to the given files and waits for it.
ChildRun runChild(const std::vector<std::string>& args, const std::string& outPath = "/dev/null",
                  const std::string& errPath = "/dev/null") {
  ChildRun run;
  std::vector<char*> argv;
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);

  pid_t pid = 0;
  const Clock::time_point start = Clock::now();
  const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    run.failure = "cannot start " + args[0] + ": " + std::strerror(spawned);
    return run;
  }
  int status = 0;
  struct rusage usage {};
  if (::wait4(pid, &status, 0, &usage) != pid) {
    run.failure = "lost " + args[0];
    return run;
  }
  run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  run.peakBytes = static_cast<int64_t>(usage.ru_maxrss) * 1024;  // kilobytes on Linux
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (!run.ok) {
    run.failure = args[0] + (WIFEXITED(status) ? " exited with " + std::to_string(WEXITSTATUS(status))
                                               : " was killed by signal " + std::to_string(WTERMSIG(status)));
  }
  return run;
}

// ---------------------------------------------------------------------------------------------------
// Files

int64_t fileBytes(const fs::path& path) {
  std::error_code error;
  const auto size = fs::file_size(path, error);
  return error ? 0 : static_cast<int64_t>(size);
}

int64_t recordFileBytes(const fs::path& data) {
  int64_t total = 0;
  for (const char* name : kRecordFiles) total += fileBytes(data / name);
  return total;
}

int64_t folderBytes(const fs::path& folder) {
  int64_t total = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) total += static_cast<int64_t>(entry.file_size());
  }
  return total;
}

std::set<fs::path> folderEntries(const fs::path& folder) {
  std::set<fs::path> entries;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) entries.insert(entry.path());
  return entries;
}

// Removes what a run left in the folder (a dry run leaves its new files), so every run starts alike.
void removeAdded(const fs::path& folder, const std::set<fs::path>& before) {
  std::vector<fs::path> added;
  for (const fs::path& path : folderEntries(folder)) {
    if (!before.contains(path)) added.push_back(path);
  }
  for (const fs::path& path : added) fs::remove_all(path);
}

// The temporary folder of a run, removed at the end unless it is to be kept.
class ScratchFolder {
 public:
  explicit ScratchFolder(bool keep) : keep_(keep) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/zor-import-speed-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) root_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!keep_ && !root_.empty()) fs::remove_all(root_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const fs::path& root() const { return root_; }

 private:
  fs::path root_;
  bool keep_;
};

// ---------------------------------------------------------------------------------------------------
// Report

struct Step {
  std::string name;
  double timeTarget = 0;  // 0: the reference
  std::vector<double> seconds;
  std::vector<int64_t> peakBytes;
};

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string megabytes(double bytes) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f MB", bytes / 1e6);
  return buffer;
}

std::string ratioText(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2fx", value);
  return buffer;
}

std::string targetText(double ratio, double target) {
  if (target == 0) return "";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "<= %gx %s", target, ratio <= target ? "met" : "MISSED");
  return buffer;
}

// This program's own peak memory. A child's count starts there (the kernel carries the parent's peak
// over into the child it starts), so a child's peak at or below it reads as "at most" this much.
int64_t ownPeakBytes() {
  struct rusage usage {};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<int64_t>(usage.ru_maxrss) * 1024;
}

void printRow(const std::string& step, const std::string& time, const std::string& timeRatio,
              const std::string& timeTarget, const std::string& peak, const std::string& peakRatio,
              const std::string& peakTarget) {
  char line[256];
  std::snprintf(line, sizeof line, "%-36s %10s %8s  %-14s %12s %10s  %s", step.c_str(), time.c_str(),
                timeRatio.c_str(), timeTarget.c_str(), peak.c_str(), peakRatio.c_str(), peakTarget.c_str());
  std::string text = line;
  text.erase(text.find_last_not_of(' ') + 1);
  std::puts(text.c_str());
}

void printTable(const std::vector<Step>& steps, int64_t recordBytes, int64_t floorBytes) {
  const double copySeconds = median(steps[0].seconds);
  printRow("step", "time", "x cp", "target", "peak mem", "x records", "target");
  for (const Step& step : steps) {
    const double seconds = median(step.seconds);
    const double peak = median(std::vector<double>(step.peakBytes.begin(), step.peakBytes.end()));
    const double timeRatio = seconds / copySeconds;
    const double memoryRatio = peak / static_cast<double>(recordBytes);
    const std::string atMost = peak <= static_cast<double>(floorBytes) ? "<= " : "";
    char time[32];
    std::snprintf(time, sizeof time, "%.1f ms", seconds * 1000);
    printRow(step.name, time, ratioText(timeRatio), targetText(timeRatio, step.timeTarget),
             atMost + megabytes(peak), atMost + ratioText(memoryRatio),
             targetText(memoryRatio, step.timeTarget == 0 ? 0 : kMemoryTarget));
  }
}

// What zor-import itself makes of the export: the headings of its plan ("Moves added (140):").
void printPlan(const fs::path& planFile) {
  std::ifstream in(planFile);
  std::string line;
  std::string summary;
  while (std::getline(in, line)) {
    const size_t open = line.rfind(" (");
    if (line.empty() || line[0] == ' ' || open == std::string::npos || !line.ends_with("):")) continue;
    if (!summary.empty()) summary += ", ";
    summary += line.substr(0, open) + " " + line.substr(open + 2, line.size() - open - 4);
  }
  std::printf("zor-import's plan: %s\n", summary.empty() ? "(none printed)" : summary.c_str());
}

// The record count on a record file's first line.
int64_t countLineValue(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return std::strtoll(line.c_str(), nullptr, 10);
}

int countLines(const fs::path& file) {
  std::ifstream in(file);
  int count = 0;
  for (std::string line; std::getline(in, line);) ++count;
  return count;
}

// ---------------------------------------------------------------------------------------------------

bool parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--keep") {
      options.keep = true;
    } else if (arg == "--runs" && i + 1 < argc) {
      options.runs = std::atoi(argv[++i]);
      if (options.runs < 1) return false;
    } else if (arg == "--zor-import" && i + 1 < argc) {
      options.zorImport = argv[++i];
    } else {
      return false;
    }
  }
  return true;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "bench_import_speed: %s\n", message.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: bench_import_speed [--runs N] [--keep] [--zor-import PATH]\n");
    return 2;
  }
  if (::access(options.zorImport.c_str(), X_OK) != 0) return fail("cannot run " + options.zorImport);

  ScratchFolder scratch(options.keep);
  if (scratch.root().empty()) return fail("cannot create a folder under $TMPDIR");
  const fs::path game = scratch.root() / "game";
  const fs::path data = game / "data";
  const fs::path exportFile = scratch.root() / "export.zor";
  const fs::path copyTarget = scratch.root() / "copy";
  const fs::path work = scratch.root() / "work";

  const Clock::time_point generationStart = Clock::now();
  if (!generate(game, exportFile)) return fail("the workload could not be generated");
  const double generationSeconds = std::chrono::duration<double>(Clock::now() - generationStart).count();
  const int64_t recordBytes = recordFileBytes(data);

  std::printf("zor-import:   %s\n", options.zorImport.c_str());
  std::printf("scratch:      %s%s\n", scratch.root().c_str(),
              options.keep ? " (kept)" : " (removed at the end)");
  std::printf(
      "game:         %d wrestlers (all 120 lines filled), %d moves, %d dives, %d teams, %d managers\n",
      kGame.wrestlers, kGame.moves, kGame.dives, kGame.teams, kGame.managers);
  std::printf("record files: %s (%lld bytes; data folder %s)\n",
              megabytes(static_cast<double>(recordBytes)).c_str(), static_cast<long long>(recordBytes),
              megabytes(static_cast<double>(folderBytes(data))).c_str());
  std::printf(
      "export:       %s enciphered: %d wrestlers (%d new), %d moves (%d new), %d dives (%d new), "
      "%d managers (%d new), %d teams (%d new)\n",
      megabytes(static_cast<double>(fileBytes(exportFile))).c_str(), kExportWrestlers, kExportWrestlers / 10,
      kExportMoves, kExportMoves - kExistingMoves, kExportDives, kExportDives - kExistingDives,
      kExportManagers, kExportManagers - kExistingManagers, kExportTeams, kNewTeams);
  std::printf("generated in: %.1f s\n", generationSeconds);

  const std::string exe = options.zorImport;
  const std::vector<std::string> copyCommand = {"/bin/cp", "-r", data.string(), copyTarget.string()};
  const std::vector<std::string> showCommand = {exe, "-C", game.string(), "show", exportFile.string()};
  const std::vector<std::string> dryRunCommand = {
      exe, "-C", game.string(), "import", exportFile.string(), "--all", "--dry-run"};
  const std::vector<std::string> importCommand = {exe,    "-C", work.string(), "import", exportFile.string(),
                                                  "--all"};
  const std::set<fs::path> pristine = folderEntries(game);

  // One untimed dry run first: it checks the workload against what zor-import makes of it and warms
  // the caches like any other run.
  const fs::path planFile = scratch.root() / "plan.txt";
  const fs::path warningFile = scratch.root() / "warnings.txt";
  ChildRun check = runChild(dryRunCommand, planFile.string(), warningFile.string());
  if (!check.ok) {
    std::ifstream errors(warningFile);
    for (std::string line; std::getline(errors, line);) std::fprintf(stderr, "  %s\n", line.c_str());
    return fail(check.failure);
  }
  printPlan(planFile);
  std::printf("warnings:     %d lines on standard error of the dry run\n", countLines(warningFile));
  fs::remove(planFile);
  fs::remove(warningFile);
  removeAdded(game, pristine);

  std::vector<Step> steps = {{"cp -r data", 0, {}, {}},
                             {"zor-import show", kShowTarget, {}, {}},
                             {"zor-import import --all --dry-run", kDryRunTarget, {}, {}},
                             {"zor-import import --all (commit)", kImportTarget, {}, {}}};
  auto addRun = [](Step& step, const ChildRun& run) {
    step.seconds.push_back(run.seconds);
    step.peakBytes.push_back(run.peakBytes);
  };
  for (int round = 0; round < options.runs; ++round) {
    ChildRun copy = runChild(copyCommand);
    if (!copy.ok) return fail(copy.failure);
    addRun(steps[0], copy);
    fs::remove_all(copyTarget);

    ChildRun show = runChild(showCommand);
    if (!show.ok) return fail(show.failure);
    addRun(steps[1], show);
    removeAdded(game, pristine);

    ChildRun dryRun = runChild(dryRunCommand);
    if (!dryRun.ok) return fail(dryRun.failure);
    addRun(steps[2], dryRun);
    removeAdded(game, pristine);

    fs::copy(game, work, fs::copy_options::recursive);
    ChildRun import = runChild(importCommand);
    if (!import.ok) return fail(import.failure);
    addRun(steps[3], import);
    const int64_t wrestlers = countLineValue(work / "data" / "wrestlrs.dat");
    if (wrestlers != kGame.wrestlers + kExportWrestlers / 10) {
      return fail("the import left " + std::to_string(wrestlers) + " wrestlers in the game");
    }
    fs::remove_all(work);
  }

  std::printf(
      "\nMedians of %d run%s. Time as a multiple of the median of `cp -r data` in this run; peak memory\n"
      "(max RSS of the child) as a multiple of the size of the record files (%s).\n\n",
      options.runs, options.runs == 1 ? "" : "s", megabytes(static_cast<double>(recordBytes)).c_str());
  const int64_t floorBytes = ownPeakBytes();
  printTable(steps, recordBytes, floorBytes);
  std::printf(
      "\n\"<=\": below this program's own peak memory (%s), which the kernel counts into every child.\n",
      megabytes(static_cast<double>(floorBytes)).c_str());

  // In this process, after the children: its memory would otherwise be counted into theirs.
  std::vector<double> loadGaps;
  std::vector<double> batchGaps;
  for (int round = 0; round < options.runs; ++round) {
    fs::copy(game, work, fs::copy_options::recursive);
    const bench::EventGaps gaps = bench::measureEventGaps(work.string(), exportFile.string());
    if (!gaps.imported) return fail("the batch import in this process did not import the export");
    loadGaps.push_back(gaps.loadSeconds);
    batchGaps.push_back(gaps.batchSeconds);
    fs::remove_all(work);
  }
  std::printf("\nLongest stretch without processing events (the window's event pump), median of %d:\n",
              options.runs);
  for (const auto& [name, values] :
       {std::pair{"load", loadGaps}, std::pair{"batch of the export", batchGaps}}) {
    const double gap = median(values);
    std::printf("  %-36s %8.1f ms  <= %.0f ms %s\n", name, gap * 1000.0, kEventGapTarget * 1000.0,
                gap <= kEventGapTarget ? "met" : "MISSED");
  }
  return 0;
}
