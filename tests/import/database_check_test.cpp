// The check of a game database on disk: sound databases (the demo game, a generated one with every
// reference line filled, the scenario before and after an import) have no findings, and each kind of
// fault gives its one line naming the file, the record, the field and what is wrong.
#include "import/database_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "import/commit.h"
#include "import/record_kinds.h"
#include "support/game_generator.h"
#include "support/import_fixture.h"

namespace imports {
namespace {

namespace fs = std::filesystem;
using testsupport::GameFolder;
using testsupport::numberLine;
using testsupport::packBits;

const fs::path kDemoGame = fs::path(ZOR_TEST_DATA) / ".." / ".." / "examples" / "demo-game";

constexpr RecordKind kIndexedKinds[] = {RecordKind::Wrestler, RecordKind::Move, RecordKind::Dive,
                                        RecordKind::Manager, RecordKind::Team};

std::vector<std::string> texts(const DatabaseFindings& findings) {
  std::vector<std::string> lines;
  for (const DatabaseFinding& finding : findings) lines.push_back(finding.text);
  return lines;
}

// Line `line` of record `record` of a record file with one count line.
void setRecordLine(GameFolder& folder, const std::string& file, int32_t linesPerRecord, int32_t record,
                   int32_t line, const std::string& text) {
  std::vector<std::string> lines = testsupport::fileLines(folder.data(file));
  lines.at(static_cast<size_t>((record - 1) * linesPerRecord + line)) = text;
  folder.writeLines("data/" + file, lines);
}

void setCountLine(GameFolder& folder, const std::string& file, const std::string& text) {
  std::vector<std::string> lines = testsupport::fileLines(folder.data(file));
  lines.at(0) = text;
  folder.writeLines("data/" + file, lines);
}

void appendLines(GameFolder& folder, const std::string& file, int count) {
  std::vector<std::string> lines = testsupport::fileLines(folder.data(file));
  lines.resize(lines.size() + static_cast<size_t>(count), numberLine(0));
  folder.writeLines("data/" + file, lines);
}

void writeIndexes(const GameFolder& folder) {
  for (RecordKind kind : kIndexedKinds) {
    ASSERT_FALSE(
        MAKEINDEX(databaseFile(folder.path(), kind), linesPerRecord(kind), indexFile(folder.path(), kind), 1))
        << kindName(kind);
  }
}

// The byte position (1-based) at which each record of a record file begins, counted from its lines.
std::vector<int64_t> recordStarts(const fs::path& path, int32_t linesPerRecord) {
  const std::vector<std::string> lines = testsupport::fileLines(path);
  std::vector<int64_t> starts;
  int64_t position = static_cast<int64_t>(lines.at(0).size()) + 3;
  for (size_t n = 1; n < lines.size(); ++n) {
    if ((n - 1) % static_cast<size_t>(linesPerRecord) == 0) starts.push_back(position);
    position += static_cast<int64_t>(lines[n].size()) + 2;
  }
  return starts;
}

class DatabaseCheckTest : public testsupport::ImportFixture {
 protected:
  void SetUp() override {
    ImportFixture::SetUp();
    testsupport::writeScenarioDatabase(folder);
    writeIndexes(folder);
  }

