// Randomly damaged record lines of a wrestler export through the whole road, interactive and batch:
// parse, selection, mapping, numbering, translation, write-out and commit into a copy of a generated
// game folder. Whatever the export holds, the run must not crash, and the database it leaves must load
// cleanly with every count line true and every file holding exactly its records. (References the
// export itself leaves dangling, beyond its own records or the unset marker, are carried over as they
// stand, so they are not checked here; the translation tests cover each reference range.)
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "db/load_database.h"
#include "export/export_test_support.h"
#include "export/parser.h"
#include "import/batch_import.h"
#include "import/import_run.h"
#include "import/list_selection.h"
#include "import/mapping_rows.h"
#include "import/selection.h"
#include "platform/text.h"
#include "support/game_generator.h"
#include "support/import_fixture.h"
#include "support/import_road.h"
#include "support/import_scenario.h"

namespace imports {
namespace {

namespace fs = std::filesystem;
using exporttest::Lines;
using testsupport::GameFolder;

enum class Kind { Move, Dive, Manager };

// A reference packed into a record line, as the game reads it.
struct Reference {
  int line;
  int firstBit;
  int lastBit;
  Kind kind;
};

std::vector<Reference> wrestlerReferences() {
  std::vector<Reference> references;
  for (int line = 3; line <= 52; ++line) references.push_back({line, 0, 15, Kind::Move});
  for (int line : {54, 56, 66, 69, 75, 76, 77}) references.push_back({line, 0, 15, Kind::Move});
  for (int line : {55, 71}) {
    references.push_back({line, 0, 15, Kind::Move});
    references.push_back({line, 16, 31, Kind::Move});
  }
  references.push_back({72, 0, 31, Kind::Move});
  for (int line = 61; line <= 64; ++line) references.push_back({line, 0, 15, Kind::Manager});
  for (int line = 84; line <= 88; ++line) references.push_back({line, 0, 15, Kind::Dive});
  return references;
}

std::vector<Reference> moveReferences() {
  std::vector<Reference> references = {
      {3, 0, 15, Kind::Move}, {6, 7, 17, Kind::Move}, {6, 18, 31, Kind::Move}};
  for (int line = 7; line <= 15; ++line) {
    references.push_back({line, 0, 11, Kind::Move});
    references.push_back({line, 12, 23, Kind::Move});
  }
  return references;
}

std::vector<Reference> diveReferences() {
  return {{3, 0, 15, Kind::Move}, {6, 7, 17, Kind::Move}};
}

// What a damaged reference line may hold.
const std::vector<std::string> kReferenceTexts = {
    "-1",         "0",           " 0 ",  "65535", "65536", "2147483648", "-2147483648", "4294967296",
    "4294967295", "99999999999", "1e12", "abc",   "",      " 7 apples",  "-65536",      "131071",
    "101",        "103",         "109",  "111",   "201",   "203",        "301",         "303"};

const std::vector<std::string> kSourceTexts = {"-1",    "0",          "1",   "65535", "65536",
                                               "70000", "2147483648", "abc", "",      " 12 "};

const std::vector<std::string> kTeamMoveTexts = {
    "!",         "!-",       "!99999-x/",      "!1-2-3/ab",     "+!",           "&",
    "!101-107/", "!!101-/x", "!-101/x",        "!65535-65536/", "!-1--1/x",     "!2147483648-4294967297/y",
    "!/",        "!101",     "!abc-def/gh-ij", "!108-Label/Ro", "!109-110-111", "&Both/x",
    "/",         "!111-1e9/"};

int64_t valueOf(const std::string& line) {
  return platform::numberValue(line);
}

class RunFuzzTest : public testsupport::ImportFixture {
 protected:
  void SetUp() override {
    ImportFixture::SetUp();
    sizes.wrestlers = 12;
    sizes.moves = 20;
    sizes.dives = 6;
    sizes.teams = 5;
    sizes.managers = 4;
    sizes.stables = 3;
    sizes.objects = 2;
    sizes.gimmicks = 2;
    sizes.referees = 2;
    sizes.crowdLines = 6;
    testsupport::writeGeneratedDatabase(folder, sizes);
    ASSERT_EQ(load(), 0);
    ASSERT_TRUE(reports.empty());
  }

