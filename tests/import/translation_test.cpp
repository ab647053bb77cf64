#include "import/translation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/engine_test_support.h"
#include "services/log.h"

namespace imports {
namespace {

using enginetest::LogCapture;
using enginetest::record;

using exports::IncomingRecord;
using exports::IncomingRecords;
using exports::RecordLines;

RecordLines zeroLines(int lastLine) {
  return RecordLines(static_cast<size_t>(lastLine) + 1, "0");
}

// Adds a record to a kind's arrays (index 0 is created on first use).
void add(std::vector<IncomingRecord>& records, std::vector<RecordLines>& lines, int32_t& count,
         IncomingRecord record, RecordLines recordLines) {
  if (records.empty()) {
    records.resize(1);
    lines.resize(1);
  }
  records.push_back(std::move(record));
  lines.push_back(std::move(recordLines));
  count = static_cast<int32_t>(records.size()) - 1;
}

IdentifierMap moveMap() {
  IdentifierMap map = makeIdentifierMap(20);
  map[12] = 40;
  map[7] = 41;
  return map;
}

TEST(TeamMoveText, TranslatesBothMoves) {
  EXPECT_EQ(translateTeamMoveText("!12-7/Harm", moveMap()), "!40-41/Harm");
  EXPECT_EQ(translateTeamMoveText("!12-7", moveMap()), "!40-41");
  EXPECT_EQ(translateTeamMoveText("!!12-7/Harm", moveMap()), "!40-41/Harm");
}

TEST(TeamMoveText, KeepsASecondMoveWithoutAFinalNumberAsWritten) {
  IdentifierMap map = moveMap();
  map[7] = 0;
  EXPECT_EQ(translateTeamMoveText("!12-7/x", map), "!40-7/x");
  EXPECT_EQ(translateTeamMoveText("!12-Double Impact/Blry", map), "!40-Double Impact/Blry");
  EXPECT_EQ(translateTeamMoveText("!3-7/x", map), "!0-7/x");  // the first move is written even as 0
}

TEST(TeamMoveText, KeepsALabelWithHyphensWhole) {
  EXPECT_EQ(translateTeamMoveText("!12-Double-Team/Blry", moveMap()), "!40-Double-Team/Blry");
  EXPECT_EQ(translateTeamMoveText("!12-7-9/x", moveMap()), "!40-41-9/x");
}

// The game reads the moves of a "+!" text as those of a "!" text; they are translated alike and the "+"
// is kept.
TEST(TeamMoveText, ChangesOnlyTextsBeginningWithTheMarkWithOrWithoutAPlus) {
  EXPECT_EQ(translateTeamMoveText("+!12-7/Harm", moveMap()), "+!40-41/Harm");
  EXPECT_EQ(translateTeamMoveText("++!12-7/Harm", moveMap()), "++!12-7/Harm");
  EXPECT_EQ(translateTeamMoveText("&Double Team/Blry", moveMap()), "&Double Team/Blry");
  EXPECT_EQ(translateTeamMoveText("", moveMap()), "");
}

TEST(TeamMoveText, LeavesNumbersOutsideTheMapAsWritten) {
  LogCapture log;
  EXPECT_EQ(translateTeamMoveText("!99-7/x", moveMap()), "!99-41/x");
  EXPECT_EQ(translateTeamMoveText("!12-021/x", moveMap()), "!40-021/x");
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Error: trying to map item 99 in a map with 20 records.",
                                                 "Error: trying to map item 21 in a map with 20 records."}));
}

TEST(TeamMoveText, TranslatesATextWithoutASecondPart) {
  EXPECT_EQ(translateTeamMoveText("!12/x", moveMap()), "!40/x");
}

TEST(TeamMoveText, LogsBeforeAndAfterForAddedTeamsOnly) {
  IncomingRecords incoming;
  RecordLines added(11);
  added[4] = "!12-7/Harm";
  RecordLines notAdded = added;
  RecordLines marked(11);
  marked[4] = "+!12-7/Harm";
  add(incoming.IncomingTeams, incoming.IncomingTeamLines, incoming.IncomingTeamCount, record(0, 0, 3), added);
  add(incoming.IncomingTeams, incoming.IncomingTeamLines, incoming.IncomingTeamCount, record(0, 0, 0),
      notAdded);
  add(incoming.IncomingTeams, incoming.IncomingTeamLines, incoming.IncomingTeamCount, record(0, 0, 4),
      marked);
  {
    LogCapture log;
    remapMovesInTeams(incoming, moveMap(), true);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Before: !12-7/Harm", "After:  !40-41/Harm",
                                                   "Before: +!12-7/Harm", "After:  +!40-41/Harm"}));
  }
  EXPECT_EQ(incoming.IncomingTeamLines[1][4], "!40-41/Harm");
  EXPECT_EQ(incoming.IncomingTeamLines[2][4], "!12-7/Harm");
  EXPECT_EQ(incoming.IncomingTeamLines[3][4], "+!40-41/Harm");

  incoming.IncomingTeams[3].ImportNumber = 0;
  incoming.IncomingTeamLines[1][4] = "!7-12/Harm";
  LogCapture log;
  remapMovesInTeams(incoming, moveMap(), false);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"After:  !41-40/Harm"}));
}

