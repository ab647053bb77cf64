// zor-import end to end: the library's entry with its arguments and captured output streams, on a game
// folder of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/entry.h"
#include "cli_test_support.h"
#include "platform/files.h"
#include "support/export_writer.h"
#include "support/game_folder.h"
#include "support/import_scenario.h"

namespace cli {
namespace {

namespace fs = std::filesystem;
using testsupport::ExportLines;

using clitest::Outcome;

std::vector<std::string> outputLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::writeScenarioDatabase(folder);
    before = files();
    exportPath = writeExport(testsupport::scenarioExport().lines(), "scenario.zor");
  }

  Outcome run(std::vector<std::string> arguments) {
    return clitest::runZorImportIn(folder.path(), arguments);
  }
  Outcome runBare(const std::vector<std::string>& arguments) { return clitest::runZorImport(arguments); }

  std::string writeExport(const ExportLines& lines, const std::string& name, bool enciphered = true) {
    const fs::path path = folder.root() / testsupport::utf8Path(name);
    testsupport::writeFileBytes(
        path, enciphered ? testsupport::encipheredExportBytes(lines, testsupport::exportKeys(5))
                         : testsupport::plainExportBytes(lines));
    return testsupport::pathText(path);
  }

  std::map<std::string, std::string> files() const {
    return testsupport::folderFiles(folder.root() / "data");
  }
  std::vector<std::string> lines(const std::string& name) const {
    return testsupport::fileLines(folder.data(name));
  }
  std::vector<std::string> record(const std::string& name, int32_t lines, int32_t k) const {
    return testsupport::recordOf(folder.data(name), lines, k);
  }
  void expectDatabaseUnchanged() const {
    const std::map<std::string, std::string> now = files();
    for (const auto& [name, bytes] : before) EXPECT_EQ(now.at(name), bytes) << name;
  }

  testsupport::GameFolder folder;
  std::map<std::string, std::string> before;
  std::string exportPath;
};

TEST_F(CommandsTest, VersionAndHelp) {
  Outcome outcome = runBare({"--version"});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(outcome.out, "ZOR 7 SE Export File Wizard, Build 1.630\n");
  outcome = runBare({"--help"});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_TRUE(outcome.out.starts_with("Usage:\n  zor-import [-C DIR] show FILE\n"));
  outcome = runBare({"import"});
  EXPECT_EQ(outcome.code, 2);
  EXPECT_EQ(outcome.err, "zor-import: import needs an export file\nTry 'zor-import --help'.\n");
  EXPECT_TRUE(outcome.out.empty());
}

TEST_F(CommandsTest, ShowListsEveryRecordWithItsMatch) {
  const Outcome outcome = run({"show", exportPath});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  EXPECT_EQ(outputLines(outcome.out),
            (std::vector<std::string>{
                "wrestler\tnew\tF\tNew Star", "wrestler\t2\tM\tChampion", "wrestler\tnew\tM\tRookie",
                "team\tnew\tStar Power (New Star/Champion)", "team\tnew\tRookie/Nobody",
                "move\tnew\tMoonsault", "move\t3\tElbow Drop", "move\tnew\tDropkick", "move\tnew\tPowerbomb",
                "move\tnew\tLariat", "move\tnew\tHeadbutt", "move\tnew\tDouble Suplex", "move\tnew\tSpike",
                "move\tnew\tShooting Star", "move\tnew\tUnused Move", "manager\tnew\tManager New",
                "manager\t1\tManager One", "dive\tnew\tCorkscrew Dive", "dive\t1\tPlancha"}));
  EXPECT_TRUE(outcome.err.empty());
  expectDatabaseUnchanged();
}

