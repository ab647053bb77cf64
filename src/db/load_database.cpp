#include "db/load_database.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "db/catalogue.h"
#include "db/codecs.h"
#include "db/load_report.h"
#include "db/record_reader.h"
#include "db/release.h"
#include "db/wrestler_finder.h"
#include "platform/errors.h"
#include "platform/file_stamp.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "services/events.h"
#include "services/progress.h"
#include "settings/game_options.h"
#include "settings/path_translation.h"

namespace db {

namespace {

constexpr int32_t kMainKinds = 511;
constexpr int32_t kPumpCount = 200;

bool selected(int32_t mask, int32_t bit) {
  return (mask & bit) != 0;
}

std::string gamePath(std::string_view gameFolder, std::string_view relative) {
  return std::string(gameFolder) + std::string(relative);
}

// Replaces a media path that is in stored form ("t:...") or names no existing file by its local form.
void applyMediaPathRule(memory::HeapString& mediaPath, std::string_view gameFolder) {
  std::string_view path = text(mediaPath);
  // An empty path translates to itself; skipping it spares a file-system query per record.
  if (path.empty()) return;
  bool storedForm = path.size() >= 2 && (path[0] == 't' || path[0] == 'T') && path[1] == ':';
  if (storedForm || !platform::fileExists(path)) {
    memory::replaceHeapString(mediaPath, settings::TRANSLATEPATH(path, gameFolder));
  }
}

// Opens one record file and fills `records` with index 0 (empty), records 1..count and `spare`
// empty elements. `loadOne` reads one record, whose RecordNumber is already set.
//
// A count is believed only as far as the file can hold it: every line takes at least one byte, so a
// count beyond what is left of the file is damaged. Then only the records that begin before the end
// of the file are loaded, and the file's one "Input past end" report says that it was short.
//
// A count line that is not a number, or a negative count, in front of what could be records, loads
// no record; that is returned as a problem of the file (it is not reported: the game reads it alike),
// so that nothing rewrites the file from the empty catalogue.
template <class Record, class LoadOne>
std::optional<platform::UntrappedError> loadKind(int fileNumber, const std::string& path,
                                                 std::vector<Record>& records, int32_t& count, size_t spare,
                                                 int32_t linesPerRecord, LoadOne loadOne) {
  records.clear();
  bool opened = platform::openFile(fileNumber, path, platform::FileMode::Input);
  if (opened) platform::reportPastEndOnce(fileNumber);
  // A file that did not open reports the read of its count too, which then counts as 0.
  std::string_view countToken;
  const std::string countLine = platform::readLine(fileNumber);
  const int32_t stated = platform::numberOnLine(countLine, &countToken);
  int32_t promised = std::max(stated, 0);
  int64_t remaining =
      opened ? std::max<int64_t>(platform::fileLength(fileNumber) - platform::filePosition(fileNumber) + 1, 0)
             : 0;
  int64_t capacity = remaining / linesPerRecord;
  bool believable = promised <= capacity;
  std::optional<platform::UntrappedError> problem;
  if (opened && capacity > 0 && (stated < 0 || !platform::startsAsNumber(countToken))) {
    problem =
        platform::UntrappedError{platform::kErrBadRecordNumber, "its first line holds no record count", ""};
  }

  records.reserve(static_cast<size_t>(std::min<int64_t>(promised, capacity + 1)) + 1 + spare);
  records.emplace_back();
  for (int32_t i = 1; i <= promised; ++i) {
    if (!believable && platform::endOfFile(fileNumber)) break;
    Record& record = records.emplace_back();
    record.RecordNumber = i;
    loadOne(record);
    services::reportProgress(i, promised);
    services::keepResponsive();
  }
  count = static_cast<int32_t>(records.size()) - 1;
  if (!believable) {
    // Reading at the end raises the file's "Input past end" report, unless a record cut short by the
    // end of the file has already raised it.
    platform::readLine(fileNumber);
  }
  records.resize(records.size() + spare);
  platform::closeFile(fileNumber);
  return problem;
}

// Runs the load of one kind and records in the catalogue how its file was read: its stamp, taken
// before it is opened (a file rewritten while it is read then no longer matches), and the first error
// raised meanwhile. The errors are reported as before; the record only remembers them.
std::string loadStep(int32_t kindBit) {
  switch (kindBit) {
    case kLoadWrestlers:
      return "Loading wrestlers";
    case kLoadMoves:
      return "Loading moves";
    case kLoadDives:
      return "Loading dives";
    case kLoadManagers:
      return "Loading managers";
    case kLoadTeams:
      return "Loading tag teams";
    case kLoadStables:
      return "Loading stables";
    case kLoadReferees:
      return "Loading referees";
    case kLoadObjects:
      return "Loading objects";
    default:
      return "Loading gimmick matches";
  }
}

template <class Load>
void watchKind(Catalogue& catalogue, int32_t kindBit, const std::string& path, Load load) {
  const services::ProgressStep step(loadStep(kindBit));
  KindLoad& record = catalogue.kindLoads[static_cast<size_t>(kindSlot(kindBit))];
  record = KindLoad{};
  record.loaded = true;
  record.path = path;
  record.stamp = platform::fileStamp(path);
  platform::ErrorWatch watch;
  const std::optional<platform::UntrappedError> problem = load();
  if (watch.sawErrors()) {
    record.firstError = watch.errors().front();
  } else {
    record.firstError = problem;
  }
}

// A kind left out of the mask holds nothing after the load.
template <class Record>
void leaveEmpty(Catalogue& catalogue, int32_t kindBit, std::vector<Record>& records, int32_t& count) {
  releaseRecords(records, count);
  eraseRecords(records, count);
  catalogue.kindLoads[static_cast<size_t>(kindSlot(kindBit))] = KindLoad{};
}

void pumpBetweenKinds() {
  services::pumpEvents(kPumpCount);
}

// The circuit list "\card.lgs": three lines per circuit, each circuit then loaded by the circuit
// subsystem. This program has no circuit subsystem (LOADCIRCUITS always fails) and no caller asks for
// circuits, so this only keeps the sequence's contract for a caller that would.
int32_t loadCircuitList(Catalogue& catalogue, int fileNumber, int32_t mask, const std::string& filter,
                        const LoadProgress& progress) {
  bool opened =
      platform::openFile(fileNumber, gamePath(catalogue.GameFolder, "\\card.lgs"), platform::FileMode::Input);
  // The table holds 20 circuits; a longer list is read no further.
  for (int32_t c = 1; opened && c <= kMaxCircuits && !platform::endOfFile(fileNumber); ++c) {
    catalogue.CircuitCount = c;
    Circuit& circuit = catalogue.Circuits[c];
    circuit.Name = MAKEASCII(fileNumber);
    circuit.Text2 = MAKEASCII(fileNumber);
    circuit.Text3 = MAKEASCII(fileNumber);
    std::string shortName(text(circuit.Name));
    for (size_t at; (at = shortName.find(" Circuit")) != std::string::npos;) shortName.erase(at, 8);
    circuit.ShortName = memory::NEWSTRING(shortName);
    if (!filter.empty() && filter != text(circuit.Text2)) continue;
    if (progress) progress("Loading Circuit \"" + std::string(text(circuit.Name)) + "\"");
    if (LOADCIRCUITS(c, mask) == 0) {
      platform::closeFile(fileNumber);
      return -c;
    }
    if (selected(mask, kLoadCircuitsComputed)) COMPUTEM(c);
  }
  platform::closeFile(fileNumber);
  return 0;
}

std::string circuitFilter() {
  std::string folder = platform::currentDirectory();
  size_t separator = folder.find_last_of("\\/");
  return platform::upperCase1252(separator == std::string::npos ? folder : folder.substr(separator + 1));
}

}  // namespace

void INITASSOCIATIONS() {}

int32_t LOADDBS(Catalogue& catalogue, std::string_view gameFolder, int32_t skipCircuits, int32_t mask,
                const LoadProgress& progress) {
  platform::ProcedureScope scope("LOADDBS");
  const services::ProgressStep loading("Loading the game database");
  mask = mask == 0 ? kLoadEverything : (mask | kMainKinds);
  catalogue.GameFolder = std::string(gameFolder);
  catalogue.circuitCounter = 0;
  std::string filter = selected(mask, kFilterCircuits) ? circuitFilter() : std::string();

  if (catalogue.CatalogueLoaded == 1) releaseKinds(catalogue, mask, pumpBetweenKinds);

  settings::LOADZOROPTIONS(gamePath(gameFolder, "\\zor.cnf"), catalogue.options);
  // From here the load only reads: the folders it looks in stay as they are.
  const platform::FolderListingCache listings;
  catalogue.CatalogueLoaded = 1;
  if (progress) progress("Loading Main Databases");

  const std::string folder = catalogue.GameFolder;
  const int fileNumber = platform::freeFileNumber();

  if (selected(mask, kLoadManagers)) {
    const std::string path = kindFilePath(folder, kLoadManagers);
    watchKind(catalogue, kLoadManagers, path, [&] {
      return loadKind(fileNumber, path, catalogue.Managers, catalogue.ManagerCount, 1, kManagerLines,
                      [&](Manager& manager) {
                        LOADMANAGERS(fileNumber, manager);
                        if (manager.RecordNumber != 1) return;
                        for (int n = 1; n <= 10; ++n)
                          manager.LineItems[n] = memory::NEWSTRING("Line item " + std::to_string(n));
                      });
    });
  } else {
    leaveEmpty(catalogue, kLoadManagers, catalogue.Managers, catalogue.ManagerCount);
  }

  if (selected(mask, kLoadMoves)) {
    const std::string path = kindFilePath(folder, kLoadMoves);
    watchKind(catalogue, kLoadMoves, path, [&] {
      return loadKind(fileNumber, path, catalogue.Moves, catalogue.MoveCount, 0, kMoveLines,
                      [&](Move& move) { LOADMOVES(fileNumber, move); });
    });
    catalogue.Moves[0].ListName = memory::NEWSTRING(kNoneEntry);
    catalogue.Moves[0].StoredName = memory::NEWSTRING(kNoneEntry);
  } else {
    leaveEmpty(catalogue, kLoadMoves, catalogue.Moves, catalogue.MoveCount);
  }
  services::pumpEvents(kPumpCount);

  if (selected(mask, kLoadDives)) {
    const std::string path = kindFilePath(folder, kLoadDives);
    watchKind(catalogue, kLoadDives, path, [&] {
      return loadKind(fileNumber, path, catalogue.Dives, catalogue.DiveCount, 1, kDiveLines,
                      [&](Dive& dive) { LOADDIVES(fileNumber, dive); });
    });
  } else {
    leaveEmpty(catalogue, kLoadDives, catalogue.Dives, catalogue.DiveCount);
  }

  if (selected(mask, kLoadWrestlers)) {
    const std::string path = kindFilePath(folder, kLoadWrestlers);
    watchKind(catalogue, kLoadWrestlers, path, [&] {
      return loadKind(fileNumber, path, catalogue.Wrestlers, catalogue.WrestlerCount, 1, kWrestlerLines,
                      [&](Wrestler& wrestler) {
                        wrestler.FilePosition = platform::low32(platform::filePosition(fileNumber));
                        LOADWRESTLERS(fileNumber, wrestler, folder);
                        applyMediaPathRule(wrestler.MediaPath, folder);
                      });
    });
    catalogue.Wrestlers[0].Name = memory::NEWSTRING(kNoneEntry);
  } else {
    leaveEmpty(catalogue, kLoadWrestlers, catalogue.Wrestlers, catalogue.WrestlerCount);
  }
  services::pumpEvents(kPumpCount);
  // The wrestlers stay as they are from here on: teams and completion files look them up by name.
  const WrestlerFinder wrestlers(catalogue);

  if (selected(mask, kLoadObjects)) {
    const std::string path = kindFilePath(folder, kLoadObjects);
    watchKind(catalogue, kLoadObjects, path, [&] {
      return loadKind(fileNumber, path, catalogue.Objects, catalogue.ObjectCount, 1, kObjectLines,
                      [&](ForeignObject& object) { LOADFOREIGN(fileNumber, object); });
    });
  } else {
    leaveEmpty(catalogue, kLoadObjects, catalogue.Objects, catalogue.ObjectCount);
  }

  if (selected(mask, kLoadReferees)) {
    const std::string path = kindFilePath(folder, kLoadReferees);
    // The existence test is watched too: a failing one would pass an existing file over.
    watchKind(catalogue, kLoadReferees, path, [&] {
      if (platform::fileExists(path)) {
        return loadKind(fileNumber, path, catalogue.Referees, catalogue.RefereeCount, 1, kRefereeLines,
                        [&](Referee& referee) { LOADREFEREES(fileNumber, referee); });
      }
      catalogue.Referees.assign(2, Referee{});
      catalogue.RefereeCount = 0;
      return std::optional<platform::UntrappedError>();
    });
  } else {
    leaveEmpty(catalogue, kLoadReferees, catalogue.Referees, catalogue.RefereeCount);
  }

  if (selected(mask, kLoadGimmicks)) {
    const std::string path = kindFilePath(folder, kLoadGimmicks);
    watchKind(catalogue, kLoadGimmicks, path, [&] {
      return loadKind(fileNumber, path, catalogue.Gimmicks, catalogue.GimmickCount, 1, kGimmickLines,
                      [&](GimmickMatch& gimmick) { LOADGIMMICKS(fileNumber, gimmick); });
    });
  } else {
    leaveEmpty(catalogue, kLoadGimmicks, catalogue.Gimmicks, catalogue.GimmickCount);
  }

  if (selected(mask, kLoadStables)) {
    const std::string path = kindFilePath(folder, kLoadStables);
    watchKind(catalogue, kLoadStables, path, [&] {
      return loadKind(fileNumber, path, catalogue.Stables, catalogue.StableCount, 1, kStableFixedLines,
                      [&](Stable& stable) {
                        LOADSTABLES(fileNumber, stable);
                        applyMediaPathRule(stable.MediaPath, folder);
                      });
    });
  } else {
    leaveEmpty(catalogue, kLoadStables, catalogue.Stables, catalogue.StableCount);
  }
  services::pumpEvents(kPumpCount);

  if (selected(mask, kLoadTeams)) {
    const std::string path = kindFilePath(folder, kLoadTeams);
    watchKind(catalogue, kLoadTeams, path, [&] {
      return loadKind(fileNumber, path, catalogue.Teams, catalogue.TeamCount, 1, kTeamLines, [&](Team& team) {
        LOADTEAMS(fileNumber, team, wrestlers);
        applyMediaPathRule(team.MediaPath, folder);
      });
    });
  } else {
    leaveEmpty(catalogue, kLoadTeams, catalogue.Teams, catalogue.TeamCount);
  }

  if (selected(mask, kLoadWrestlers)) {
    clearCrowdEntries(catalogue);
    for (auto [relative, kind] :
         {std::pair<const char*, int32_t>{"\\data\\crowd.cnf", 1}, {"\\data\\wcrowd.cnf", 2}}) {
      std::string path = gamePath(folder, relative);
      if (platform::fileExists(path)) readCrowdFile(catalogue, fileNumber, path, kind, wrestlers);
    }
    std::string mediaPaths = gamePath(folder, "\\data\\zortm.cnf");
    if (platform::fileExists(mediaPaths)) readMediaPathFile(catalogue, fileNumber, mediaPaths, wrestlers);
  }

  INITASSOCIATIONS();

  // Circuits a previous load left in the table (only a load that asked for them could) go first.
  FREECIRCUITS(catalogue);
  eraseRecords(catalogue.Circuits, catalogue.CircuitCount);
  catalogue.Circuits.assign(kMaxCircuits + 1, Circuit{});
  catalogue.CircuitCount = 0;

  if (skipCircuits != 0) return 0;
  if (!selected(mask, kLoadCircuitsComputed | kLoadCircuits | kFilterCircuits)) return 0;
  return loadCircuitList(catalogue, fileNumber, mask, filter, progress);
}

}  // namespace db
