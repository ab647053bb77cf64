// Whole imports on a generated game folder: the interactive road from the export file to the rewritten
// database, checked in the files themselves.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "import/import_run.h"
#include "support/import_fixture.h"
#include "support/import_road.h"

namespace imports {
namespace {

namespace fs = std::filesystem;
using testsupport::numberLine;
using testsupport::packBits;

// The index of a record file: the 1-based position of each record's first line.
std::string indexOf(const std::string& bytes, int linesPerRecord) {
  std::string index;
  size_t position = bytes.find("\r\n") + 2;
  while (position < bytes.size()) {
    index += numberLine(static_cast<int64_t>(position) + 1) + "\r\n";
    for (int n = 0; n < linesPerRecord && position < bytes.size(); ++n)
      position = bytes.find("\r\n", position) + 2;
  }
  return index;
}

std::vector<std::string> names(const std::vector<PlannedRecord>& records) {
  std::vector<std::string> result;
  for (const PlannedRecord& record : records)
    result.push_back(record.name + "=" + std::to_string(record.number));
  return result;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class EndToEndTest : public testsupport::ImportFixture {
 protected:
  void SetUp() override {
    ImportFixture::SetUp();
    testsupport::writeScenarioDatabase(folder);
    before = dataFiles();
    ASSERT_EQ(load(), 0);
    exportPath = writeExport(testsupport::scenarioExport().lines());
  }

  ImportRunResult importSelected(const std::vector<std::string>& selected, const MappingRows& rows = {}) {
    testsupport::openAndSelect(exportPath, catalogue, incoming, selected);
    return testsupport::importAndShow(incoming, catalogue, rows, folder.path());
  }

  std::vector<std::string> record(const std::string& file, int32_t lines, int32_t k) const {
    return testsupport::recordOf(data(file), lines, k);
  }

  std::map<std::string, std::string> before;
  std::string exportPath;
};

TEST_F(EndToEndTest, ImportsNewWrestlerWithNewMovesDivesManagersAndATeam) {
  const ImportRunResult result = importSelected({"New Star", "Champion"});
  ASSERT_EQ(result.outcome, RunOutcome::Imported) << describeRunProblem(result);
  EXPECT_EQ(boxTexts(), (std::vector<std::string>{std::string(kConfirmText), std::string(kSuccessText)}));
  EXPECT_EQ(boxes[0].form, "MAIN");
  EXPECT_EQ(boxes[0].buttons, "YN");
  EXPECT_EQ(boxes[1].buttons, "OK");
  EXPECT_EQ(boxes[1].title, "ZOR 7 SE Export File Wizard, Build 1.630");
  EXPECT_TRUE(reports.empty());

  EXPECT_EQ(lines("zor.inf"), (std::vector<std::string>{" 4 ", " 11 ", " 3 "}));
  EXPECT_EQ(lines("wrestlrs.dat")[0], " 4 ");
  EXPECT_EQ(lines("moves.dat")[0], " 11 ");
  EXPECT_EQ(lines("dives.dat")[0], " 3 ");
  EXPECT_EQ(lines("managers.dat")[0], " 3 ");
  EXPECT_EQ(lines("teams.dat")[0], " 2 ");

  // The new wrestler, every reference translated.
  const std::vector<std::string> star = record("wrestlrs.dat", 120, 4);
  const std::vector<std::string> exported = testsupport::scenarioExport().wrestlers[0];
  ASSERT_EQ(star.size(), 120u);
  for (int n = 1; n <= 120; ++n) {
    std::string expected = exported[static_cast<size_t>(n - 1)];
    if (n == 3) expected = "5";
    if (n == 4) expected = "3";  // Elbow Drop is in the database
    if (n == 55) expected = std::to_string(6 | (7 << 16));
    if (n == 61) expected = "3";
    if (n == 62) expected = "1";
    if (n == 84) expected = "3";
    if (n == 85) expected = "1";
    EXPECT_EQ(star[static_cast<size_t>(n - 1)], expected) << "line " << n;
  }
  // The other wrestlers stay as they were; Champion is replaced in place.
  EXPECT_EQ(record("wrestlrs.dat", 120, 1), testsupport::wrestlerSpec("Old Timer").toLines());
  EXPECT_EQ(record("wrestlrs.dat", 120, 3), testsupport::wrestlerSpec("Third Guy").toLines());
  EXPECT_EQ(record("wrestlrs.dat", 120, 2)[2], "8");

  std::vector<std::string> moveNames;
  for (int k = 1; k <= 11; ++k) moveNames.push_back(record("moves.dat", 27, k)[0]);
  EXPECT_EQ(moveNames, (std::vector<std::string>{"a Punch", "a Kick", "an Elbow Drop", "a Suplex",
                                                 "a Moonsault", "a Dropkick", "a Powerbomb", "a Lariat",
                                                 "a Double Suplex", "a Spike", "a Shooting Star"}));
  EXPECT_EQ(record("moves.dat", 27, 5)[6], "11");  // Moonsault's follow-up Shooting Star
  EXPECT_EQ(record("dives.dat", 10, 3)[0], "a Corkscrew Dive");
  EXPECT_EQ(record("dives.dat", 10, 3)[2], "7");  // Powerbomb
  EXPECT_EQ(record("managers.dat", 10, 3)[0], "Manager New");
  EXPECT_EQ(record("teams.dat", 10, 2),
            testsupport::teamSpec("New Star", "Champion", "Star Power", "!5-9/NeSt").toLines());

  // One backup generation, the indexes of the new files, no companions left.
  for (const std::string name :
       {"wrestlrs.dat", "moves.dat", "dives.dat", "managers.dat", "teams.dat", "zor.inf"}) {
    EXPECT_EQ(testsupport::readFileBytes(data(name + ".bak")), before.at(name)) << name;
    EXPECT_FALSE(fs::exists(data(name + std::string(kAsideSuffix)))) << name;
  }
  for (const std::string base : {"wrestlrs", "moves", "dives", "managers", "teams"}) {
    EXPECT_FALSE(fs::exists(data(base + ".new"))) << base;
  }
  EXPECT_FALSE(fs::exists(data("zor.inf.new")));
  EXPECT_EQ(testsupport::readFileBytes(data("moves.idx")),
            indexOf(testsupport::readFileBytes(data("moves.dat")), 27));
  EXPECT_EQ(testsupport::readFileBytes(data("wrestlrs.idx")),
            indexOf(testsupport::readFileBytes(data("wrestlrs.dat")), 120));
  EXPECT_EQ(testsupport::readFileBytes(data("teams.idx")),
            indexOf(testsupport::readFileBytes(data("teams.dat")), 10));

  // The plan said so before anything was written.
  EXPECT_EQ(names(result.plan.wrestlersAdded), (std::vector<std::string>{"New Star=4"}));
  EXPECT_EQ(names(result.plan.wrestlersReplaced), (std::vector<std::string>{"Champion=2"}));
  EXPECT_EQ(result.plan.wrestlersReplaced[0].replaces, "Champion");
  EXPECT_EQ(names(result.plan.movesAdded),
            (std::vector<std::string>{"Moonsault=5", "Dropkick=6", "Powerbomb=7", "Lariat=8",
                                      "Double Suplex=9", "Spike=10", "Shooting Star=11"}));
  EXPECT_EQ(names(result.plan.divesAdded), (std::vector<std::string>{"Corkscrew Dive=3"}));
  EXPECT_EQ(names(result.plan.managersAdded), (std::vector<std::string>{"Manager New=3"}));
  EXPECT_EQ(names(result.plan.teamsAdded), (std::vector<std::string>{"Star Power (New Star/Champion)=2"}));
  EXPECT_TRUE(result.plan.droppedReferences.empty());

  // The reloaded database sees the import.
  ASSERT_EQ(load(), 0);
  EXPECT_EQ(catalogue.WrestlerCount, 4);
  EXPECT_EQ(catalogue.MoveCount, 11);
  EXPECT_EQ(std::string(memory::heapText(catalogue.Wrestlers[4].Name)), "New Star");
}

TEST_F(EndToEndTest, LogsEveryPassOfTheInteractiveRun) {
  importSelected({"New Star", "Champion"});
  for (const std::string line : {"Importing wrestlers:",
                                 "\tNew Star",
                                 "Importing moves:",
                                 "\ta Moonsault -> 5",
                                 "\ta Shooting Star -> 11",
                                 "Importing dives:",
                                 "\ta Corkscrew Dive -> 3",
                                 "Importing managers:",
                                 "\tManager New -> 3",
                                 "Importing teams:",
                                 "\tStar Power (New Star/Champion) -> 2",
                                 "Dive map:",
                                 "301 -> 3",
                                 "302 -> 1",
                                 "Move map:",
                                 "101 -> 5",
                                 "102 -> 3",
                                 "Manager map:",
                                 "201 -> 3",
                                 "202 -> 1",
                                 "Remapping moves in dives",
                                 "Remapping moves in moves",
                                 "Remapping moves in wrestlers",
                                 "Remapping managers in wrestlers",
                                 "Remapping dives in wrestlers",
                                 "Remapping moves in teams",
                                 "Before: !101-107/NeSt",
                                 "After:  !5-9/NeSt",
                                 "Writing team DB",
                                 "Writing dive DB",
                                 "Writing move DB",
                                 "Writing manager DB",
                                 "Writing wrestler DB",
                                 "Replacing wrestler 2 (Champion) with Champion",
                                 "Done."}) {
    EXPECT_TRUE(contains(log, line)) << line;
  }
  EXPECT_FALSE(contains(log, "\tRookie"));
  EXPECT_FALSE(contains(log, "106 -> 0"));  // the map listing leaves out empty entries
  // The passes in their order.
  auto at = [this](const std::string& line) { return std::find(log.begin(), log.end(), line) - log.begin(); };
  EXPECT_LT(at("Importing teams:"), at("Dive map:"));
  EXPECT_LT(at("Manager map:"), at("Remapping moves in dives"));
  EXPECT_LT(at("Remapping moves in teams"), at("Writing team DB"));
  EXPECT_LT(at("Writing wrestler DB"), at("Done."));
  EXPECT_EQ(fileLog, (std::vector<std::string>{"m=4", "zor_mnr_new=11", "zor_mnr=4", "mov=10"}));
  // The window kept painting while the records were copied.
  EXPECT_GE(std::count(pumps.begin(), pumps.end(), 25), 3 + 4 + 2 + 2 + 1);
}

TEST_F(EndToEndTest, ReplacedWrestlerKeepsHisPictureWhenTheNewOneDoesNotExist) {
  const ImportRunResult result = importSelected({"Champion"});
  ASSERT_TRUE(result.imported()) << describeRunProblem(result);
  const std::vector<std::string> champion = record("wrestlrs.dat", 120, 2);
  EXPECT_EQ(champion[82], "pics\\champ.jpg");
  EXPECT_EQ(champion[2], "6");  // Lariat, after Moonsault
  EXPECT_EQ(lines("wrestlrs.dat")[0], " 3 ");
  EXPECT_EQ(lines("zor.inf")[0], " 3 ");
  EXPECT_TRUE(result.plan.wrestlersAdded.empty());
  EXPECT_TRUE(contains(log, "  " + testsupport::scenarioExport().wrestlers[1][0]));
}

TEST_F(EndToEndTest, ReplacedWrestlerTakesTheNewPictureWhenItsFileExists) {
  fs::create_directories(folder.root() / "pics");
  std::ofstream(folder.root() / "pics" / "new_champ.jpg") << "picture";
  const ImportRunResult result = importSelected({"Champion"});
  ASSERT_TRUE(result.imported()) << describeRunProblem(result);
  EXPECT_EQ(record("wrestlrs.dat", 120, 2)[82], "c:\\zor7se\\pics\\new_champ.jpg");
}

TEST_F(EndToEndTest, MovesNeededOnlyThroughOtherMovesAreAdded) {
  testsupport::WrestlerSpec wrestler = testsupport::wrestlerSpec("Flyer");
  wrestler.moves = {11, 10};  // the export holds no move 10
  testsupport::MoveSpec first = testsupport::moveSpec("a Springboard");
  first.lines[9] = numberLine(packBits({{0, 12}, {12, 13}}));
  first.lines[6] = numberLine(packBits({{0, 5}, {7, 14}, {18, 15}}));
  testsupport::MoveSpec viaField3 = testsupport::moveSpec("a Hidden Move");
  viaField3.lines[3] = numberLine(16);
  testsupport::WrestlerExportFile file = testsupport::wrestlersOnlyExport({wrestler});
  file.moves = {testsupport::exportedMove(11, first),
                testsupport::exportedMove(12, testsupport::moveSpec("a Twelve")),
                testsupport::exportedMove(13, testsupport::moveSpec("a Thirteen")),
                testsupport::exportedMove(14, testsupport::moveSpec("a Fourteen")),
                testsupport::exportedMove(15, viaField3),
                testsupport::exportedMove(16, testsupport::moveSpec("a Deep One")),
                testsupport::exportedMove(17, testsupport::moveSpec("a Stranger"))};
  exportPath = writeExport(file.lines(), "chain.zor");

  const ImportRunResult result = importSelected({"Flyer"});
  ASSERT_TRUE(result.imported()) << describeRunProblem(result);
  EXPECT_EQ(names(result.plan.movesAdded),
            (std::vector<std::string>{"Springboard=5", "Twelve=6", "Thirteen=7", "Fourteen=8",
                                      "Hidden Move=9", "Deep One=10"}));
  const std::vector<std::string> springboard = record("moves.dat", 27, 5);
  EXPECT_EQ(springboard[8], std::to_string(packBits({{0, 6}, {12, 7}})));
  EXPECT_EQ(springboard[5], std::to_string(packBits({{0, 5}, {7, 8}, {18, 9}})));
  EXPECT_EQ(record("moves.dat", 27, 9)[2], "10");
  EXPECT_EQ(lines("moves.dat")[0], " 10 ");
  const std::vector<std::string> flyer = record("wrestlrs.dat", 120, 4);
  EXPECT_EQ(flyer[2], "5");
  EXPECT_EQ(flyer[3], "0");
}

TEST_F(EndToEndTest, MapsAndRenamesMovesAndDives) {
  MappingRows rows;
  rows.moves = {MappingRow{"Moonsault", "Punch", 0},
                MappingRow{"Dropkick", "  Flying Kick ", kRenameItemNumber}};
  rows.dives = {MappingRow{"Corkscrew Dive", "Tope", 0}};
  const ImportRunResult result = importSelected({"New Star", "Champion"}, rows);
  ASSERT_TRUE(result.imported()) << describeRunProblem(result);

  EXPECT_EQ(names(result.plan.movesAdded),
            (std::vector<std::string>{"Flying Kick=5", "Powerbomb=6", "Lariat=7", "Double Suplex=8",
                                      "Spike=9", "Shooting Star=10"}));
  EXPECT_TRUE(result.plan.divesAdded.empty());
  EXPECT_EQ(record("moves.dat", 27, 5)[0], "a Flying Kick");
  const std::vector<std::string> star = record("wrestlrs.dat", 120, 4);
  EXPECT_EQ(star[2], "1");  // Moonsault merged into Punch
  EXPECT_EQ(star[54], std::to_string(5 | (6 << 16)));
  EXPECT_EQ(star[83], "2");  // Corkscrew Dive merged into Tope
  EXPECT_EQ(record("teams.dat", 10, 2)[3], "!1-8/NeSt");
  EXPECT_EQ(lines("dives.dat")[0], " 2 ");
  EXPECT_TRUE(contains(log, "Read Moonsault and Punch from listview."));
  EXPECT_TRUE(contains(log, "They map to 1 and 1 respectively."));
  EXPECT_TRUE(contains(log, "Read Corkscrew Dive and Tope from listview."));
  EXPECT_TRUE(contains(log, "They map to 1 and 2 respectively."));

  ASSERT_EQ(result.plan.mappings.size(), 3u);
  EXPECT_EQ(describeMapping(result.plan.mappings[0]), "Moonsault -> existing move 1 (Punch)");
  EXPECT_EQ(describeMapping(result.plan.mappings[1]), "Dropkick renamed to Flying Kick");
  EXPECT_EQ(describeMapping(result.plan.mappings[2]), "Corkscrew Dive -> existing dive 2 (Tope)");
}

// Accented move names are listed, mapped and renamed by the names the lists show, converted from code
// page 437 like the database's; the files get the names as the export writes them, or as typed.
TEST_F(EndToEndTest, AccentedMovesAreMappedByTheirShownNamesAndWrittenAsTheyCame) {
  folder.writeMoves({testsupport::moveSpec("a Punch"), testsupport::moveSpec("a Kick"),
                     testsupport::moveSpec("an Elbow Drop"),
                     testsupport::moveSpec("a Pi\xA4"
                                           "a Suplex")});
  ASSERT_EQ(load(), 0);
  testsupport::WrestlerExportFile ex = testsupport::scenarioExport();
  ex.moves[2][1] = "a Se\xA4or Drop";  // 103, line 55 bits 0-15 of New Star
  ex.moves[3][1] =
      "a Pi\xA4"
      "a Bomb";                          // 104, line 55 bits 16-31
  ex.moves[4][1] = "a Se\xA4or Lariat";  // 105, Champion's
  exportPath = writeExport(ex.lines(), "accents.zor");
  MappingRows rows;
  rows.moves = {MappingRow{"Se\xF1or Drop",
                           "Pi\xF1"
                           "a Suplex",
                           0},
                MappingRow{"Pi\xF1"
                           "a Bomb",
                           "\xC5sa Bomb", kRenameItemNumber}};
  const ImportRunResult result = importSelected({"New Star", "Champion"}, rows);
  ASSERT_TRUE(result.imported()) << describeRunProblem(result);

  EXPECT_EQ(result.plan.mappings[0].outcome, MappingOutcome::Mapped);
  EXPECT_EQ(result.plan.mappings[1].outcome, MappingOutcome::Renamed);
  EXPECT_EQ(names(result.plan.movesAdded),
            (std::vector<std::string>{"Moonsault=5", "\xC5sa Bomb=6", "Se\xF1or Lariat=7", "Double Suplex=8",
                                      "Spike=9", "Shooting Star=10"}));
  EXPECT_EQ(record("wrestlrs.dat", 120, 4)[54], std::to_string(4 | (6 << 16)));
  EXPECT_EQ(record("moves.dat", 27, 4)[0],
            "a Pi\xA4"
            "a Suplex");
  EXPECT_EQ(record("moves.dat", 27, 6)[0], "a \xC5sa Bomb");
  EXPECT_EQ(record("moves.dat", 27, 7)[0], "a Se\xA4or Lariat");
}

TEST_F(EndToEndTest, MappingRowsApplyOneAfterTheOther) {
  MappingRows rows;
  rows.moves = {MappingRow{"Dropkick", "Flying Kick", kRenameItemNumber}, MappingRow{"Dropkick", "Punch", 0},
                MappingRow{"Flying Kick", "Kick", 0}, MappingRow{"Lariat", "Punch", 0},
                MappingRow{"Lariat", "Suplex", 0}};
  const ImportRunResult result = importSelected({"New Star", "Champion"}, rows);
  ASSERT_TRUE(result.imported()) << describeRunProblem(result);
  // The rename took the name away: the second row finds nothing; the third finds the renamed move.
  EXPECT_TRUE(contains(log, "ERROR: The latter maps to 1 but I couldn't find the former."));
  EXPECT_EQ(result.plan.mappings[1].outcome, MappingOutcome::UnknownIncoming);
  EXPECT_EQ(result.plan.mappings[2].outcome, MappingOutcome::Mapped);
  const std::vector<std::string> star = record("wrestlrs.dat", 120, 4);
  EXPECT_EQ(star[54], std::to_string(2 | (6 << 16)));  // Flying Kick merged into Kick
  // Two rows for the same move: the last one wins.
  EXPECT_EQ(record("wrestlrs.dat", 120, 2)[2], "4");
}

TEST_F(EndToEndTest, NoWrestlerSelectedStillAddsTheMovesThatTeamsName) {
  const ImportRunResult result = importSelected({});
  ASSERT_TRUE(result.imported()) << describeRunProblem(result);
  // Every team's move text counts, needed or not.
  EXPECT_EQ(names(result.plan.movesAdded),
            (std::vector<std::string>{"Moonsault=5", "Double Suplex=6", "Spike=7", "Shooting Star=8"}));
  EXPECT_TRUE(result.plan.wrestlersAdded.empty());
  EXPECT_TRUE(result.plan.teamsAdded.empty());
  EXPECT_EQ(lines("zor.inf"), (std::vector<std::string>{" 3 ", " 8 ", " 2 "}));
}

TEST_F(EndToEndTest, NoWrestlerSelectedAppendsNothingAndRewritesEveryFile) {
  // Count lines in plain form, which the rewrite turns into number lines.
  folder.writeWrestlers({testsupport::wrestlerSpec("Old Timer")}, testsupport::CountStyle::Plain);
  folder.writeTeams({testsupport::teamSpec("A", "B")}, testsupport::CountStyle::Plain);
  ASSERT_EQ(load(), 0);
  exportPath =
      writeExport(testsupport::wrestlersOnlyExport({testsupport::wrestlerSpec("Loner")}).lines(), "one.zor");
  const std::map<std::string, std::string> old = dataFiles();

  const ImportRunResult result = importSelected({});
  ASSERT_TRUE(result.imported()) << describeRunProblem(result);
  EXPECT_TRUE(result.plan.changesNothing());
  EXPECT_EQ(boxTexts().front(), kConfirmText);
  EXPECT_EQ(lines("wrestlrs.dat")[0], " 1 ");
  EXPECT_EQ(lines("teams.dat")[0], " 1 ");
  EXPECT_EQ(testsupport::readFileBytes(data("moves.dat")), old.at("moves.dat"));
  for (const std::string name : {"wrestlrs.dat", "moves.dat", "dives.dat", "managers.dat", "teams.dat"}) {
    EXPECT_TRUE(fs::exists(data(name + ".bak"))) << name;
    std::vector<std::string> now = lines(name);
    std::vector<std::string> was = testsupport::splitCrLfLines(old.at(name));
    EXPECT_EQ(std::vector<std::string>(now.begin() + 1, now.end()),
              std::vector<std::string>(was.begin() + 1, was.end()))
        << name;
  }
}

TEST_F(EndToEndTest, ASecondImportReplacesTheBackups) {
  ASSERT_TRUE(importSelected({"New Star", "Champion"}).imported());
  const std::map<std::string, std::string> afterFirst = dataFiles();
  ASSERT_EQ(load(), 0);
  exportPath = writeExport(
      testsupport::wrestlersOnlyExport({testsupport::wrestlerSpec("Second Wave")}).lines(), "second.zor");
  ASSERT_TRUE(importSelected({"Second Wave"}).imported());
  for (const std::string name :
       {"wrestlrs.dat", "moves.dat", "dives.dat", "managers.dat", "teams.dat", "zor.inf"}) {
    EXPECT_EQ(testsupport::readFileBytes(data(name + ".bak")), afterFirst.at(name)) << name;
  }
  EXPECT_EQ(record("wrestlrs.dat", 120, 5)[0], "Second Wave");
}

TEST_F(EndToEndTest, AnsweringNoLeavesTheDatabaseAsItWasAndNoNewFiles) {
  answerYes = false;
  bool newFilesWritten = false;
  onBox = [&](const services::MessageBoxRequest&) {
    newFilesWritten = fs::exists(data("moves.new")) && fs::exists(data("wrestlrs.new"));
  };
  const ImportRunResult result = importSelected({"New Star", "Champion"});
  EXPECT_EQ(result.outcome, RunOutcome::Declined);
  EXPECT_EQ(boxTexts(), std::vector<std::string>{std::string(kConfirmText)});
  EXPECT_TRUE(newFilesWritten);  // asked with the new files beside the database
  EXPECT_EQ(dataFiles(), before);
}

TEST_F(EndToEndTest, TwoSelectedWrestlersOfOneExistingNameReplaceItOnce) {
  testsupport::WrestlerSpec first = testsupport::wrestlerSpec("Champion");
  first.lines[90] = "first";
  testsupport::WrestlerSpec second = testsupport::wrestlerSpec("Champion");
  second.lines[90] = "second";
  exportPath = writeExport(testsupport::wrestlersOnlyExport({first, second}).lines(), "twice.zor");
  exports::ParseResult parsed = exports::PARSEEXPORT(exportPath, catalogue, incoming);
  for (exports::WrestlerItem& item : parsed.wrestlerItems) item.selected = true;
  copyWrestlerSelection(parsed.wrestlerItems, incoming);
  // Both items name the first wrestler; select the second by hand as a window might.
  incoming.IncomingWrestlers[2].ImportNumber = 1;
  evaluateSelection(incoming);
  const ImportRunResult result =
      testsupport::importAndShow(incoming, catalogue, MappingRows{}, folder.path());
  ASSERT_TRUE(result.imported()) << describeRunProblem(result);
  EXPECT_EQ(record("wrestlrs.dat", 120, 2)[89], "first");
  EXPECT_EQ(lines("wrestlrs.dat")[0], " 3 ");
  EXPECT_EQ(lines("wrestlrs.dat").size(), 1u + 3u * 120u);
  ASSERT_EQ(result.plan.wrestlersNotWritten.size(), 1u);
  EXPECT_EQ(result.plan.wrestlersNotWritten[0].index, 2);
}

TEST_F(EndToEndTest, AReferenceWhoseNumberDoesNotFitIsDroppedWithAWarning) {
  std::vector<testsupport::MoveSpec> moves;
  for (int i = 1; i <= 4095; ++i) moves.push_back(testsupport::moveSpec("a Filler " + std::to_string(i)));
  folder.writeMoves(moves);
  ASSERT_EQ(load(), 0);
  testsupport::WrestlerSpec wrestler = testsupport::wrestlerSpec("Big Number");
  wrestler.moves = {1, 2};
  testsupport::MoveSpec first = testsupport::moveSpec("a First");
  first.lines[7] = numberLine(packBits({{0, 2}, {12, 2}}));
  first.lines[3] = numberLine(packBits({{0, 2}, {16, 1}}));
  testsupport::WrestlerExportFile file = testsupport::wrestlersOnlyExport({wrestler});
  file.moves = {testsupport::exportedMove(1, first),
                testsupport::exportedMove(2, testsupport::moveSpec("a Second"))};
  exportPath = writeExport(file.lines(), "big.zor");

  const ImportRunResult result = importSelected({"Big Number"});
  ASSERT_TRUE(result.imported()) << describeRunProblem(result);
  // Second becomes 4097: it fits the 16 bits of line 3 but neither 12-bit half of line 7.
  const std::vector<std::string> added = record("moves.dat", 27, 4096);
  EXPECT_EQ(added[0], "a First");
  EXPECT_EQ(added[2], std::to_string(packBits({{0, 4097}, {16, 1}})));
  EXPECT_EQ(added[6], "0");
  ASSERT_EQ(result.plan.droppedReferences.size(), 2u);
  EXPECT_EQ(describeWarning(result.plan.droppedReferences[0]),
            "move 1 (a First), field 7 bits 0-11: reference 2 would become 4097, which does not fit; the "
            "reference was removed.");
  EXPECT_EQ(result.plan.droppedReferences[1].firstBit, 12);
}

TEST_F(EndToEndTest, ATeamMoveNumberOutsideTheMapIsLeftAsItStands) {
  testsupport::WrestlerExportFile file = testsupport::scenarioExport();
  file.teams[0][3] = "!999-101/NeSt";
  exportPath = writeExport(file.lines(), "team.zor");
  ASSERT_TRUE(importSelected({"New Star"}).imported());
  EXPECT_EQ(record("teams.dat", 10, 2)[3], "!999-5/NeSt");
}

TEST_F(EndToEndTest, AFailingWriteOutStopsTheRunAndSaysWhichFile) {
  fs::create_directory(data("managers.new"));
  const ImportRunResult result = importSelected({"New Star", "Champion"});
  EXPECT_EQ(result.outcome, RunOutcome::Failed);
  ASSERT_TRUE(result.writeFailure.has_value());
  ASSERT_EQ(boxes.size(), 1u);  // no confirmation, no success
  EXPECT_TRUE(boxes[0].text.starts_with("{S}The import was stopped: Could not open \"")) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find("managers.new"), std::string::npos);
  EXPECT_TRUE(boxes[0].text.ends_with("The database has not been changed.")) << boxes[0].text;
  EXPECT_TRUE(reports.empty());
  // Nor are the new files written before the failure left behind; the folder in the way stays.
  EXPECT_EQ(dataFiles(), before);
  EXPECT_TRUE(fs::is_directory(data("managers.new")));
}

}  // namespace
}  // namespace imports