TEST_F(CommandsTest, ShowListsObjectsAndGimmicksWithoutImportingThem) {
  folder.writeObjects({testsupport::objectSpec("a Chair")});
  before = files();
  ExportLines objects{"ZOR Export File", "[Exported Objects]", "2"};
  for (const char* name : {"the Chair", "a Se\xA4or Table"}) {
    ExportLines record = testsupport::objectSpec(name).toLines();
    objects.insert(objects.end(), record.begin(), record.end());
  }
  // An object whose name differs from the database's only by its article is there already; names are
  // shown converted from code page 437.
  Outcome outcome = run({"show", writeExport(objects, "objects.zor")});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  EXPECT_EQ(outputLines(outcome.out),
            (std::vector<std::string>{"object\t1\tthe Chair", "object\tnew\ta Se\xC3\xB1or Table"}));

  ExportLines gimmicks{"[Gimmick Matches]", "1"};
  ExportLines match = testsupport::gimmickSpec("Cage Match").toLines();
  gimmicks.insert(gimmicks.end(), match.begin(), match.end());
  outcome = run({"show", writeExport(gimmicks, "gimmicks.zor")});
  EXPECT_EQ(outputLines(outcome.out), std::vector<std::string>{"gimmick\tnew\tCage Match"});
  expectDatabaseUnchanged();
}

TEST_F(CommandsTest, ADryRunPrintsThePlanAndLeavesTheDatabaseAsItWas) {
  // The wizard's default selection: the wrestlers not in the database.
  const Outcome outcome = run({"import", exportPath, "--dry-run"});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  const std::vector<std::string> out = outputLines(outcome.out);
  EXPECT_EQ(out.front(), "Wrestlers added (2):");
  EXPECT_EQ(out[1], "  4\tNew Star");
  EXPECT_EQ(out[2], "  5\tRookie");
  EXPECT_EQ(out.back(), "Dry run: nothing was imported; the database was not changed.");
  EXPECT_TRUE(outcome.err.empty()) << outcome.err;
  EXPECT_EQ(files(), before);  // the new files written for the confirmation are gone again
}

TEST_F(CommandsTest, ImportsTheSelectedWrestlers) {
  const Outcome outcome = run({"import", exportPath, "--select", "Champion", "--deselect", "Rookie"});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "The selected wrestlers were imported successfully.\n");
  EXPECT_TRUE(outcome.err.empty()) << outcome.err;
  EXPECT_EQ(lines("zor.inf"), (std::vector<std::string>{" 4 ", " 11 ", " 3 "}));
  EXPECT_EQ(record("wrestlrs.dat", 120, 4)[0], "New Star");
  EXPECT_EQ(record("teams.dat", 10, 2)[3], "!5-9/NeSt");
  EXPECT_TRUE(fs::exists(folder.data("wrestlrs.dat.bak")));
}

TEST_F(CommandsTest, VerboseImportPrintsThePlanFirst) {
  const Outcome outcome = run({"import", exportPath, "--none", "--select", "Champion", "--verbose"});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  const std::vector<std::string> out = outputLines(outcome.out);
  EXPECT_EQ(out.front(), "Wrestlers replaced (1):");
  EXPECT_EQ(out[1], "  2\tChampion (replaces Champion)");
  EXPECT_EQ(out.back(), "The selected wrestlers were imported successfully.");
}

TEST_F(CommandsTest, MapsAndRenamesInTheOrderGiven) {
  const Outcome outcome =
      run({"import", exportPath, "--none", "--select", "New Star", "--map-move", "Moonsault=Punch",
           "--rename-move", "Dropkick=Flying Kick", "--map-dive", "Corkscrew Dive=Tope"});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  const std::vector<std::string> star = record("wrestlrs.dat", 120, 4);
  EXPECT_EQ(star[2], "1");
  EXPECT_EQ(star[83], "2");
  EXPECT_EQ(record("moves.dat", 27, 5)[0], "a Flying Kick");
  EXPECT_EQ(lines("dives.dat")[0], " 2 ");
}