  // The scenario's export with a record of each kind that the generated database already holds.
  exporttest::WrestlerExport validExport() const {
    using namespace testsupport;
    const WrestlerExportFile scenario = scenarioExport();
    exporttest::WrestlerExport ex;
    ex.wrestlers = scenario.wrestlers;
    ex.teams = scenario.teams;
    ex.moves = scenario.moves;
    ex.managers = scenario.managers;
    ex.dives = scenario.dives;

    WrestlerSpec known = wrestlerSpec(generatedWrestlerName(2));
    known.moves = {105, 111};
    known.managers = {203, 0, 0, 0};
    known.dives = {303, 0, 0, 0, 0};
    known.lines[66] = numberLine(109);
    known.lines[72] = numberLine(-1);
    ex.wrestlers.push_back(known.toLines());
    ex.teams.push_back(teamSpec(generatedWrestlerName(2), "New Star", "", "!111-101/Wr05").toLines());
    ex.moves.push_back(exporttest::moveRecord(111, generatedMoveLine(3)));
    ex.managers.push_back(exporttest::managerRecord(203, generatedManagerName(1)));
    ex.dives.push_back(exporttest::diveRecord(303, generatedDiveLine(2)));
    return ex;
  }

  template <class T>
  const T& pick(const std::vector<T>& from) {
    return from[rng() % from.size()];
  }

  // A record of one of the sections (nullptr when the section is empty).
  Lines* anyRecord(std::vector<Lines>& records) {
    return records.empty() ? nullptr : &records[rng() % records.size()];
  }

  void setLine(Lines* record, size_t index, const std::string& text) {
    if (record != nullptr && index < record->size()) (*record)[index] = text;
  }

  std::string referenceText() {
    switch (rng() % 4) {
      case 0:
        return std::to_string(testsupport::packBits({{0, 101 + rng() % 12}, {16, 101 + rng() % 12}}));
      case 1:
        return std::to_string(1 + rng() % 30);
      default:
        return pick(kReferenceTexts);
    }
  }

  std::string countText(size_t records) {
    switch (rng() % 4) {
      case 0:
        return std::to_string(records + 1 + rng() % 3);
      case 1:
        return records == 0 ? "0" : std::to_string(records - 1);
      case 2:
        return pick(kSourceTexts);
      default:
        return "";
    }
  }

