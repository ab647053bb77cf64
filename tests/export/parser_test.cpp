#include "export/parser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "export_test_support.h"
#include "services/program.h"

namespace {

namespace fs = std::filesystem;
using namespace exports;
using exporttest::Lines;
using exporttest::WrestlerExport;

const fs::path kDataFolder = ZOR_TEST_DATA;

class ParserTest : public exporttest::ExportTest {
 protected:
  ParseResult parse(const Lines& lines, ParseMode mode = ParseMode::Interactive, bool enciphered = false) {
    return PARSEEXPORT(writeExport(lines, enciphered), catalogue, records, mode);
  }

  // A first export in the arrays, to see whether a later parse keeps or replaces them.
  void parseSomething() {
    WrestlerExport ex;
    ex.wrestlers = {exporttest::wrestlerRecord("Earlier One")};
    ex.moves = {exporttest::moveRecord(3, "a Backbreaker")};
    ASSERT_EQ(parse(ex.lines()).outcome, ParseOutcome::Parsed);
    ASSERT_EQ(records.IncomingWrestlerCount, 1);
    boxes.clear();
  }
};

TEST_F(ParserTest, ReferenceFilesParseIdenticallyPlainAndEnciphered) {
  load();
  IncomingRecords plain;
  IncomingRecords enciphered;
  const ParseResult a = PARSEEXPORT((kDataFolder / "wrestlers-plain.zor").string(), catalogue, plain);
  const ParseResult b =
      PARSEEXPORT((kDataFolder / "wrestlers-enciphered.zor").string(), catalogue, enciphered);
  ASSERT_EQ(a.outcome, ParseOutcome::Parsed);
  ASSERT_EQ(b.outcome, ParseOutcome::Parsed);
  exporttest::expectSameRecords(plain, enciphered);
  exporttest::expectWellFormed(plain);

  EXPECT_EQ(plain.IncomingWrestlerCount, 1);
  EXPECT_EQ(plain.IncomingTeamCount, 3);
  EXPECT_EQ(plain.IncomingMoveCount, 13);
  EXPECT_EQ(plain.IncomingManagerCount, 3);
  EXPECT_EQ(plain.IncomingDiveCount, 6);
  // The name's UTF-8 apostrophe becomes a plain one through the code page conversion; the line itself
  // stays as read.
  EXPECT_EQ(plain.IncomingWrestlers[1].ListName, "Luna O'Brien");
  EXPECT_EQ(plain.IncomingWrestlerLines[1][1],
            "Luna O\xE2\x80\x99"
            "Brien");
  // Team names are converted like the catalogue's display names they are matched against.
  EXPECT_EQ(plain.IncomingTeams[1].StoredName, "Team 0 (Luna O'Brien/Luna O'Brien)");
  EXPECT_EQ(plain.IncomingTeams[3].StoredName, "Luna O'Brien/Big Fury");
  EXPECT_EQ(plain.IncomingMoves[1].SourceNumber, 9);
  EXPECT_EQ(plain.IncomingMoves[1].StoredName, "a Reverse Leg Drop 9");
  EXPECT_EQ(plain.IncomingMoves[1].ListName, "Reverse Leg Drop 9");
  EXPECT_EQ(plain.IncomingDives[1].SourceNumber, 86);
  EXPECT_EQ(plain.IncomingDives[1].ListName, "Corkscrew Splash");
  EXPECT_EQ(plain.IncomingManagers[3].StoredName, "Mr. Okada-Lune");
  EXPECT_EQ(a.wrestlerItems.size(), 1u);
  EXPECT_EQ(a.moveRowCount, 13);
  EXPECT_EQ(a.diveRowCount, 6);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ParserTest, OwnExportParsesIdenticallyPlainAndEnciphered) {
  WrestlerExport ex;
  ex.wrestlers = {exporttest::wrestlerRecord("Hawk Storm"), exporttest::wrestlerRecord("Blaze Fury", 1)};
  ex.teams = {exporttest::teamRecord("Hawk Storm", "Blaze Fury", "Storm Front")};
  ex.moves = {exporttest::moveRecord(12, "a Piledriver"), exporttest::moveRecord(7, "an Armbar")};
  ex.managers = {exporttest::managerRecord(4, "Jimmy")};
  ex.dives = {exporttest::diveRecord(2, "a Moonsault")};
  load();
  ASSERT_EQ(parse(ex.lines(), ParseMode::Interactive, false).outcome, ParseOutcome::Parsed);
  const IncomingRecords plain = records;
  ASSERT_EQ(parse(ex.lines(), ParseMode::Interactive, true).outcome, ParseOutcome::Parsed);
  exporttest::expectSameRecords(plain, records);
  EXPECT_EQ(records.IncomingMoveLines[2][1], "an Armbar");
  EXPECT_EQ(records.IncomingMoveLines[2][0], "7");
  EXPECT_EQ(records.IncomingTeamLines[1][3], "Storm Front");
}

TEST_F(ParserTest, WrestlersSectionWithCountZeroGivesEmptyLists) {
  load();
  const ParseResult result = parse({"[Exported Wrestlers]", "0"});
  ASSERT_EQ(result.outcome, ParseOutcome::Parsed);
  exporttest::expectWellFormed(records);
  EXPECT_EQ(records.IncomingWrestlerCount, 0);
  EXPECT_EQ(records.IncomingTeamCount, 0);
  EXPECT_EQ(records.IncomingMoveCount, 0);
  EXPECT_EQ(records.IncomingManagerCount, 0);
  EXPECT_EQ(records.IncomingDiveCount, 0);
  EXPECT_TRUE(result.wrestlerItems.empty());
  EXPECT_TRUE(result.newMoves.empty());
  EXPECT_EQ(result.moveRowCount, 0);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ParserTest, MissingWrestlersMarkerIsNotAnExportAndKeepsArrays) {
  load();
  parseSomething();
  const IncomingRecords before = records;
  const ParseResult result = parse({"ZOR Export File", "[Exported Moves]", "0"});
  EXPECT_EQ(result.outcome, ParseOutcome::NotAnExport);
  EXPECT_TRUE(boxes.empty());  // the front end shows what the parse has to say
  ASSERT_TRUE(result.message.has_value());
  EXPECT_EQ(result.message->form, "MAIN");
  EXPECT_EQ(result.message->text, "{S}File couldn't be identified as a ZOR export file.\r\n" +
                                      (folder.root() / "export.zor").string());
  EXPECT_EQ(result.message->title, services::program().title);
  EXPECT_EQ(result.message->buttons, "OK");
  exporttest::expectSameRecords(before, records);
}

TEST_F(ParserTest, MarkerOnTheLastLineCountsAsNotFound) {
  load();
  EXPECT_EQ(parse({"ZOR Export File", "[Exported Wrestlers]"}).outcome, ParseOutcome::NotAnExport);
  // One line more and it is found.
  EXPECT_EQ(parse({"ZOR Export File", "[Exported Wrestlers]", ""}).outcome, ParseOutcome::Parsed);
}

TEST_F(ParserTest, MarkerMatchesWithTrailingBlanksOnlyAndInExactCase) {
  load();
  EXPECT_EQ(parse({"[Exported Wrestlers]   ", "0"}).outcome, ParseOutcome::Parsed);
  EXPECT_EQ(parse({" [Exported Wrestlers]", "0"}).outcome, ParseOutcome::NotAnExport);
  EXPECT_EQ(parse({"[exported wrestlers]", "0"}).outcome, ParseOutcome::NotAnExport);

  WrestlerExport ex;
  ex.moves = {exporttest::moveRecord(1, "a Suplex")};
  Lines lines = ex.lines();
  for (auto& line : lines) {
    if (line == "[Exported Moves]") line += "  ";
  }
  ASSERT_EQ(parse(lines).outcome, ParseOutcome::Parsed);
  EXPECT_EQ(records.IncomingMoveCount, 1);
}

TEST_F(ParserTest, CannotOpenAndTamperedFilesAreReportedAndKeepArrays) {
  load();
  parseSomething();
  const IncomingRecords before = records;

  // Each message names the file on a second line, converted from the file system's UTF-8.
  const std::string tampered = (kDataFolder / "wrestlers-tampered.zor").string();
  ParseResult result = PARSEEXPORT(tampered, catalogue, records);
  EXPECT_EQ(result.outcome, ParseOutcome::Corrupt);
  ASSERT_TRUE(result.message.has_value());
  EXPECT_EQ(result.message->form, "{ME}");
  EXPECT_EQ(result.message->text, "{i}This file is corrupt or not a ZOR export file.\r\n" + tampered);
  const std::string missing = folder.path() + "/\xC3\x89" "changes.zor";  // UTF-8
  result = PARSEEXPORT(missing, catalogue, records);
  EXPECT_EQ(result.outcome, ParseOutcome::CannotOpen);
  ASSERT_TRUE(result.message.has_value());
  EXPECT_EQ(result.message->text, "{i}Error opening file.\r\n" + folder.path() + "/\xC9" "changes.zor");
  EXPECT_TRUE(boxes.empty());
  exporttest::expectSameRecords(before, records);
}

TEST_F(ParserTest, TeamSectionStartingWithAnEmptyLineHoldsNoTeams) {
  load();
  const Lines lines = {"[Exported Wrestlers]", "0", "[Exported Teams]", "", "Stray", "[Exported Moves]", "1"};
  Lines withMove = lines;
  exporttest::append(withMove, exporttest::moveRecord(5, "a Slam"));
  ASSERT_EQ(parse(withMove).outcome, ParseOutcome::Parsed);
  EXPECT_EQ(records.IncomingTeamCount, 0);
  ASSERT_EQ(records.IncomingMoveCount, 1);
  EXPECT_EQ(records.IncomingMoves[1].ListName, "Slam");
}

TEST_F(ParserTest, TeamsAreNamedByMembersAndMatchedByDisplayName) {
  testsupport::TeamSpec known;
  known.member1 = "A";
  known.member2 = "B";
  known.name = "T";
  folder.writeTeams({known});
  load();
  WrestlerExport ex;
  ex.teams = {exporttest::teamRecord("A", "B"), exporttest::teamRecord("A", "B", "T"),
              exporttest::teamRecord("C", "D", "t")};
  const ParseResult result = parse(ex.lines());
  ASSERT_EQ(records.IncomingTeamCount, 3);
  EXPECT_EQ(records.IncomingTeams[1].StoredName, "A/B");
  EXPECT_EQ(records.IncomingTeams[1].ListName, "A/B");
  EXPECT_EQ(records.IncomingTeams[1].IsNew, 1);
  EXPECT_EQ(records.IncomingTeams[2].StoredName, "T (A/B)");
  EXPECT_EQ(records.IncomingTeams[2].ExistingNumber, 1);
  EXPECT_EQ(records.IncomingTeams[2].IsNew, 0);
  EXPECT_EQ(records.IncomingTeams[3].StoredName, "t (C/D)");
  EXPECT_EQ(records.IncomingTeams[3].SourceNumber, 3);
  EXPECT_EQ(result.newTeams, (std::vector<std::string>{"A/B", "t (C/D)"}));
}

TEST_F(ParserTest, AccentedTeamAndManagerNamesMatchTheConvertedCatalogueNames) {
  // "M\x81ller" is Müller in code page 437, as both the database and the export write it.
  testsupport::TeamSpec known;
  known.member1 = "M\x81ller";
  known.member2 = "B";
  known.name = "Gr\x81n";
  folder.writeTeams({known});
  testsupport::ManagerSpec manager;
  manager.name = "J\x81rgen";
  folder.writeManagers({manager});
  load();

  WrestlerExport ex;
  ex.teams = {exporttest::teamRecord("M\x81ller", "B", "Gr\x81n")};
  ex.managers = {exporttest::managerRecord(4, "J\x81rgen")};
  for (ParseMode mode : {ParseMode::Interactive, ParseMode::Batch}) {
    exports::PARSEEXPORT(writeExport(ex.lines()), catalogue, records, mode);
    ASSERT_EQ(records.IncomingTeamCount, 1);
    EXPECT_EQ(records.IncomingTeams[1].StoredName, "Gr\xFCn (M\xFCller/B)");
    EXPECT_EQ(records.IncomingTeams[1].ExistingNumber, 1);
    ASSERT_EQ(records.IncomingManagerCount, 1);
    EXPECT_EQ(records.IncomingManagers[1].StoredName, "J\xFCrgen");
    EXPECT_EQ(records.IncomingManagers[1].ExistingNumber, 1);
    // The lines themselves stay as the file writes them.
    EXPECT_EQ(records.IncomingTeamLines[1][1], "M\x81ller");
  }
}

TEST_F(ParserTest, MovesAndDivesMatchWithoutRegardToCase) {
  testsupport::MoveSpec piledriver;
  piledriver.name = "a Piledriver";
  testsupport::MoveSpec deletedSuplex;
  deletedSuplex.name = "a Suplex";
  deletedSuplex.deleted = true;
  folder.writeMoves({piledriver, deletedSuplex});
  testsupport::DiveSpec dive;
  dive.name = "a Moonsault";
  folder.writeDives({dive});
  load();

  WrestlerExport ex;
  ex.moves = {exporttest::moveRecord(12, "a PILEDRIVER"), exporttest::moveRecord(13, "the Suplex"),
              exporttest::moveRecord(14, "The Suplex")};
  ex.dives = {exporttest::diveRecord(40, "MOONSAULT"), exporttest::diveRecord(41, "a Plancha")};
  const ParseResult result = parse(ex.lines());
  ASSERT_EQ(records.IncomingMoveCount, 3);
  EXPECT_EQ(records.IncomingMoves[1].ExistingNumber, 1);
  EXPECT_EQ(records.IncomingMoves[1].IsNew, 0);
  EXPECT_EQ(records.IncomingMoves[1].StoredName, "a PILEDRIVER");
  EXPECT_EQ(records.IncomingMoves[1].SourceNumber, 12);
  // A deleted database record still matches.
  EXPECT_EQ(records.IncomingMoves[2].ListName, "Suplex");
  EXPECT_EQ(records.IncomingMoves[2].ExistingNumber, 2);
  // A capitalised article is part of the name.
  EXPECT_EQ(records.IncomingMoves[3].ListName, "The Suplex");
  EXPECT_EQ(records.IncomingMoves[3].IsNew, 1);
  EXPECT_EQ(records.IncomingDives[1].ExistingNumber, 1);
  EXPECT_EQ(records.IncomingDives[2].IsNew, 1);
  EXPECT_EQ(result.newMoves, (std::vector<std::string>{"The Suplex"}));
  EXPECT_EQ(result.newDives, (std::vector<std::string>{"Plancha"}));
  EXPECT_EQ(result.moveRowCount, 1);
  EXPECT_EQ(result.diveRowCount, 1);
}

// Move and dive names are converted from code page 437 on both sides before they are upper-cased, so
// an accented letter matches its capital, and code page 437 bytes that Windows-1252 would upper-case
// into other letters no longer do.
TEST_F(ParserTest, MoveAndDiveNamesMatchAndShowConverted) {
  testsupport::MoveSpec senor;
  senor.name = "a SE\xA5OR SLAM";  // Ñ
  testsupport::MoveSpec ueberwurf;
  ueberwurf.name =
      "an \x9A"
      "berwurf";  // Ü
  folder.writeMoves({senor, ueberwurf});
  testsupport::DiveSpec aether;
  aether.name = "an \x91ther Dive";  // æ
  folder.writeDives({aether});
  load();

  WrestlerExport ex;
  ex.moves = {exporttest::moveRecord(12, "the Se\xA4or Slam"),
              exporttest::moveRecord(13,
                                     "an \x81"
                                     "berwurf"),
              exporttest::moveRecord(14,
                                     "an \x8A"
                                     "berwurf")};
  ex.dives = {exporttest::diveRecord(40, "\x92THER DIVE")};
  const ParseResult result = parse(ex.lines());
  ASSERT_EQ(records.IncomingMoveCount, 3);
  const struct {
    int32_t index;
    std::string storedName;
    std::string listName;
    int32_t existing;
  } cases[] = {
      {1, "the Se\xF1or Slam", "Se\xF1or Slam", 1},  // ñ and Ñ
      {2,
       "an \xFC"
       "berwurf",
       "\xFC"
       "berwurf",
       2},  // ü and Ü
      {3,
       "an \xE8"
       "berwurf",
       "\xE8"
       "berwurf",
       0},  // è is no Ü
  };
  for (const auto& c : cases) {
    const exports::IncomingRecord& move = records.IncomingMoves[static_cast<size_t>(c.index)];
    EXPECT_EQ(move.StoredName, c.storedName) << c.index;
    EXPECT_EQ(move.ListName, c.listName) << c.index;
    EXPECT_EQ(move.ExistingNumber, c.existing) << c.index;
  }
  EXPECT_EQ(records.IncomingMoveLines[1][1], "the Se\xA4or Slam");
  EXPECT_EQ(result.newMoves, (std::vector<std::string>{"\xE8"
                                                       "berwurf"}));
  EXPECT_EQ(records.IncomingDives[1].ListName, "\xC6THER DIVE");
  EXPECT_EQ(records.IncomingDives[1].ExistingNumber, 1);
}

TEST_F(ParserTest, WrestlersAndManagersMatchExactlyLowestNumberWinning) {
  testsupport::WrestlerSpec deletedHawk;
  deletedHawk.name = "Hawk Storm";
  deletedHawk.deleted = true;
  testsupport::WrestlerSpec hawk;
  hawk.name = "Hawk Storm";
  folder.writeWrestlers({deletedHawk, hawk});
  testsupport::ManagerSpec jimmy;
  jimmy.name = "Jimmy";
  folder.writeManagers({jimmy});
  load();

  WrestlerExport ex;
  ex.wrestlers = {exporttest::wrestlerRecord("Hawk Storm"), exporttest::wrestlerRecord("HAWK STORM", 1),
                  exporttest::wrestlerRecord("Blaze Fury", 1)};
  ex.managers = {exporttest::managerRecord(4, "Jimmy"), exporttest::managerRecord(5, "JIMMY")};
  const ParseResult result = parse(ex.lines());
  ASSERT_EQ(records.IncomingWrestlerCount, 3);
  EXPECT_EQ(records.IncomingWrestlers[1].ExistingNumber, 1);
  EXPECT_EQ(records.IncomingWrestlers[1].IsNew, 0);
  EXPECT_EQ(records.IncomingWrestlers[2].ExistingNumber, 0);
  EXPECT_EQ(records.IncomingWrestlers[2].IsNew, 1);
  EXPECT_EQ(records.IncomingWrestlers[3].SourceNumber, 3);
  EXPECT_EQ(records.IncomingWrestlers[3].ImportNumber, 0);
  EXPECT_EQ(records.IncomingManagers[1].ExistingNumber, 1);
  EXPECT_EQ(records.IncomingManagers[1].SourceNumber, 4);
  EXPECT_EQ(records.IncomingManagers[2].IsNew, 1);
  EXPECT_EQ(result.newManagers, (std::vector<std::string>{"JIMMY"}));

  // The items carry the F/M letter of line 79; an item is pre-selected by the first incoming wrestler of
  // its name in any case, so the new "HAWK STORM" follows the existing "Hawk Storm".
  ASSERT_EQ(result.wrestlerItems.size(), 3u);
  EXPECT_EQ(result.wrestlerItems[0].text, "M\tHawk Storm");
  EXPECT_FALSE(result.wrestlerItems[0].selected);
  EXPECT_EQ(result.wrestlerItems[1].text, "F\tHAWK STORM");
  EXPECT_FALSE(result.wrestlerItems[1].selected);
  EXPECT_EQ(result.wrestlerItems[2].text, "F\tBlaze Fury");
  EXPECT_TRUE(result.wrestlerItems[2].selected);
}

TEST_F(ParserTest, BothParsesConvertWrestlerNamesAndTheBatchSelectsEveryWrestler) {
  // As the database file holds them, in code page 437: Müller and Señor.
  folder.writeWrestlers({testsupport::wrestlerSpec("M\x81ller"), testsupport::wrestlerSpec("Se\xA4or")});
  load();
  WrestlerExport ex;
  ex.wrestlers = {exporttest::wrestlerRecord("M\x81ller"), exporttest::wrestlerRecord("Se\xA4or"),
                  exporttest::wrestlerRecord("Other")};

  for (ParseMode mode : {ParseMode::Interactive, ParseMode::Batch}) {
    const bool batch = mode == ParseMode::Batch;
    const ParseResult result = parse(ex.lines(), mode);
    ASSERT_EQ(result.outcome, ParseOutcome::Parsed);
    EXPECT_EQ(records.IncomingWrestlers[1].StoredName, "M\xFCller");
    EXPECT_EQ(records.IncomingWrestlers[1].ExistingNumber, 1) << batch;
    EXPECT_EQ(records.IncomingWrestlers[2].ListName, "Se\xF1or");
    EXPECT_EQ(records.IncomingWrestlers[2].ExistingNumber, 2) << batch;
    EXPECT_EQ(records.IncomingWrestlers[2].IsNew, 0) << batch;
    EXPECT_EQ(records.IncomingWrestlers[3].IsNew, 1);
    EXPECT_EQ(records.IncomingWrestlers[1].ImportNumber, batch ? 1 : 0);
    EXPECT_EQ(records.IncomingWrestlers[3].ImportNumber, batch ? 1 : 0);
    EXPECT_EQ(records.IncomingWrestlerLines[2][1], "Se\xA4or");
    EXPECT_EQ(result.wrestlerItems.empty(), batch);
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ParserTest, BatchParseGoesOnWithoutWrestlersSectionAndShowsNothing) {
  load();
  parseSomething();
  Lines lines = {"[Exported Teams]", ""};
  lines.push_back("[Exported Moves]");
  lines.push_back("1");
  exporttest::append(lines, exporttest::moveRecord(9, "a Slam"));
  const ParseResult result = parse(lines, ParseMode::Batch);
  ASSERT_EQ(result.outcome, ParseOutcome::Parsed);
  EXPECT_EQ(records.IncomingWrestlerCount, 0);
  EXPECT_EQ(records.IncomingMoveCount, 1);
  EXPECT_TRUE(boxes.empty());

  // Failures are outcomes only.
  EXPECT_EQ(
      PARSEEXPORT((kDataFolder / "wrestlers-tampered.zor").string(), catalogue, records, ParseMode::Batch)
          .outcome,
      ParseOutcome::Corrupt);
  EXPECT_EQ(PARSEEXPORT((folder.root() / "none.zor").string(), catalogue, records, ParseMode::Batch).outcome,
            ParseOutcome::CannotOpen);
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ParserTest, MissingSectionEndsEveryLaterSection) {
  load();
  WrestlerExport ex;
  ex.wrestlers = {exporttest::wrestlerRecord("One")};
  ex.managers = {exporttest::managerRecord(1, "Jimmy")};
  ex.dives = {exporttest::diveRecord(1, "a Dive")};
  Lines lines;
  for (const auto& line : ex.lines()) {
    if (line != "[Exported Moves]") lines.push_back(line);
  }
  ASSERT_EQ(parse(lines).outcome, ParseOutcome::Parsed);
  EXPECT_EQ(records.IncomingWrestlerCount, 1);
  EXPECT_EQ(records.IncomingMoveCount, 0);
  EXPECT_EQ(records.IncomingManagerCount, 0);
  EXPECT_EQ(records.IncomingDiveCount, 0);
  exporttest::expectWellFormed(records);
}

TEST_F(ParserTest, CountLargerThanTheRecordsLeavesEmptyLines) {
  load();
  Lines lines = {"[Exported Wrestlers]", "3"};
  exporttest::append(lines, exporttest::wrestlerRecord("Only One"));
  ASSERT_EQ(parse(lines).outcome, ParseOutcome::Parsed);
  exporttest::expectWellFormed(records);
  ASSERT_EQ(records.IncomingWrestlerCount, 3);
  EXPECT_EQ(records.IncomingWrestlers[1].StoredName, "Only One");
  EXPECT_EQ(records.IncomingWrestlers[3].StoredName, "");
  EXPECT_EQ(records.IncomingWrestlers[3].SourceNumber, 3);
  for (const std::string& line : records.IncomingWrestlerLines[2]) EXPECT_EQ(line, "");
}

TEST_F(ParserTest, CountLinesAreReadAsNumbers) {
  EXPECT_EQ(countValue("12"), 12);
  EXPECT_EQ(countValue("  7 "), 7);
  EXPECT_EQ(countValue("3 records"), 3);
  EXPECT_EQ(countValue(""), 0);
  EXPECT_EQ(countValue("many"), 0);
  EXPECT_EQ(countValue("-4"), 0);
  EXPECT_EQ(countValue("65535"), 65535);
  EXPECT_EQ(countValue("65536"), -1);
  EXPECT_EQ(countValue("99999999999999999999"), -1);
}

TEST_F(ParserTest, NegativeCountCountsAsZero) {
  load();
  WrestlerExport ex;
  ex.wrestlerCount = "-3";
  ex.moveCount = "-1";
  ex.managers = {exporttest::managerRecord(2, "Jimmy")};
  ASSERT_EQ(parse(ex.lines()).outcome, ParseOutcome::Parsed);
  EXPECT_EQ(records.IncomingWrestlerCount, 0);
  EXPECT_EQ(records.IncomingMoveCount, 0);
  EXPECT_EQ(records.IncomingManagerCount, 1);
  exporttest::expectWellFormed(records);
}

TEST_F(ParserTest, CountBeyondSixteenBitsIsCorruptInEverySection) {
  load();
  parseSomething();
  const IncomingRecords before = records;
  for (int section = 0; section < 4; ++section) {
    WrestlerExport ex;
    std::string* counts[] = {&ex.wrestlerCount, &ex.moveCount, &ex.managerCount, &ex.diveCount};
    *counts[section] = "65536";
    const ParseResult result = parse(ex.lines());
    EXPECT_EQ(result.outcome, ParseOutcome::Corrupt) << section;
    ASSERT_TRUE(result.message.has_value()) << section;
    EXPECT_EQ(result.message->text, "{i}This file is corrupt or not a ZOR export file.\r\n" +
                                        (folder.root() / "export.zor").string());
    exporttest::expectSameRecords(before, records);
  }
}

TEST_F(ParserTest, RecordNumberBeyondSixteenBitsIsCorrupt) {
  load();
  parseSomething();
  const IncomingRecords before = records;
  for (const char* number : {"65536", "-1", "4294967297"}) {
    WrestlerExport ex;
    ex.dives = {exporttest::diveRecord(1, "a Dive")};
    ex.dives[0][0] = number;
    EXPECT_EQ(parse(ex.lines()).outcome, ParseOutcome::Corrupt) << number;
    exporttest::expectSameRecords(before, records);
  }
  WrestlerExport highest;
  highest.moves = {exporttest::moveRecord(65535, "a Slam")};
  EXPECT_EQ(parse(highest.lines()).outcome, ParseOutcome::Parsed);
}

TEST_F(ParserTest, RecordLineHoldingALineBreakIsCorrupt) {
  load();
  parseSomething();
  const IncomingRecords before = records;
  // Only an enciphered file can carry these bytes inside a line.
  for (const char* broken : {"Two\r\nLines", "Line\nFeed", "End\x1A"}) {
    WrestlerExport ex;
    ex.wrestlers = {exporttest::wrestlerRecord("Hawk Storm")};
    ex.wrestlers[0][40] = broken;
    EXPECT_EQ(parse(ex.lines(), ParseMode::Interactive, true).outcome, ParseOutcome::Corrupt);
    exporttest::expectSameRecords(before, records);
  }
  // Before a section, such a line is only skipped.
  ASSERT_EQ(
      parse({"Heading\nwith a break", "[Exported Wrestlers]", "0"}, ParseMode::Interactive, true).outcome,
      ParseOutcome::Parsed);
}

TEST_F(ParserTest, LongNamesAreCutTo255Characters) {
  load();
  const std::string longName(300, 'x');
  WrestlerExport ex;
  ex.wrestlers = {exporttest::wrestlerRecord(longName)};
  ex.moves = {exporttest::moveRecord(1, "a " + longName)};
  ex.teams = {exporttest::teamRecord(longName, "B")};
  ASSERT_EQ(parse(ex.lines()).outcome, ParseOutcome::Parsed);
  EXPECT_EQ(records.IncomingWrestlers[1].StoredName, std::string(255, 'x'));
  EXPECT_EQ(records.IncomingWrestlerLines[1][1], longName);
  EXPECT_EQ(records.IncomingMoves[1].StoredName, "a " + std::string(253, 'x'));
  EXPECT_EQ(records.IncomingMoves[1].ListName, std::string(255, 'x'));
  EXPECT_EQ(records.IncomingTeams[1].StoredName.size(), 255u);
}

TEST_F(ParserTest, SuccessfulParseReplacesEveryArray) {
  load();
  parseSomething();
  WrestlerExport ex;
  ex.dives = {exporttest::diveRecord(8, "a Plancha")};
  ASSERT_EQ(parse(ex.lines()).outcome, ParseOutcome::Parsed);
  EXPECT_EQ(records.IncomingWrestlerCount, 0);
  EXPECT_EQ(records.IncomingMoveCount, 0);
  EXPECT_EQ(records.IncomingDiveCount, 1);
  exporttest::expectWellFormed(records);
}

TEST_F(ParserTest, TeamsAreCountedOnOneStreamAndReadFromTheFirstMarker) {
  load();
  // The counting pass starts after the wrestlers, the reading pass at the first marker of the file.
  Lines lines = {"[Exported Teams]"};
  exporttest::append(lines, exporttest::teamRecord("Early", "Bird"));
  lines.push_back("[Exported Wrestlers]");
  lines.push_back("0");
  lines.push_back("[Exported Teams]");
  exporttest::append(lines, exporttest::teamRecord("Late", "Comer"));
  exporttest::append(lines, exporttest::teamRecord("Second", "Pair"));
  lines.push_back("");
  ASSERT_EQ(parse(lines).outcome, ParseOutcome::Parsed);
  ASSERT_EQ(records.IncomingTeamCount, 2);
  EXPECT_EQ(records.IncomingTeams[1].StoredName, "Early/Bird");
  EXPECT_EQ(records.IncomingTeams[2].StoredName, "[Exported Teams] ([Exported Wrestlers]/0)");
}

}  // namespace