TEST_F(CommandsTest, MappingTargetsAreTakenWithoutSurroundingBlanks) {
  // The run trims column 1 of a mapping row, so the check of the existing name must too.
  const Outcome outcome = run({"import", exportPath, "--none", "--select", "New Star", "--map-move",
                               "Moonsault= Punch ", "--map-dive", "Corkscrew Dive=Tope "});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  const std::vector<std::string> star = record("wrestlrs.dat", 120, 4);
  EXPECT_EQ(star[2], "1");
  EXPECT_EQ(star[83], "2");
  EXPECT_EQ(lines("dives.dat")[0], " 2 ");
}

TEST_F(CommandsTest, UsageErrorsFoundInTheExportWriteNothing) {
  for (const std::vector<std::string>& options :
       {std::vector<std::string>{"--select", "Nobody"},
        std::vector<std::string>{"--map-move", "Headbutt=Punch"},
        std::vector<std::string>{"--map-move", "Moonsault=No Such Move"},
        std::vector<std::string>{"--rename-dive", "Plancha=Dive Two"},
        // A new name given by an earlier row is not a listed name.
        std::vector<std::string>{"--rename-move", "Moonsault=Big", "--map-move", "Big=Punch"}}) {
    std::vector<std::string> arguments{"import", exportPath, "--none", "--select", "New Star"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const Outcome outcome = run(arguments);
    EXPECT_EQ(outcome.code, 2) << options[1];
    EXPECT_TRUE(outcome.err.starts_with("zor-import: ")) << outcome.err;
    EXPECT_EQ(files(), before) << options[1];
  }
  EXPECT_EQ(run({"import", exportPath, "--select", "Nobody"}).err,
            "zor-import: the export holds no wrestler named 'Nobody'\nTry 'zor-import --help'.\n");
  EXPECT_EQ(run({"import", exportPath, "--deselect", "Rookie", "--map-move", "Headbutt=Punch"}).err,
            "zor-import: 'Headbutt' is not a new move that the selected wrestlers need\nTry 'zor-import "
            "--help'.\n");
}

TEST_F(CommandsTest, FilesThatAreNotExportsFail) {
  std::string tampered = testsupport::readFileBytes(exportPath);
  tampered[tampered.size() / 2] ^= 1;
  testsupport::writeFileBytes(folder.root() / "tampered.zor", tampered);
  Outcome outcome = run({"import", (folder.root() / "tampered.zor").string()});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(outcome.err, "This file is corrupt or not a ZOR export file.\n" +
                             (folder.root() / "tampered.zor").string() + "\n");
  EXPECT_TRUE(outcome.out.empty());

  outcome = run({"show", writeExport({"hello", "world"}, "note.zor", false)});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(outcome.err, "File couldn't be identified as a ZOR export file.\n" +
                             (folder.root() / "note.zor").string() + "\n");

  // What cannot be opened is named as given, as it reads: a missing file, a folder.
  const std::string accented = std::string("\xC3\x89") + "changes";  // "Échanges" in UTF-8
  fs::create_directory(folder.root() / accented);
  for (const std::string& name : {std::string("missing.zor"), accented}) {
    outcome = run({"import", name});
    EXPECT_EQ(outcome.code, 1);
    EXPECT_EQ(outcome.err, "Error opening file.\n" + name + "\n");
  }
  outcome = runBare({"dump", (folder.root() / "missing.zor").string()});
  EXPECT_EQ(outcome.err, "Error opening file.\n" + (folder.root() / "missing.zor").string() + "\n");
  expectDatabaseUnchanged();
}

TEST_F(CommandsTest, AnObjectExportIsImportedAtOnce) {
  folder.writeObjects({testsupport::objectSpec("a Chair")});
  before = files();
  ExportLines objects{"[Exported Objects]", "2"};
  for (const char* name : {"a Chair", "a Table"}) {
    ExportLines record = testsupport::objectSpec(name).toLines();
    objects.insert(objects.end(), record.begin(), record.end());
  }
  const std::string path = writeExport(objects, "objects.zor");
  Outcome outcome = run({"import", path, "--dry-run", "--select", "Ignored"});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  EXPECT_EQ(outputLines(outcome.out).back(),
            "Dry run: 1 of 2 records would be imported; nothing was written.");
  expectDatabaseUnchanged();

  outcome = run({"import", path, "--select", "Ignored"});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "1 foreign object has been imported successfully. 1 was already in the database.\n");
  EXPECT_EQ(lines("objects.dat")[0], " 2 ");
}