  // One to five damages to the export's records. Lines of a wrestler or team are numbered from 1
  // (index n - 1); moves, managers and dives carry their source number at index 0, so line n is at n.
  void damage(exporttest::WrestlerExport& ex) {
    for (int steps = 1 + static_cast<int>(rng() % 5); steps > 0; --steps) {
      switch (rng() % 12) {
        case 0:
        case 1:
        case 2: {
          const std::vector<Reference> references = wrestlerReferences();
          setLine(anyRecord(ex.wrestlers), static_cast<size_t>(pick(references).line - 1), referenceText());
          break;
        }
        case 3: {
          const bool move = rng() % 2 == 0;
          const std::vector<Reference> references = move ? moveReferences() : diveReferences();
          setLine(anyRecord(move ? ex.moves : ex.dives), static_cast<size_t>(pick(references).line),
                  referenceText());
          break;
        }
        case 4: {  // a source number, often one that another record has too
          std::vector<Lines>& records = rng() % 3 == 0 ? ex.moves : rng() % 2 == 0 ? ex.managers : ex.dives;
          if (records.empty()) break;
          setLine(anyRecord(records), 0, rng() % 2 == 0 ? pick(kSourceTexts) : (*anyRecord(records))[0]);
          break;
        }
        case 5:
          setLine(anyRecord(ex.teams), 3, pick(kTeamMoveTexts));
          break;
        case 6: {  // an empty name
          switch (rng() % 5) {
            case 0:
              setLine(anyRecord(ex.wrestlers), 0, "");
              break;
            case 1:
              setLine(anyRecord(ex.teams), rng() % 3, "");
              break;
            default:
              setLine(anyRecord(rng() % 2 == 0 ? ex.moves : rng() % 2 == 0 ? ex.managers : ex.dives), 1, "");
          }
          break;
        }
        case 7: {  // the name of another record, of the export or of the database
          switch (rng() % 3) {
            case 0: {
              if (ex.wrestlers.empty()) break;
              Lines* record = anyRecord(ex.wrestlers);
              setLine(record, 0,
                      rng() % 2 == 0
                          ? (*anyRecord(ex.wrestlers))[0]
                          : testsupport::generatedWrestlerName(1 + static_cast<int32_t>(rng() % 12)));
              break;
            }
            case 1: {
              if (ex.moves.empty()) break;
              Lines* record = anyRecord(ex.moves);
              setLine(record, 1,
                      rng() % 2 == 0 ? (*anyRecord(ex.moves))[1]
                                     : testsupport::generatedMoveLine(1 + static_cast<int32_t>(rng() % 20)));
              break;
            }
            default: {
              if (ex.dives.empty()) break;
              setLine(anyRecord(ex.dives), 1, (*anyRecord(ex.dives))[1]);
            }
          }
          break;
        }
        case 8: {  // a whole record twice
          std::vector<Lines>* sections[] = {&ex.wrestlers, &ex.teams, &ex.moves, &ex.managers, &ex.dives};
          std::vector<Lines>& records = *sections[rng() % 5];
          if (!records.empty()) records.push_back(records[rng() % records.size()]);
          break;
        }
        case 9: {  // a count that does not match the records
          switch (rng() % 4) {
            case 0:
              ex.wrestlerCount = countText(ex.wrestlers.size());
              break;
            case 1:
              ex.moveCount = countText(ex.moves.size());
              break;
            case 2:
              ex.managerCount = countText(ex.managers.size());
              break;
            default:
              ex.diveCount = countText(ex.dives.size());
          }
          break;
        }
        case 10: {  // a record left out
          std::vector<Lines>* sections[] = {&ex.wrestlers, &ex.teams, &ex.moves, &ex.managers, &ex.dives};
          std::vector<Lines>& records = *sections[rng() % 5];
          if (!records.empty())
            records.erase(records.begin() + static_cast<std::ptrdiff_t>(rng() % records.size()));
          break;
        }
        default:  // any numeric line of a wrestler
          setLine(anyRecord(ex.wrestlers), 2 + rng() % 118, referenceText());
      }
    }
  }

