#include "import/selection.h"
#include "import/engine_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace imports {
namespace {

using enginetest::record;

using exports::IncomingRecord;
using exports::IncomingRecords;
using exports::RecordLines;

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

// An export whose records hold zeros in every numeric line, built record by record.
class Export {
 public:
  RecordLines& wrestler(std::string name, bool selected) {
    add(in.IncomingWrestlers, in.IncomingWrestlerLines, in.IncomingWrestlerCount,
        record(0, 0, selected ? 1 : 0, name), RecordLines(121, "0"));
    in.IncomingWrestlerLines.back()[1] = name;
    return in.IncomingWrestlerLines.back();
  }
  RecordLines& move(int32_t source, int32_t existing = 0) {
    add(in.IncomingMoves, in.IncomingMoveLines, in.IncomingMoveCount, record(source, existing, 0),
        RecordLines(28, "0"));
    return in.IncomingMoveLines.back();
  }
  RecordLines& dive(int32_t source) {
    add(in.IncomingDives, in.IncomingDiveLines, in.IncomingDiveCount, record(source, 0, 0),
        RecordLines(11, "0"));
    return in.IncomingDiveLines.back();
  }
  void manager(int32_t source, int32_t existing = 0) {
    add(in.IncomingManagers, in.IncomingManagerLines, in.IncomingManagerCount, record(source, existing, 0),
        RecordLines(11, "0"));
  }
  void team(std::string member1, std::string member2, std::string moveText) {
    RecordLines lines(11);
    lines[1] = std::move(member1);
    lines[2] = std::move(member2);
    lines[4] = std::move(moveText);
    add(in.IncomingTeams, in.IncomingTeamLines, in.IncomingTeamCount, {}, lines);
  }

  std::vector<int32_t> neededMoves() const { return needed(in.IncomingMoves); }
  std::vector<int32_t> neededDives() const { return needed(in.IncomingDives); }
  std::vector<int32_t> neededManagers() const { return needed(in.IncomingManagers); }
  std::vector<int32_t> neededTeams() const { return needed(in.IncomingTeams); }

  IncomingRecords in;