TEST_F(CommandsTest, BatchPrintsOneLinePerFileInOrder) {
  const std::string first = writeExport(
      testsupport::wrestlersOnlyExport({testsupport::wrestlerSpec("Alpha")}).lines(), "first.zor");
  std::string broken = testsupport::readFileBytes(first);
  broken[broken.size() - 3] ^= 4;
  testsupport::writeFileBytes(folder.root() / "broken.zor", broken);
  const std::string third = writeExport(
      testsupport::wrestlersOnlyExport({testsupport::wrestlerSpec("Alpha")}).lines(), "third.zor");

  const Outcome outcome = run({"batch", first, (folder.root() / "broken.zor").string(), third});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(outcome.out, "Imported: first.zor\nImport failed: broken.zor\nImported: third.zor\n");
  EXPECT_EQ(outcome.err, "broken.zor: This file is corrupt or not a ZOR export file.\n");
  EXPECT_EQ(lines("wrestlrs.dat")[0], " 4 ");  // the third file found Alpha and replaced him

  EXPECT_EQ(run({"batch", first}).code, 0);
}

TEST_F(CommandsTest, BatchShortNamesAreCutBetweenCharacters) {
  // Paths without a separator and longer than 20 characters are shortened in whole characters, so the
  // lines stay UTF-8.
  std::string umlauts;
  for (int i = 0; i < 16; ++i) umlauts += "\xC3\x84";
  const std::string good = "a" + umlauts + ".zor";
  const std::string bad = "b" + umlauts + ".zor";
  const std::string path =
      writeExport(testsupport::wrestlersOnlyExport({testsupport::wrestlerSpec("Alpha")}).lines(), good);
  std::string broken = testsupport::readFileBytes(testsupport::utf8Path(path));
  ASSERT_GT(broken.size(), 3u);
  broken[broken.size() - 3] ^= 4;
  testsupport::writeFileBytes(folder.root() / testsupport::utf8Path(bad), broken);

  const Outcome outcome = run({"batch", good, bad});
  const std::string nine = umlauts.substr(0, 18);
  const std::string six = umlauts.substr(0, 12);
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(outcome.out,
            "Imported: a" + nine + "..." + six + ".zor\nImport failed: b" + nine + "..." + six + ".zor\n");
  EXPECT_EQ(outcome.err, "b" + nine + "..." + six + ".zor: This file is corrupt or not a ZOR export file.\n");
}

TEST_F(CommandsTest, DumpPrintsTheLinesOfEncipheredAndPlainFilesAlike) {
  const ExportLines exportLines = testsupport::scenarioExport().lines();
  const std::string plain = writeExport(exportLines, "plain.zor", false);
  const Outcome enciphered = runBare({"dump", exportPath});
  ASSERT_EQ(enciphered.code, 0) << enciphered.err;
  std::string expected;
  for (const std::string& line : exportLines) expected += line + "\n";
  EXPECT_EQ(enciphered.out, expected);
  EXPECT_EQ(runBare({"dump", plain}).out, expected);

  // Bytes leave unconverted.
  const std::string odd = writeExport({"Caf\xE9", "\x81"}, "odd.zor");
  EXPECT_EQ(runBare({"dump", odd}).out, "Caf\xE9\n\x81\n");

  std::string tampered = testsupport::readFileBytes(exportPath);
  tampered[500] ^= 1;
  testsupport::writeFileBytes(folder.root() / "tampered.zor", tampered);
  const Outcome outcome = runBare({"dump", (folder.root() / "tampered.zor").string()});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(outcome.err, "This file is corrupt or not a ZOR export file.\n" +
                             (folder.root() / "tampered.zor").string() + "\n");
  EXPECT_TRUE(outcome.out.empty());
}