TEST(Translation, TranslatesBothHalvesOfField55LowFirst) {
  IncomingRecords incoming;
  RecordLines lines = zeroLines(120);
  lines[55] = std::to_string((7 << 16) | 12);
  add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount,
      record(0, 0, 1, "Hawk Storm"), lines);
  LogCapture log;
  RemapWarnings warnings;
  remapMovesInWrestlers(incoming, moveMap(), warnings);
  EXPECT_EQ(incoming.IncomingWrestlerLines[1][55], std::to_string((41 << 16) | 40));
  ASSERT_EQ(log.lines.size(), 8u);
  EXPECT_EQ(log.lines[0], "Replacing 12 with 40 in bits 0-15 of " + std::to_string((7 << 16) | 12));
  EXPECT_EQ(log.lines[4], "Replacing 7 with 41 in bits 16-31 of " + std::to_string((7 << 16) | 40));
  EXPECT_TRUE(warnings.empty());
}

TEST(Translation, LeavesTheUnsetMarkerOfField72Alone) {
  IncomingRecords incoming;
  RecordLines lines = zeroLines(120);
  lines[72] = "-1";
  lines[3] = "12";
  add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount,
      record(0, 0, 1), lines);
  RemapWarnings warnings;
  remapMovesInWrestlers(incoming, moveMap(), warnings);
  EXPECT_EQ(incoming.IncomingWrestlerLines[1][72], "-1");
  EXPECT_EQ(incoming.IncomingWrestlerLines[1][3], "40");
}

TEST(Translation, TouchesOnlyRecordsThatWillBeWritten) {
  IncomingRecords incoming;
  RecordLines wrestler = zeroLines(120);
  wrestler[3] = "12";
  add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount,
      record(0, 0, 0), wrestler);
  RecordLines move = zeroLines(27);
  move[3] = "12";
  add(incoming.IncomingMoves, incoming.IncomingMoveLines, incoming.IncomingMoveCount, record(0, 0, 0), move);
  RecordLines dive = zeroLines(10);
  dive[3] = "12";
  add(incoming.IncomingDives, incoming.IncomingDiveLines, incoming.IncomingDiveCount, record(0, 0, 0), dive);
  IdentifierMaps maps{moveMap(), makeIdentifierMap(20), makeIdentifierMap(20)};
  translateReferences(incoming, maps);
  EXPECT_EQ(incoming.IncomingWrestlerLines[1][3], "12");
  EXPECT_EQ(incoming.IncomingMoveLines[1][3], "12");
  EXPECT_EQ(incoming.IncomingDiveLines[1][3], "12");
}