 private:
  // The Needed value of every record, in index order.
  static std::vector<int32_t> needed(const std::vector<IncomingRecord>& records) {
    std::vector<int32_t> values;
    for (size_t i = 1; i < records.size(); ++i) values.push_back(records[i].Needed);
    return values;
  }
};

TEST(MaxSourceNumbers, AreTheHighestSourceNumbersOrZero) {
  Export file;
  EXPECT_EQ(findMaxSourceNumbers(file.in).moves, 0);
  file.move(4);
  file.move(9);
  file.move(2);
  file.dive(-3);
  file.manager(1);
  MaxSourceNumbers bounds = findMaxSourceNumbers(file.in);
  EXPECT_EQ(bounds.moves, 9);
  EXPECT_EQ(bounds.dives, 0);
  EXPECT_EQ(bounds.managers, 1);
  ReferenceTables tables = makeReferenceTables(bounds);
  EXPECT_EQ(tables.moves.size(), 10u);
  EXPECT_EQ(tables.dives.size(), 1u);
}

TEST(Selection, AWrestlerWhoseMoveLinesAreAllUnsetNeedsNothing) {
  Export file;
  RecordLines& lines = file.wrestler("Hawk Storm", true);
  for (int line = 3; line <= 120; ++line) lines[line] = "-1";
  file.move(1);
  file.move(65535);
  file.dive(1);
  file.manager(1);
  evaluateSelection(file.in);
  EXPECT_EQ(file.neededMoves(), (std::vector<int32_t>{0, 0}));
  EXPECT_EQ(file.neededDives(), (std::vector<int32_t>{0}));
  EXPECT_EQ(file.neededManagers(), (std::vector<int32_t>{0}));
}

TEST(Selection, CountsTheReferencesOfSelectedWrestlersOnly) {
  Export file;
  RecordLines& chosen = file.wrestler("Hawk Storm", true);
  chosen[3] = "1";
  chosen[52] = "1";
  chosen[54] = std::to_string((1 << 16) | 2);  // bit 16 is a flag
  chosen[55] = std::to_string((4 << 16) | 3);
  chosen[72] = "5";
  chosen[61] = "2";
  chosen[88] = "1";
  RecordLines& other = file.wrestler("Blaze Fury", false);
  other[3] = "6";
  other[64] = "1";
  other[84] = "2";
  for (int32_t source = 1; source <= 6; ++source) file.move(source);
  file.dive(1);
  file.dive(2);
  file.manager(1);
  file.manager(2);

  MaxSourceNumbers bounds = evaluateSelection(file.in);
  EXPECT_EQ(bounds.moves, 6);
  EXPECT_EQ(bounds.dives, 2);
  EXPECT_EQ(bounds.managers, 2);
  // Needed holds the number of references found.
  EXPECT_EQ(file.neededMoves(), (std::vector<int32_t>{2, 1, 1, 1, 1, 0}));
  EXPECT_EQ(file.neededDives(), (std::vector<int32_t>{1, 0}));
  EXPECT_EQ(file.neededManagers(), (std::vector<int32_t>{0, 1}));
}

TEST(Selection, IgnoresNumbersOutsideTheTables) {
  Export file;
  RecordLines& lines = file.wrestler("Hawk Storm", true);
  lines[3] = "9";
  lines[4] = "-4";
  lines[55] = "-65536";  // bits 16-31 read as 65535
  lines[72] = "-7";      // a whole-line reference with bit 31 set is far above any table
  lines[61] = "3";
  file.move(2);
  file.manager(2);
  evaluateSelection(file.in);
  EXPECT_EQ(file.neededMoves(), (std::vector<int32_t>{0}));
  EXPECT_EQ(file.neededManagers(), (std::vector<int32_t>{0}));
}

TEST(Selection, TeamsAreNeededThroughEitherMemberAndNameTheirMoves) {
  Export file;
  file.wrestler("Hawk Storm", true);
  file.wrestler("Blaze Fury", false);
  file.team("Blaze Fury", "Hawk Storm", "!1-2/Harm");
  file.team("Blaze Fury", "Nobody", "!!3-Double Impact/Blry");
  file.team("Hawk Storm", "Nobody", "+!4-4/Harm");
  file.team("hawk storm", "Nobody", "&Double Team/Blry");
  for (int32_t source = 1; source <= 4; ++source) file.move(source);
  evaluateSelection(file.in);
  EXPECT_EQ(file.neededTeams(), (std::vector<int32_t>{1, 0, 1, 0}));
  // Every team's move text counts, needed or not, with or without a "+" in front ("+!4-4" names move 4
  // twice); a label names nothing.
  EXPECT_EQ(file.neededMoves(), (std::vector<int32_t>{1, 1, 1, 2}));
}

TEST(Selection, TeamMembersAreComparedWithTheWrestlerNamesAsTheFileWritesThem) {
  // The interactive parse converts the list name of "M\x81ller" (code page 437) to "M\xFCller"; the team
  // lines keep the file's bytes and must still find him.
  Export ex;
  ex.wrestler("M\x81ller", true);
  ex.in.IncomingWrestlers[1].StoredName = "M\xFCller";
  ex.in.IncomingWrestlers[1].ListName = "M\xFCller";
  ex.team("M\x81ller", "Someone Else", "");
  ex.team("M\xFCller", "Someone Else", "");
  evaluateSelection(ex.in);
  EXPECT_EQ(ex.neededTeams(), (std::vector<int32_t>{1, 0}));
}

TEST(Selection, NeededDivesNameMoves) {
  Export file;
  RecordLines& lines = file.wrestler("Hawk Storm", true);
  lines[84] = "1";
  RecordLines& needed = file.dive(1);
  needed[3] = "1";
  needed[6] = std::to_string((2 << 7) | 100);
  RecordLines& unneeded = file.dive(2);
  unneeded[3] = "3";
  for (int32_t source = 1; source <= 3; ++source) file.move(source);
  evaluateSelection(file.in);
  EXPECT_EQ(file.neededDives(), (std::vector<int32_t>{1, 0}));
  EXPECT_EQ(file.neededMoves(), (std::vector<int32_t>{1, 1, 0}));
}

TEST(Selection, MovesNamedThroughOtherMovesAreNeededAtTheFixedPoint) {
  // Each move names one that comes before it, so every pass over the moves finds one more.
  Export file;
  RecordLines& lines = file.wrestler("Hawk Storm", true);
  lines[3] = "4";
  file.move(1);
  RecordLines& second = file.move(2);
  second[15] = "1";
  RecordLines& third = file.move(3);
  third[6] = std::to_string(2 << 18);
  RecordLines& fourth = file.move(4);
  fourth[9] = std::to_string(3 << 12);  // line 9, second follow-up
  RecordLines& unrelated = file.move(5);
  unrelated[3] = "6";
  file.move(6);
  evaluateSelection(file.in);
  EXPECT_EQ(file.neededMoves(), (std::vector<int32_t>{1, 1, 1, 1, 0, 0}));
}

TEST(Selection, StartsAfreshAndListsTheNeededNewRecordsInIncomingOrder) {
  Export file;
  RecordLines& lines = file.wrestler("Hawk Storm", true);
  lines[3] = "3";
  lines[4] = "1";
  lines[5] = "2";
  lines[61] = "1";
  file.move(1);
  file.move(2, 14);  // already in the database
  file.move(3);
  file.move(4);
  file.manager(1);
  file.team("Hawk Storm", "Blaze Fury", "Double Team");
  file.in.IncomingMoves[4].Needed = 7;  // left from an earlier evaluation
  evaluateSelection(file.in);

  NeededNewRecords listed = neededNewRecords(file.in);
  EXPECT_EQ(listed.moves, (std::vector<int32_t>{1, 3}));
  EXPECT_EQ(listed.dives, (std::vector<int32_t>{}));
  EXPECT_EQ(listed.managers, (std::vector<int32_t>{1}));
  EXPECT_EQ(listed.teams, (std::vector<int32_t>{1}));

  file.in.IncomingWrestlers[1].ImportNumber = 0;
  evaluateSelection(file.in);
  listed = neededNewRecords(file.in);
  EXPECT_TRUE(listed.moves.empty());
  EXPECT_TRUE(listed.managers.empty());
  EXPECT_TRUE(listed.teams.empty());
}

TEST(Selection, UpdateMovesReportsHowManyMovesNamedAMove) {
  Export file;
  RecordLines& first = file.move(1);
  first[3] = "2";
  RecordLines& second = file.move(2);
  second[3] = "-1";
  ReferenceTable moves{0, 1, 1};
  EXPECT_EQ(UPDATEMOVES(file.in, moves), 1);
  EXPECT_EQ(moves, (ReferenceTable{0, 1, 2}));
  EXPECT_EQ(carryTable(moves, file.in.IncomingMoves, file.in.IncomingMoveCount), 2);
  EXPECT_EQ(carryTable(moves, file.in.IncomingMoves, file.in.IncomingMoveCount), 0);
}

}  // namespace
}  // namespace imports