TEST_F(CommandsTest, RunsInTheGivenFolderAndComesBack) {
  const std::string start = platform::currentDirectory();
  Outcome outcome = run({"show", "scenario.zor"});
  EXPECT_EQ(outcome.code, 0) << outcome.err;
  EXPECT_EQ(platform::currentDirectory(), start);
  outcome = runBare({"-C", (folder.root() / "nowhere").string(), "show", "scenario.zor"});
  EXPECT_EQ(outcome.code, 2);
  EXPECT_NE(outcome.err.find("cannot change to the folder"), std::string::npos);
}

TEST_F(CommandsTest, TextsCrossTheBorderInUtf8) {
  folder.writeWrestlers({testsupport::wrestlerSpec(testsupport::cp437("M\xFCller"))});
  const std::string path = writeExport(
      testsupport::wrestlersOnlyExport({testsupport::wrestlerSpec(testsupport::cp437("M\xFCller")),
                                        testsupport::wrestlerSpec(testsupport::cp437("J\xFCrgen"))})
          .lines(),
      "umlauts.zor");
  Outcome outcome = run({"show", path});
  EXPECT_EQ(outputLines(outcome.out),
            (std::vector<std::string>{"wrestler\t1\tM\tM\xC3\xBCller", "wrestler\tnew\tM\tJ\xC3\xBCrgen"}));
  outcome = run({"import", path, "--none", "--select", "J\xC3\xBCrgen"});
  ASSERT_EQ(outcome.code, 0) << outcome.err;
  EXPECT_EQ(record("wrestlrs.dat", 120, 2)[0], testsupport::cp437("J\xFCrgen"));
}

TEST_F(CommandsTest, AFailingWriteEndsTheRunAndSaysWhy) {
  fs::create_directory(folder.data("teams.new"));
  const Outcome outcome = run({"import", exportPath});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_TRUE(outcome.err.starts_with("The import was stopped: Could not open \"")) << outcome.err;
  EXPECT_NE(outcome.err.find("teams.new"), std::string::npos);
  EXPECT_TRUE(outcome.out.empty()) << outcome.out;
  expectDatabaseUnchanged();
}

TEST_F(CommandsTest, ErrorsDuringTheLoadArePrintedAndTheLoadGoesOn) {
  folder.remove("data/stables.dat");
  before = files();
  const Outcome outcome = run({"import", exportPath, "--none", "--select", "New Star"});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_NE(outcome.err.find("Untrapped Error #53 (File not found)\nhas occurred following execution of "),
            std::string::npos)
      << outcome.err;
  EXPECT_EQ(outcome.err.find("Press OK"), std::string::npos);
  EXPECT_EQ(outcome.out, "The selected wrestlers were imported successfully.\n");
}

TEST_F(CommandsTest, DroppedReferencesAreWarnedAbout) {
  std::vector<testsupport::MoveSpec> moves;
  for (int i = 1; i <= 4095; ++i) moves.push_back(testsupport::moveSpec("a Filler " + std::to_string(i)));
  folder.writeMoves(moves);
  testsupport::WrestlerSpec wrestler = testsupport::wrestlerSpec("Big Number");
  wrestler.moves = {1, 2};
  testsupport::MoveSpec first = testsupport::moveSpec("a First");
  first.lines[7] = testsupport::numberLine(2);
  testsupport::WrestlerExportFile file = testsupport::wrestlersOnlyExport({wrestler});
  file.moves = {testsupport::exportedMove(1, first),
                testsupport::exportedMove(2, testsupport::moveSpec("a Second"))};
  const Outcome outcome = run({"import", writeExport(file.lines(), "big.zor")});
  EXPECT_EQ(outcome.code, 0);
  EXPECT_EQ(
      outcome.err,
      "Warning: move 1 (a First), field 7 bits 0-11: reference 2 would become 4097, which does not fit; the "
      "reference was removed.\n");
}

}  // namespace
}  // namespace cli
