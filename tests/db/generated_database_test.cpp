#include <gtest/gtest.h>

#include "db/catalogue.h"
#include "db/lookups.h"
#include "db/team.h"
#include "db_test_support.h"
#include "support/game_generator.h"

namespace {

using dbtest::DatabaseTest;
using testsupport::GeneratedSizes;

class GeneratedDatabaseTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    testsupport::writeGeneratedDatabase(folder, sizes);
  }

  GeneratedSizes sizes{.wrestlers = 4000, .moves = 900, .dives = 300, .teams = 400, .managers = 150};
};

TEST_F(GeneratedDatabaseTest, EveryRecordIsLoadedAsGenerated) {
  EXPECT_EQ(load(), 0);
  EXPECT_TRUE(errors.empty());
  ASSERT_EQ(catalogue.WrestlerCount, sizes.wrestlers);
  ASSERT_EQ(catalogue.MoveCount, sizes.moves);
  ASSERT_EQ(catalogue.DiveCount, sizes.dives);
  ASSERT_EQ(catalogue.TeamCount, sizes.teams);
  ASSERT_EQ(catalogue.ManagerCount, sizes.managers);
  EXPECT_EQ(catalogue.StableCount, sizes.stables);
  EXPECT_EQ(catalogue.ObjectCount, sizes.objects);
  EXPECT_EQ(catalogue.GimmickCount, sizes.gimmicks);
  EXPECT_EQ(catalogue.RefereeCount, sizes.referees);

  for (int32_t i = 1; i <= sizes.wrestlers; ++i) {
    const db::Wrestler& wrestler = catalogue.Wrestlers[i];
    ASSERT_EQ(db::text(wrestler.Name), testsupport::generatedWrestlerName(i)) << i;
    ASSERT_EQ(db::text(wrestler.AltName), testsupport::generatedWrestlerAltName(i)) << i;
    ASSERT_EQ(wrestler.MoveListCount, testsupport::generatedMoveListCount(i)) << i;
    for (int32_t slot = 1; slot <= 50; ++slot) {
      ASSERT_EQ(wrestler.MoveList[slot], testsupport::generatedWrestlerMove(i, slot, sizes))
          << i << "/" << slot;
    }
    ASSERT_EQ(wrestler.ManagerList[1], testsupport::generatedWrestlerManager(i, sizes));
    ASSERT_EQ(wrestler.DiveList[1], testsupport::generatedWrestlerDive(i, sizes));
    ASSERT_EQ(wrestler.Deleted, testsupport::generatedWrestlerDeleted(i) ? 1 : 0);
    ASSERT_EQ(wrestler.Level68, i % 8 + 1);
    ASSERT_EQ(wrestler.Image94, i);
    ASSERT_EQ(wrestler.Number79, i % 2);
  }
  for (int32_t i = 1; i <= sizes.moves; ++i) {
    const db::Move& move = catalogue.Moves[i];
    ASSERT_EQ(db::text(move.ListName), testsupport::generatedMoveListName(i)) << i;
    ASSERT_EQ(move.Deleted, testsupport::generatedMoveDeleted(i) ? 1 : 0);
    ASSERT_EQ(move.MoveRef3, i % sizes.moves + 1);
    ASSERT_EQ(move.Flag3A, 1);
  }
  for (int32_t i = 1; i <= sizes.teams; ++i) {
    const db::Team& team = catalogue.Teams[i];
    int32_t first = testsupport::generatedTeamMember(i, 1, sizes);
    int32_t second = testsupport::generatedTeamMember(i, 2, sizes);
    ASSERT_EQ(db::text(team.Member1), testsupport::generatedWrestlerName(first));
    ASSERT_EQ(team.NumberForm, 1) << i;
    ASSERT_EQ(team.FirstMove, testsupport::generatedTeamFirstMove(i, sizes));
    ASSERT_EQ(team.SecondMove, i);
    ASSERT_EQ(db::text(team.MovePerformer), db::text(team.Member1));
    bool bothLive =
        !testsupport::generatedWrestlerDeleted(first) && !testsupport::generatedWrestlerDeleted(second);
    ASSERT_EQ(team.BothKnown, bothLive ? 1 : 0) << i;
  }
  EXPECT_EQ(db::text(catalogue.Managers[7].Name), testsupport::generatedManagerName(7));
}

TEST_F(GeneratedDatabaseTest, LookupsFindTheGeneratedRecords) {
  load();
  EXPECT_EQ(db::FINDWRESTLER(catalogue, testsupport::generatedWrestlerName(3210), 0), 3210);
  EXPECT_EQ(db::FINDWRESTLER(catalogue, testsupport::generatedWrestlerAltName(20), 0), 20);
  EXPECT_EQ(db::FINDWRESTLER(catalogue, testsupport::generatedWrestlerName(97), 0), 0);
  EXPECT_EQ(db::FINDMOVE(catalogue, testsupport::generatedMoveListName(301)), 301);
  EXPECT_EQ(db::FINDMOVE(catalogue, "an " + testsupport::generatedMoveListName(301)), 301);
  EXPECT_EQ(db::FINDMOVE(catalogue, "a " + testsupport::generatedMoveListName(300)), 0);  // deleted
  EXPECT_EQ(db::FINDDIVE(catalogue, "Dive 42"), 42);
  EXPECT_EQ(db::FINDTEAM(catalogue, testsupport::generatedTeamName(5), 0), 5);
}

TEST_F(GeneratedDatabaseTest, CrowdEntriesNameLiveWrestlersOnly) {
  load();
  int expected = 0;
  for (int32_t i = 1; i <= sizes.crowdLines; ++i) {
    int32_t wrestler = (i * 37) % sizes.wrestlers + 1;
    if (!testsupport::generatedWrestlerDeleted(wrestler)) expected += 3;  // two texts in crowd, one in wcrowd
  }
  EXPECT_EQ(catalogue.CrowdCount, expected);
  EXPECT_EQ(db::text(catalogue.CrowdEntries[1].WrestlerName), testsupport::generatedWrestlerName(38));
  EXPECT_EQ(db::text(catalogue.CrowdEntries[1].CrowdText), "Go 1!");
  EXPECT_EQ(db::text(catalogue.CrowdEntries[2].CrowdText), "Boo 1");
}

TEST_F(GeneratedDatabaseTest, ReloadComesBackToTheSameHeap) {
  size_t empty = heapBlocks();
  load();
  size_t loaded = heapBlocks();
  load();
  EXPECT_EQ(heapBlocks(), loaded);
  db::releaseCatalogue(catalogue);
  EXPECT_EQ(heapBlocks(), empty);
}

}  // namespace
