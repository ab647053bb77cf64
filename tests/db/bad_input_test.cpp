#include <gtest/gtest.h>

#include "db/catalogue.h"
#include "db/lookups.h"
#include "db_test_support.h"
#include "support/game_records.h"

namespace {

using dbtest::DatabaseTest;
using testsupport::MoveSpec;
using testsupport::moveSpec;
using testsupport::numberLine;
using testsupport::StableSpec;
using testsupport::stableSpec;
using testsupport::WrestlerSpec;
using testsupport::wrestlerSpec;

class BadInputTest : public DatabaseTest {
 protected:
  int pastEndReports() const {
    int count = 0;
    for (const auto& error : errors) count += error.number == platform::kErrInputPastEnd;
    return count;
  }
};

TEST_F(BadInputTest, AShortFileCompletesItsRecordsWithEmptyTextsAndZerosReportingOnce) {
  WrestlerSpec hawk = wrestlerSpec("Hawk");
  hawk.moves = {5, 6};
  folder.writeRecordFile("wrestlrs.dat", numberLine(3), {hawk.toLines(), wrestlerSpec("Blaze").toLines()});
  EXPECT_EQ(load(), 0);
  EXPECT_EQ(errorNumbers(), (std::vector<int>{62}));
  ASSERT_EQ(catalogue.WrestlerCount, 3);
  EXPECT_EQ(catalogue.Wrestlers.size(), 5u);
  EXPECT_EQ(db::text(catalogue.Wrestlers[2].Name), "Blaze");
  const db::Wrestler& missing = catalogue.Wrestlers[3];
  EXPECT_EQ(db::text(missing.Name), "");
  EXPECT_EQ(missing.MoveListCount, 0);
  EXPECT_EQ(missing.Level68, 1);
  EXPECT_EQ(missing.Deleted, 0);
  EXPECT_EQ(missing.RecordNumber, 3);
  EXPECT_EQ(db::text(missing.Origin), "Legacy ZOR Data");
}

TEST_F(BadInputTest, AFileCutInsideARecordReportsOnce) {
  std::vector<std::string> lines = moveSpec("a Suplex").toLines();
  lines.resize(5);
  folder.writeRecordFile("moves.dat", numberLine(1), {lines});
  load();
  EXPECT_EQ(errorNumbers(), (std::vector<int>{62}));
  ASSERT_EQ(catalogue.MoveCount, 1);
  EXPECT_EQ(db::text(catalogue.Moves[1].ListName), "Suplex");
  EXPECT_EQ(catalogue.Moves[1].FollowUps[1], 0);
}

TEST_F(BadInputTest, EachShortFileIsReportedOncePerLoad) {
  folder.writeRecordFile("moves.dat", numberLine(2), {MoveSpec{}.toLines()});
  folder.writeRecordFile("dives.dat", numberLine(2), {testsupport::DiveSpec{}.toLines()});
  load();
  EXPECT_EQ(pastEndReports(), 2);
  errors.clear();
  load();
  EXPECT_EQ(pastEndReports(), 2);
  EXPECT_EQ(catalogue.MoveCount, 2);
  EXPECT_EQ(catalogue.DiveCount, 2);
}

TEST_F(BadInputTest, AnEmptyFileCountsAsNoRecords) {
  folder.writeBytes("data/dives.dat", "");
  load();
  EXPECT_EQ(errorNumbers(), (std::vector<int>{62}));
  EXPECT_EQ(catalogue.DiveCount, 0);
  EXPECT_EQ(catalogue.Dives.size(), 2u);
}

TEST_F(BadInputTest, ANegativeOrNonNumericCountCountsAsZero) {
  folder.writeRecordFile("wrestlrs.dat", numberLine(-5), {WrestlerSpec{}.toLines()});
  folder.writeRecordFile("moves.dat", "many", {MoveSpec{}.toLines()});
  folder.writeRecordFile("teams.dat", numberLine(-2147483647 - 1), {});
  load();
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(catalogue.WrestlerCount, 0);
  EXPECT_EQ(catalogue.Wrestlers.size(), 2u);
  EXPECT_EQ(catalogue.MoveCount, 0);
  EXPECT_EQ(catalogue.Moves.size(), 1u);
  EXPECT_EQ(catalogue.TeamCount, 0);
}

TEST_F(BadInputTest, ACountTheFileCannotHoldLoadsWhatIsThereAndReportsOnce) {
  folder.writeRecordFile("wrestlrs.dat", numberLine(2000000000),
                         {wrestlerSpec("Hawk").toLines(), wrestlerSpec("Blaze").toLines()});
  size_t before = heapBlocks();
  load();
  EXPECT_EQ(errorNumbers(), (std::vector<int>{62}));
  ASSERT_EQ(catalogue.WrestlerCount, 2);
  EXPECT_EQ(catalogue.Wrestlers.size(), 4u);
  EXPECT_EQ(db::FINDWRESTLER(catalogue, "Blaze", 0), 2);
  EXPECT_LT(heapBlocks() - before, 200u);
}

TEST_F(BadInputTest, AnImpossibleCountWithARecordCutShortStillReportsOnce) {
  std::vector<std::string> cut = wrestlerSpec("Cut").toLines();
  cut.resize(30);
  folder.writeRecordFile("wrestlrs.dat", numberLine(4294967295LL), {wrestlerSpec("Whole").toLines(), cut});
  // 4294967295 reads as -1 in 32 bits: no records at all.
  load();
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(catalogue.WrestlerCount, 0);

  folder.writeRecordFile("wrestlrs.dat", numberLine(999999), {wrestlerSpec("Whole").toLines(), cut});
  errors.clear();
  load();
  EXPECT_EQ(errorNumbers(), (std::vector<int>{62}));
  ASSERT_EQ(catalogue.WrestlerCount, 2);
  EXPECT_EQ(db::text(catalogue.Wrestlers[2].Name), "Cut");
  EXPECT_EQ(db::text(catalogue.Wrestlers[2].Text98), "");
}

TEST_F(BadInputTest, ACountOnlySlightlyTooLargeStillGivesEmptyRecords) {
  folder.writeRecordFile("moves.dat", numberLine(2), {moveSpec("Suplex").toLines()});
  load();
  EXPECT_EQ(errorNumbers(), (std::vector<int>{62}));
  ASSERT_EQ(catalogue.MoveCount, 2);
  EXPECT_EQ(db::text(catalogue.Moves[2].StoredName), "");
  EXPECT_EQ(catalogue.Moves[2].RecordNumber, 2);
}

TEST_F(BadInputTest, AStableWithAnImpossibleMemberCountIsReadToTheEnd) {
  StableSpec stable = stableSpec("Army", {1, 2, 3});
  stable.memberCountLine = 2000000000;
  folder.writeStables({stable});
  load();
  EXPECT_EQ(errorNumbers(), (std::vector<int>{62}));
  ASSERT_EQ(catalogue.StableCount, 1);
  const db::Stable& army = catalogue.Stables[1];
  EXPECT_EQ(db::text(army.Name), "Army");
  EXPECT_EQ(army.Members[1], 1);
  EXPECT_EQ(army.Members[3], 3);
  EXPECT_EQ(army.MemberCount, static_cast<int32_t>(army.Members.size()) - 1);
  EXPECT_LT(army.MemberCount, 40);
}

TEST_F(BadInputTest, AStableWithANegativeMemberCountHasNoMembers) {
  StableSpec stable = stableSpec("Nobody", {}, {7, 0, 0, 0});
  stable.memberCountLine = -3;
  folder.writeStables({stable, stableSpec("Next")});
  load();
  EXPECT_TRUE(errors.empty());
  ASSERT_EQ(catalogue.StableCount, 2);
  EXPECT_EQ(catalogue.Stables[1].MemberCount, 0);
  EXPECT_EQ(catalogue.Stables[1].Leaders[1], 7);
  EXPECT_EQ(db::text(catalogue.Stables[2].Name), "Next");
}

TEST_F(BadInputTest, ATeamMoveTextOfOddShapesNeverFails) {
  std::vector<testsupport::TeamSpec> teams;
  for (std::string text : {"+", "!", "&", "/", "!-/", "!/-", "&/", "+&", "!x-/y", "!1/a-2", "!-5/"}) {
    teams.push_back(testsupport::teamSpec("", "B", "", text));
  }
  folder.writeTeams(teams);
  load();
  EXPECT_TRUE(errors.empty());
  ASSERT_EQ(catalogue.TeamCount, static_cast<int32_t>(teams.size()));
  // "!1/a-2": the "/" before the "-" leaves none after it, so the rest names the performer.
  const db::Team& early = catalogue.Teams[10];
  EXPECT_EQ(early.NumberForm, 1);
  EXPECT_EQ(early.FirstMove, 1);
  EXPECT_EQ(early.LabelIsText, 1);
  EXPECT_EQ(db::text(early.MoveLabel), "");
  EXPECT_EQ(db::text(catalogue.Teams[1].MoveText), "");
  EXPECT_EQ(catalogue.Teams[1].TextForm, 1);
}

TEST_F(BadInputTest, TextsThatCannotBeAllocatedReadAsEmpty) {
  folder.writeWrestlers({wrestlerSpec("Hawk", "", "t:\\hawk.wav"), wrestlerSpec("Blaze")});
  folder.writeTeams({testsupport::teamSpec("Hawk", "Blaze", "Storm", "&Double/Blry")});
  folder.writeMoves({moveSpec("the Suplex")});
  folder.writeCrowd("crowd.cnf", {"Hawk_Face=a|b"});
  platform::failHeapAllocations(1000000);
  EXPECT_EQ(load(), 0);
  platform::failHeapAllocations(0);
  ASSERT_EQ(catalogue.WrestlerCount, 2);
  EXPECT_EQ(db::text(catalogue.Wrestlers[1].Name), "");
  EXPECT_EQ(db::text(catalogue.Moves[0].ListName), "");
  EXPECT_EQ(db::text(catalogue.Teams[1].DisplayName), "");
  EXPECT_EQ(catalogue.CrowdCount, 0);
  db::releaseCatalogue(catalogue);
  EXPECT_EQ(heapBlocks(), 0u);
}

}  // namespace