TEST(Translation, TranslatesEveryReferenceOfTheTableWithItsMap) {
  IncomingRecords incoming;
  RecordLines wrestler = zeroLines(120);
  for (int line = 3; line <= 52; ++line) wrestler[line] = "1";
  for (int line : {54, 56, 66, 69, 75, 76, 77}) wrestler[line] = std::to_string((1 << 16) | 1);
  wrestler[54] = std::to_string((1 << 16) | 1);  // bit 16 is a flag, not a move
  wrestler[55] = std::to_string((1 << 16) | 1);
  wrestler[71] = std::to_string((1 << 16) | 1);
  wrestler[72] = "1";
  for (int line = 61; line <= 64; ++line) wrestler[line] = "1";
  for (int line = 84; line <= 88; ++line) wrestler[line] = "1";
  wrestler[53] = "1";  // a text line, never translated
  add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount,
      record(0, 0, 1), wrestler);

  RecordLines move = zeroLines(27);
  move[3] = std::to_string((1 << 16) | 1);
  move[6] = std::to_string((1 << 18) | (1 << 7) | 100);
  for (int line = 7; line <= 15; ++line) move[line] = std::to_string((1 << 24) | (1 << 12) | 1);
  move[16] = "1";
  add(incoming.IncomingMoves, incoming.IncomingMoveLines, incoming.IncomingMoveCount, record(0, 0, 9), move);

  RecordLines dive = zeroLines(10);
  dive[3] = "1";
  dive[6] = std::to_string((1 << 18) | (1 << 7) | 5);
  add(incoming.IncomingDives, incoming.IncomingDiveLines, incoming.IncomingDiveCount, record(0, 0, 4), dive);

  IdentifierMaps maps{makeIdentifierMap(1), makeIdentifierMap(1), makeIdentifierMap(1)};
  maps.MoveMap[1] = 2;
  maps.DiveMap[1] = 3;
  maps.ManagerMap[1] = 5;
  EXPECT_TRUE(translateReferences(incoming, maps).empty());

  const RecordLines& w = incoming.IncomingWrestlerLines[1];
  for (int line = 3; line <= 52; ++line) EXPECT_EQ(w[line], "2") << line;
  for (int line : {54, 56, 66, 69, 75, 76, 77}) EXPECT_EQ(w[line], std::to_string((1 << 16) | 2)) << line;
  EXPECT_EQ(w[55], std::to_string((2 << 16) | 2));
  EXPECT_EQ(w[71], std::to_string((2 << 16) | 2));
  EXPECT_EQ(w[72], "2");
  EXPECT_EQ(w[53], "1");
  for (int line = 61; line <= 64; ++line) EXPECT_EQ(w[line], "5") << line;
  for (int line = 84; line <= 88; ++line) EXPECT_EQ(w[line], "3") << line;

  const RecordLines& m = incoming.IncomingMoveLines[1];
  EXPECT_EQ(m[3], std::to_string((1 << 16) | 2));
  EXPECT_EQ(m[6], std::to_string((2 << 18) | (2 << 7) | 100));
  for (int line = 7; line <= 15; ++line)
    EXPECT_EQ(m[line], std::to_string((1 << 24) | (2 << 12) | 2)) << line;
  EXPECT_EQ(m[16], "1");

  const RecordLines& d = incoming.IncomingDiveLines[1];
  EXPECT_EQ(d[3], "2");
  EXPECT_EQ(d[6], std::to_string((1 << 18) | (2 << 7) | 5));  // bits 18 and up are not a dive's reference
}

TEST(Translation, LogsTheRowsInOrderWithTheirHeadings) {
  IncomingRecords incoming;
  IdentifierMaps maps{makeIdentifierMap(0), makeIdentifierMap(0), makeIdentifierMap(0)};
  {
    LogCapture log;
    translateReferences(incoming, maps);
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"", "Remapping moves in dives", "", "Remapping moves in moves", "",
                                        "Remapping moves in wrestlers", "", "Remapping managers in wrestlers",
                                        "", "Remapping dives in wrestlers", "", "Remapping moves in teams"}));
  }
  LogCapture log;
  translateReferences(incoming, maps, TranslationOptions{.logHeadings = false, .logTeamTextBefore = false});
  EXPECT_TRUE(log.lines.empty());
}

TEST(Translation, ClearsAndReportsNumbersThatDoNotFit) {
  IncomingRecords incoming;
  RecordLines wrestler = zeroLines(120);
  wrestler[55] = std::to_string((3 << 16) | 1);
  add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount,
      record(0, 0, 1, "Hawk Storm"), wrestler);
  RecordLines move = zeroLines(27);
  move[7] = std::to_string((1 << 12) | 3);
  add(incoming.IncomingMoves, incoming.IncomingMoveLines, incoming.IncomingMoveCount,
      record(0, 0, 70000, "a Suplex"), move);

  IdentifierMaps maps{makeIdentifierMap(3), makeIdentifierMap(0), makeIdentifierMap(0)};
  maps.MoveMap[1] = 70000;
  maps.MoveMap[3] = 5;
  RemapWarnings warnings = translateReferences(incoming, maps);

  EXPECT_EQ(incoming.IncomingWrestlerLines[1][55], std::to_string(5 << 16));
  EXPECT_EQ(incoming.IncomingMoveLines[1][7], "5");
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[0].kind, RecordKind::Move);
  EXPECT_EQ(warnings[0].recordIndex, 1);
  EXPECT_EQ(warnings[0].field, 7);
  EXPECT_EQ(warnings[0].firstBit, 12);
  EXPECT_EQ(warnings[0].lastBit, 23);
  EXPECT_EQ(warnings[0].item, 1);
  EXPECT_EQ(warnings[0].number, 70000);
  EXPECT_EQ(warnings[1].kind, RecordKind::Wrestler);
  EXPECT_EQ(warnings[1].recordName, "Hawk Storm");
  EXPECT_EQ(warnings[1].field, 55);
  EXPECT_EQ(warnings[1].firstBit, 0);
  EXPECT_EQ(
      describeWarning(warnings[1]),
      "wrestler 1 (Hawk Storm), field 55 bits 0-15: reference 1 would become 70000, which does not fit; "
      "the reference was removed.");
}

}  // namespace
}  // namespace imports
