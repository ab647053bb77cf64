// Count lines that promise more records than the rest of the file can hold: only the records that
// are there are read, so a few damaged bytes cannot make up tens of thousands of empty records (and
// the memory they take, and the blank wrestlers a batch import would then add).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "export/parser.h"
#include "export_test_support.h"

namespace {

using namespace exports;
using exporttest::Lines;
using exporttest::WrestlerExport;

class SectionCountTest : public exporttest::ExportTest {
 protected:
  ParseResult parse(const Lines& lines, ParseMode mode, bool enciphered) {
    return PARSEEXPORT(writeExport(lines, enciphered), catalogue, records, mode);
  }
};

TEST_F(SectionCountTest, AnImpossibleCountReadsOnlyTheRecordsThatAreThere) {
  load();
  for (const bool enciphered : {false, true}) {
    for (const ParseMode mode : {ParseMode::Interactive, ParseMode::Batch}) {
      WrestlerExport ex;
      ex.wrestlers = {exporttest::wrestlerRecord("Only One")};
      ex.wrestlerCount = "65535";
      Lines lines = ex.lines();
      lines.resize(2 + 120);  // the file ends with the wrestler
      ASSERT_EQ(parse(lines, mode, enciphered).outcome, ParseOutcome::Parsed);
      exporttest::expectWellFormed(records);
      ASSERT_EQ(records.IncomingWrestlerCount, 1) << enciphered;
      EXPECT_EQ(records.IncomingWrestlers[1].StoredName, "Only One");
    }
  }
}

TEST_F(SectionCountTest, AnImpossibleCountKeepsARecordCutShort) {
  load();
  Lines lines = {"[Exported Wrestlers]", "40000"};
  exporttest::append(lines, exporttest::wrestlerRecord("Whole"));
  Lines cut = exporttest::wrestlerRecord("Cut Short");
  cut.resize(30);
  exporttest::append(lines, cut);
  ASSERT_EQ(parse(lines, ParseMode::Batch, false).outcome, ParseOutcome::Parsed);
  exporttest::expectWellFormed(records);
  ASSERT_EQ(records.IncomingWrestlerCount, 2);
  EXPECT_EQ(records.IncomingWrestlers[2].StoredName, "Cut Short");
  EXPECT_EQ(records.IncomingWrestlerLines[2][31], "");
}

TEST_F(SectionCountTest, EverySectionIsHeldToTheRestOfTheFile) {
  load();
  WrestlerExport ex;
  ex.moves = {exporttest::moveRecord(4, "a Suplex")};
  ex.managers = {exporttest::managerRecord(2, "Jimmy")};
  ex.dives = {exporttest::diveRecord(9, "a Plancha"), exporttest::diveRecord(10, "a Tope")};
  ex.moveCount = "60000";  // the moves swallow the manager and dive sections
  const Lines lines = ex.lines();
  const size_t countLine = std::find(lines.begin(), lines.end(), "[Exported Moves]") - lines.begin() + 1;
  const size_t linesLeft = lines.size() - countLine - 1;
  ASSERT_EQ(parse(lines, ParseMode::Interactive, true).outcome, ParseOutcome::Parsed);
  exporttest::expectWellFormed(records);
  // Every record of 28 lines that begins before the end of the file.
  EXPECT_EQ(records.IncomingMoveCount, static_cast<int32_t>((linesLeft + 27) / 28));
  EXPECT_EQ(records.IncomingMoves[1].StoredName, "a Suplex");
  EXPECT_EQ(records.IncomingManagerCount, 0);
  EXPECT_EQ(records.IncomingDiveCount, 0);

  WrestlerExport tail;
  tail.managers = {exporttest::managerRecord(2, "Jimmy")};
  tail.dives = {exporttest::diveRecord(9, "a Plancha")};
  tail.managerCount = "1";
  tail.diveCount = "65535";
  ASSERT_EQ(parse(tail.lines(), ParseMode::Interactive, false).outcome, ParseOutcome::Parsed);
  EXPECT_EQ(records.IncomingManagerCount, 1);
  EXPECT_EQ(records.IncomingDiveCount, 1);
  EXPECT_EQ(records.IncomingDives[1].SourceNumber, 9);

  WrestlerExport managers;
  managers.managers = {exporttest::managerRecord(2, "Jimmy")};
  managers.managerCount = "30000";
  ASSERT_EQ(parse(managers.lines(), ParseMode::Batch, false).outcome, ParseOutcome::Parsed);
  // The manager section reads the dive marker and its count line as a second, cut-short manager.
  EXPECT_EQ(records.IncomingManagerCount, 2);
  EXPECT_EQ(records.IncomingManagers[1].StoredName, "Jimmy");
}

}  // namespace