  std::vector<std::string> check() { return texts(checkDatabase(folder.path())); }
};

TEST_F(DatabaseCheckTest, TheScenarioAndTheDemoGameAreSound) {
  EXPECT_EQ(check(), std::vector<std::string>{});

  GameFolder demo;
  fs::copy(kDemoGame, demo.root(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  EXPECT_EQ(texts(checkDatabase(demo.path())), std::vector<std::string>{}) << "without indexes";
  writeIndexes(demo);
  EXPECT_EQ(texts(checkDatabase(demo.path())), std::vector<std::string>{}) << "with indexes";
  EXPECT_TRUE(reports.empty());
}

// Every reference line of a wrestler filled as a real record fills it, including the 32-bit line 72
// (-1 in some) and the upper halves of lines 55 and 71: no range is read wider than it is, and the
// unset marker names nothing.
TEST_F(DatabaseCheckTest, AGeneratedDatabaseWithFullRecordsIsSound) {
  GameFolder generated;
  testsupport::GeneratedSizes sizes;
  sizes.wrestlers = 300;
  // The generator wraps follow-up moves at 4095, the widest they can be: with fewer moves the last
  // ones would name moves past the end of the file.
  sizes.moves = 4100;
  sizes.dives = 30;
  sizes.teams = 40;
  sizes.managers = 12;
  sizes.stables = 6;
  sizes.objects = 5;
  sizes.gimmicks = 4;
  sizes.referees = 3;
  sizes.crowdLines = 4;
  sizes.fullWrestlerLines = true;
  testsupport::writeGeneratedDatabase(generated, sizes);
  writeIndexes(generated);
  EXPECT_EQ(texts(checkDatabase(generated.path())), std::vector<std::string>{});
}

struct DamageCase {
  const char* what;
  std::function<void(GameFolder&)> damage;
  std::vector<std::string> findings;
};

TEST_F(DatabaseCheckTest, EachFaultIsNamedWithItsFileRecordAndField) {
  const std::vector<DamageCase> cases = {
      {"a wrestler's upper move of line 55",
       [](GameFolder& f) {
         setRecordLine(f, "wrestlrs.dat", 120, 2, 55, numberLine(packBits({{0, 3}, {16, 9}})));
       },
       {"wrestlrs.dat, wrestler 2 (Champion), line 55 bits 16-31: names move 9, but moves.dat holds 4 "
        "moves"}},
      {"a wrestler's manager",
       [](GameFolder& f) { setRecordLine(f, "wrestlrs.dat", 120, 1, 63, numberLine(3)); },
       {"wrestlrs.dat, wrestler 1 (Old Timer), line 63 bits 0-15: names manager 3, but managers.dat holds 2 "
        "managers"}},
      {"a wrestler's dive",
       [](GameFolder& f) { setRecordLine(f, "wrestlrs.dat", 120, 3, 88, numberLine(3)); },
       {"wrestlrs.dat, wrestler 3 (Third Guy), line 88 bits 0-15: names dive 3, but dives.dat holds 2 "
        "dives"}},
      {"line 72 marked unset names nothing",
       [](GameFolder& f) { setRecordLine(f, "wrestlrs.dat", 120, 1, 72, numberLine(-1)); },
       {}},
      {"line 72 is one 32-bit reference",
       [](GameFolder& f) { setRecordLine(f, "wrestlrs.dat", 120, 1, 72, numberLine(-2)); },
       {"wrestlrs.dat, wrestler 1 (Old Timer), line 72 bits 0-31: names move 4294967294, but moves.dat holds "
        "4 moves"}},
      {"a move's follow-up past the last move",
       [](GameFolder& f) {
         setRecordLine(f, "moves.dat", 27, 4, 15, numberLine(packBits({{12, 5}})));
       },
       {"moves.dat, move 4 (Suplex), line 15 bits 12-23: names move 5, but moves.dat holds 4 moves"}},
      {"a move naming moves further down its file",
       [](GameFolder& f) {
         setRecordLine(f, "moves.dat", 27, 1, 7, numberLine(packBits({{0, 4}, {12, 2}})));
       },
       {}},
      {"a dive's move",
       [](GameFolder& f) {
         setRecordLine(f, "dives.dat", 10, 1, 6, numberLine(packBits({{0, 5}, {7, 7}})));
       },
       {"dives.dat, dive 1 (Plancha), line 6 bits 7-17: names move 7, but moves.dat holds 4 moves"}},
      {"both moves of a team's move text",
       [](GameFolder& f) {
         f.writeTeams({testsupport::teamSpec("Old Timer", "Third Guy", "Old Boys", "!5-6/OT")});
       },
       {"teams.dat, team 1 (Old Boys), line 4: move text \"!5-6/OT\" names move 5, but moves.dat holds 4 "
        "moves",
        "teams.dat, team 1 (Old Boys), line 4: move text \"!5-6/OT\" names move 6, but moves.dat holds 4 "
        "moves"}},
      {"a team's move text behind a \"+\", the team known by its members",
       [](GameFolder& f) {
         f.writeTeams({testsupport::teamSpec("Old Timer", "Third Guy", "", "+!9-Label/OT")});
       },
       {"teams.dat, team 1 (Old Timer/Third Guy), line 4: move text \"+!9-Label/OT\" names move 9, but "
        "moves.dat holds 4 moves"}},
      {"labels and text moves name no move",
       [](GameFolder& f) {
         f.writeTeams({testsupport::teamSpec("Old Timer", "Third Guy", "A", "!2-Double Impact/OT"),
                       testsupport::teamSpec("Old Timer", "Third Guy", "B", "&12 Stars/OT"),
                       testsupport::teamSpec("Old Timer", "Third Guy", "C", "99 Problems")});
       },
       {}},
      {"a move's name and a team's label shown in the program's character set",
       [](GameFolder& f) {
         f.writeMoves({testsupport::moveSpec("a Punch"), testsupport::moveSpec("a Kick"),
                       testsupport::moveSpec("an Elbow Drop"), testsupport::moveSpec("a Se\xA4or Suplex")});
         setRecordLine(f, "moves.dat", 27, 4, 15, numberLine(packBits({{12, 5}})));
         f.writeTeams({testsupport::teamSpec("Old Timer", "Third Guy", "Old Boys", "!5-Se\xA4or Slam/OT")});
       },
       {"moves.dat, move 4 (Se\xF1or Suplex), line 15 bits 12-23: names move 5, but moves.dat holds 4 moves",
        "teams.dat, team 1 (Old Boys), line 4: move text \"!5-Se\xF1or Slam/OT\" names move 5, but moves.dat "
        "holds 4 moves"}},
      {"a count line short of the records",
       [](GameFolder& f) { setCountLine(f, "moves.dat", numberLine(3)); },
       {"moves.dat, count line: says 3 moves, but the file holds 4 moves",
        "zor.inf, line 2: says 4 moves, but the count line of moves.dat says 3"}},
      {"a count line past the records, with a reference to the missing one",
       [](GameFolder& f) {
         setCountLine(f, "moves.dat", numberLine(5));
         setRecordLine(f, "wrestlrs.dat", 120, 1, 3, numberLine(5));
         f.writeLines("data/zor.inf", {numberLine(3), numberLine(5), numberLine(2)});
       },
       {"moves.dat, count line: says 5 moves, but the file holds 4 moves",
        "wrestlrs.dat, wrestler 1 (Old Timer), line 3 bits 0-15: names move 5, but moves.dat holds 4 moves"}},
      {"a move cut short by the end of the file, naming itself",
       [](GameFolder& f) {
         std::vector<std::string> lines = testsupport::fileLines(f.data("moves.dat"));
         lines[0] = numberLine(5);
         for (const std::string& line : {std::string("a Torn Move"), numberLine(0), numberLine(5)})
           lines.push_back(line);
         f.writeLines("data/moves.dat", lines);
       },
       {"moves.dat, count line: says 5 moves, but the file holds 4 moves and 3 lines of another",
        "moves.dat, move 5 (Torn Move), line 3 bits 0-15: names move 5, but moves.dat holds 4 moves",
        "zor.inf, line 2: says 4 moves, but the count line of moves.dat says 5"}},
      {"lines after the last record",
       [](GameFolder& f) { appendLines(f, "managers.dat", 5); },
       {"managers.dat, count line: says 2 managers, but the file holds 2 managers and 5 lines of another"}},
      {"a count line that is no number",
       [](GameFolder& f) { setCountLine(f, "teams.dat", "abc"); },
       {"teams.dat, count line: holds \"abc\", which is no record count; the file holds 1 team"}},
      {"an empty record file",
       [](GameFolder& f) { f.writeBytes("data/gimmicks.dat", ""); },
       {"gimmicks.dat, count line: missing: the file is empty"}},
      {"a stable whose member count takes the lines of the next",
       [](GameFolder& f) {
         f.writeRecordFile(
             "stables.dat", numberLine(2),
             {testsupport::stableSpec("Reds", {1, 2}).toLines(), testsupport::stableSpec("Blues").toLines()});
         setRecordLine(f, "stables.dat", 1, 1, 2, numberLine(5));
       },
       {"stables.dat, count line: says 2 stables, but the file holds 1 stable and 20 lines of another"}},
      {"a missing record file; referees are optional",
       [](GameFolder& f) {
         f.remove("data/objects.dat");
         f.remove("data/referees.def");
       },
       {"objects.dat: missing"}},
      {"zor.inf with another count",
       [](GameFolder& f) {
         f.writeLines("data/zor.inf", {numberLine(3), numberLine(5), numberLine(2)});
       },
       {"zor.inf, line 2: says 5 moves, but the count line of moves.dat says 4"}},
      {"zor.inf without a number and a line short",
       [](GameFolder& f) {
         f.writeLines("data/zor.inf", {"x", numberLine(4)});
       },
       {"zor.inf, line 1: holds \"x\", which is no count of wrestlers; the count line of wrestlrs.dat says 3",
        "zor.inf, line 3: missing; the count line of managers.dat says 2"}},
      {"zor.inf with a line too many",
       [](GameFolder& f) {
         f.writeLines("data/zor.inf", {numberLine(3), numberLine(4), numberLine(2), ""});
       },
       {"zor.inf: 1 line after the three counts"}},
      {"no zor.inf: the next import writes it", [](GameFolder& f) { f.remove("data/zor.inf"); }, {}},
  };
  // Without indexes, which the damage would make stale; they have a test of their own.
  for (const char* index : {"wrestlrs.idx", "moves.idx", "dives.idx", "managers.idx", "teams.idx"}) {
    ASSERT_TRUE(fs::remove(data(index))) << index;
  }
  const std::map<std::string, std::string> sound = dataFiles();
  for (const DamageCase& damage : cases) {
    restoreDataFiles(sound);
    damage.damage(folder);
    EXPECT_EQ(check(), damage.findings) << damage.what;
  }
  EXPECT_TRUE(reports.empty()) << "the check reports nothing itself";
}

TEST_F(DatabaseCheckTest, AnIndexThatNoLongerFitsItsFile) {
  const std::vector<std::string> index = testsupport::fileLines(data("wrestlrs.idx"));
  ASSERT_EQ(index.size(), 3u);

  // A longer line in wrestler 1 moves the records after it.
  setRecordLine(folder, "wrestlrs.dat", 120, 1, 53, "a nickname");
  const std::vector<int64_t> starts = recordStarts(data("wrestlrs.dat"), 120);
  EXPECT_EQ(check(),
            std::vector<std::string>{"wrestlrs.idx, entry 2: says byte " + std::to_string(starts[1] - 10) +
                                     ", but wrestler 2 begins at byte " + std::to_string(starts[1]) +
                                     "; 2 of its 3 entries are wrong"});

  setRecordLine(folder, "wrestlrs.dat", 120, 1, 53, "");
  folder.writeLines("data/wrestlrs.idx", {index[0], index[1]});
  EXPECT_EQ(check(), std::vector<std::string>{"wrestlrs.idx: has 2 entries, but wrestlrs.dat has 3 records"});

  const std::vector<int64_t> moves = recordStarts(data("moves.dat"), 27);
  ASSERT_EQ(moves.size(), 4u);
  folder.writeLines("data/moves.idx", {numberLine(moves[0]), "x", numberLine(0), numberLine(moves[3]),
                                       numberLine(moves[3] + 1)});
  EXPECT_EQ(check(),
            (std::vector<std::string>{"moves.idx: has 5 entries, but moves.dat has 4 records",
                                      "moves.idx, entry 2: holds \"x\", but move 2 begins at byte " +
                                          std::to_string(moves[1]) + "; 2 of its 4 entries are wrong",
                                      "wrestlrs.idx: has 2 entries, but wrestlrs.dat has 3 records"}));
}

TEST_F(DatabaseCheckTest, NamesAreShownInTheProgramsCharacterSet) {
  folder.writeWrestlers({testsupport::wrestlerSpec(testsupport::cp437("Bj\xF6rn Halvorsen")),
                         testsupport::wrestlerSpec("Champion"), testsupport::wrestlerSpec("Third Guy")});
  setRecordLine(folder, "wrestlrs.dat", 120, 1, 84, numberLine(7));
  writeIndexes(folder);
  const DatabaseFindings findings = checkDatabase(folder.path());
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].recordName, "Bj\xF6rn Halvorsen");
  EXPECT_EQ(findings[0].kind, FindingKind::ReferencePastCount);
  EXPECT_EQ(findings[0].file, "wrestlrs.dat");
  EXPECT_EQ(findings[0].record, 1);
  EXPECT_EQ(findings[0].field, "line 84 bits 0-15");
  EXPECT_EQ(findings[0].value, 7);
}

TEST_F(DatabaseCheckTest, AnImportByTheEngineLeavesNothingToFind) {
  // A fault the database had before stays, in other words since the import adds moves: it is not new.
  setRecordLine(folder, "wrestlrs.dat", 120, 3, 5, numberLine(99));
  const DatabaseFindings before = checkDatabase(folder.path());
  ASSERT_EQ(texts(before), std::vector<std::string>{"wrestlrs.dat, wrestler 3 (Third Guy), line 5 bits 0-15: "
                                                    "names move 99, but moves.dat holds 4 moves"});

  const std::string exportPath = writeExport(testsupport::scenarioExport().lines());
  const ImportRunResult result = loadAndImport(exportPath, {"New Star", "Champion"}, nullptr);
  ASSERT_EQ(result.outcome, RunOutcome::Imported) << describeRunProblem(result);

  const DatabaseFindings after = checkDatabase(folder.path());
  EXPECT_EQ(texts(after), std::vector<std::string>{"wrestlrs.dat, wrestler 3 (Third Guy), line 5 bits 0-15: "
                                                   "names move 99, but moves.dat holds 11 moves"});
  EXPECT_EQ(texts(newFindings(before, after)), std::vector<std::string>{});
  EXPECT_EQ(texts(newFindings({}, after)), texts(after));
}

TEST(NewFindingsTest, AFindingIsNewUnlessTheSameFaultWasThereBefore) {
  const DatabaseFinding base =
      makeRecordFinding(FindingKind::ReferencePastCount, "wrestlrs.dat", "wrestler", 3, "Third Guy",
                        "line 5 bits 0-15", "names move 99, ...", 99);
  struct Case {
    const char* what;
    DatabaseFinding after;
    bool isNew;
  };
  auto changed = [&base](const std::function<void(DatabaseFinding&)>& change) {
    DatabaseFinding finding = base;
    change(finding);
    return finding;
  };
  const std::vector<Case> cases = {
      {"the same fault in other words", changed([](DatabaseFinding& f) { f.problem = "other words"; }),
       false},
      {"the same record renamed", changed([](DatabaseFinding& f) { f.recordName = "Renamed"; }), false},
      {"another number at fault", changed([](DatabaseFinding& f) { f.value = 98; }), true},
      {"another record", changed([](DatabaseFinding& f) { f.record = 4; }), true},
      {"another field", changed([](DatabaseFinding& f) { f.field = "line 6 bits 0-15"; }), true},
      {"another file", changed([](DatabaseFinding& f) { f.file = "teams.dat"; }), true},
      {"another kind of fault", changed([](DatabaseFinding& f) { f.kind = FindingKind::TeamMovePastCount; }),
       true},
  };
  for (const Case& c : cases) {
    const DatabaseFindings fresh = newFindings({base}, {c.after});
    EXPECT_EQ(fresh.size(), c.isNew ? 1u : 0u) << c.what;
  }
  const DatabaseFinding other = changed([](DatabaseFinding& f) { f.record = 7; });
  EXPECT_EQ(newFindings({base}, {other, base, other}).size(), 2u) << "each finding of after counts";
}

}  // namespace
}  // namespace imports