  void copyFolder(const GameFolder& to) const {
    fs::copy(folder.root(), to.root(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }

  // Some rows of the mapping lists: new moves and dives merged into existing ones or renamed.
  MappingRows mappingRows(const exports::ParseResult& parsed) {
    MappingRows rows;
    for (const std::string& move : parsed.newMoves) {
      if (rng() % 4 != 0) continue;
      if (rng() % 2 == 0) {
        rows.moves.push_back(
            {move, testsupport::generatedMoveListName(1 + static_cast<int32_t>(rng() % 20)), 0});
      } else {
        rows.moves.push_back({move, "Renamed " + std::to_string(rng() % 3), kRenameItemNumber});
      }
    }
    for (const std::string& dive : parsed.newDives) {
      if (rng() % 3 == 0) rows.dives.push_back({dive, "Dive 2", 0});
    }
    return rows;
  }

  // The database in `game` loads without a report; each rewritten file's count line is its loaded
  // count and it holds exactly that many records.
  void expectSoundDatabase(const GameFolder& game, const char* road) {
    SCOPED_TRACE(road);
    db::Catalogue loaded;
    const size_t reportsBefore = reports.size();
    EXPECT_EQ(db::LOADDBS(loaded, game.path(), 1, 0, {}), 0);
    EXPECT_EQ(reports.size(), reportsBefore) << "the database does not load cleanly";

    struct File {
      const char* name;
      int32_t linesPerRecord;
      int32_t count;
    };
    for (const File& file :
         {File{"wrestlrs.dat", 120, loaded.WrestlerCount}, File{"moves.dat", 27, loaded.MoveCount},
          File{"dives.dat", 10, loaded.DiveCount}, File{"managers.dat", 10, loaded.ManagerCount},
          File{"teams.dat", 10, loaded.TeamCount}}) {
      const std::vector<std::string> lines = testsupport::fileLines(game.data(file.name));
      ASSERT_FALSE(lines.empty()) << file.name;
      EXPECT_EQ(valueOf(lines[0]), file.count) << file.name;
      EXPECT_EQ(lines.size(), 1 + static_cast<size_t>(file.count) * static_cast<size_t>(file.linesPerRecord))
          << file.name;
    }
    db::releaseCatalogue(loaded);
  }

  exports::ParseOutcome runInteractive(const std::string& exportPath) {
    GameFolder game;
    copyFolder(game);
    exports::IncomingRecords records;
    exports::ParseResult parsed =
        exports::PARSEEXPORT(exportPath, catalogue, records, exports::ParseMode::Interactive);
    if (parsed.outcome == exports::ParseOutcome::Parsed) {
      exporttest::expectWellFormed(records);
      for (exports::WrestlerItem& item : parsed.wrestlerItems) {
        if (rng() % 4 == 0) item.selected = !item.selected;
      }
      copyWrestlerSelection(parsed.wrestlerItems, records);
      evaluateSelection(records);
      const PreparedImport prepared =
          prepareImport(records, catalogue, mappingRows(parsed), game.path(), interactiveLogging());
      const ImportRunResult run =
          finishImport(prepared, records, testsupport::askToConfirm, interactiveLogging());
      EXPECT_EQ(run.outcome, RunOutcome::Imported) << describeRunProblem(run);
      ++imported;
    }
    expectSoundDatabase(game, "interactive");
    return parsed.outcome;
  }

  exports::ParseOutcome runBatch(const std::string& exportPath) {
    GameFolder game;
    copyFolder(game);
    db::Catalogue batchCatalogue;
    EXPECT_EQ(db::LOADDBS(batchCatalogue, game.path(), 1, 0, {}), 0);
    exports::IncomingRecords records;
    const SilentImportResult result = silentImport(exportPath, batchCatalogue, records, game.path());
    if (result.parse == exports::ParseOutcome::Parsed) {
      EXPECT_EQ(result.code, kSilentImported) << result.problem;
    } else {
      EXPECT_EQ(result.code, kSilentNotOpened);
    }
    db::releaseCatalogue(batchCatalogue);
    expectSoundDatabase(game, "batch");
    return result.parse;
  }

  testsupport::GeneratedSizes sizes;
  std::mt19937 rng{7031};
  int imported = 0;  // rounds whose interactive run got past the parser
};

TEST_F(RunFuzzTest, TheValidExportImportsOnBothRoads) {
  const std::string path = writeExport(validExport().lines(), "valid.zor");
  EXPECT_EQ(runInteractive(path), exports::ParseOutcome::Parsed);
  EXPECT_EQ(runBatch(path), exports::ParseOutcome::Parsed);
  EXPECT_TRUE(reports.empty());
}

TEST_F(RunFuzzTest, DamagedRecordLinesNeverCrashOrLeaveAnUnsoundDatabase) {
  constexpr int kRounds = 150;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    exporttest::WrestlerExport ex = validExport();
    damage(ex);
    const bool enciphered = rng() % 2 == 0;
    const std::string path = writeExport(ex.lines(), "damaged.zor", enciphered, static_cast<uint32_t>(round));

    const exports::ParseOutcome interactive = runInteractive(path);
    const exports::ParseOutcome batch = runBatch(path);
    EXPECT_EQ(interactive, batch);
    EXPECT_EQ(exports::streamTable().streamCount, 0);
    log.clear();
    fileLog.clear();
    boxes.clear();
    if (HasFailure()) break;  // one damaged export at a time is enough to read
  }
  // Most damaged exports still parse, so the runs behind the parser were reached.
  EXPECT_GT(imported, kRounds / 2);
}

}  // namespace
}  // namespace imports
