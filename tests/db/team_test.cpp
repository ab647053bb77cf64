#include <gtest/gtest.h>

#include "db/catalogue.h"
#include "db/lookups.h"
#include "db/team.h"
#include "db/wrestler_finder.h"
#include "db_test_support.h"
#include "support/game_records.h"

namespace {

using dbtest::DatabaseTest;
using testsupport::TeamSpec;
using testsupport::teamSpec;
using testsupport::WrestlerSpec;
using testsupport::wrestlerSpec;

class TeamTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    folder.writeWrestlers({wrestlerSpec("Hawk Storm"), wrestlerSpec("Blaze Fury")});
    load();
  }

  db::Team loadTeam(const std::string& moveText, const std::string& name = "") {
    TeamSpec spec = teamSpec("Hawk Storm", "Blaze Fury", name, moveText);
    db::WrestlerFinder wrestlers(catalogue);
    db::Team record;
    readRecordFrom(spec.toLines(), [&](int fileNumber) {
      db::LOADTEAMS(fileNumber, record, wrestlers);
      EXPECT_TRUE(platform::endOfFile(fileNumber)) << "a team is 10 lines";
    });
    return record;
  }
};

TEST_F(TeamTest, MemberAbbreviationsAreTheFirstAndLastTwoCharacters) {
  EXPECT_EQ(db::memberAbbreviation("Hawk Storm"), "Harm");
  EXPECT_EQ(db::memberAbbreviation("Blaze Fury"), "Blry");
  EXPECT_EQ(db::memberAbbreviation("Abc"), "Abbc");
  EXPECT_EQ(db::memberAbbreviation("A"), "AA");
  EXPECT_EQ(db::memberAbbreviation(""), "");
}

TEST_F(TeamTest, NumberedMoveWithASecondMove) {
  db::Team team = loadTeam("!12-7/Harm");
  EXPECT_EQ(team.NumberForm, 1);
  EXPECT_EQ(team.FirstMove, 12);
  EXPECT_EQ(team.SecondMove, 7);
  EXPECT_EQ(team.LabelIsText, 0);
  EXPECT_EQ(db::text(team.MovePerformer), "Hawk Storm");
  EXPECT_EQ(db::text(team.MoveText), "");
  EXPECT_EQ(db::text(team.MoveLabel), "");
  EXPECT_EQ(db::text(team.RawMoveText), "!12-7/Harm");
  EXPECT_EQ(team.TextForm, 0);
}

TEST_F(TeamTest, NumberedMoveWithALabel) {
  db::Team team = loadTeam("!12-Double Impact/Blry");
  EXPECT_EQ(team.FirstMove, 12);
  EXPECT_EQ(team.LabelIsText, 1);
  EXPECT_EQ(db::text(team.MoveLabel), "Double Impact");
  EXPECT_EQ(db::text(team.MovePerformer), "Blaze Fury");
  EXPECT_EQ(team.SecondMove, 0);
}

TEST_F(TeamTest, ALeadingPlusLeavesNoTraceButInTheRawText) {
  db::Team team = loadTeam("+!12-7/Harm");
  EXPECT_EQ(team.NumberForm, 1);
  EXPECT_EQ(team.FirstMove, 12);
  EXPECT_EQ(team.SecondMove, 7);
  EXPECT_EQ(db::text(team.RawMoveText), "+!12-7/Harm");
}

TEST_F(TeamTest, ANumberedMoveWithoutSlashOrDashIsNotDecoded) {
  db::Team team = loadTeam("!12-7");
  EXPECT_EQ(team.NumberForm, 0);
  EXPECT_EQ(team.FirstMove, 0);
  EXPECT_EQ(db::text(team.MoveText), "!12-7");
  EXPECT_EQ(db::text(team.MovePerformer), "");
  EXPECT_EQ(db::text(loadTeam("+!12/Harm").MoveText), "+!12/Harm");
}

TEST_F(TeamTest, AnyAbbreviationButTheFirstMembersSelectsTheSecond) {
  EXPECT_EQ(db::text(loadTeam("!3-4/harm").MovePerformer), "Blaze Fury");
  EXPECT_EQ(db::text(loadTeam("!3-4/").MovePerformer), "Blaze Fury");
}

TEST_F(TeamTest, MoveBothPerform) {
  db::Team team = loadTeam("&Double Team/Blry");
  EXPECT_EQ(db::text(team.MoveText), "Double Team");
  EXPECT_EQ(team.AmpersandForm, 1);
  EXPECT_EQ(team.TextForm, 1);
  EXPECT_EQ(db::text(team.SecondPerformer), "Blaze Fury");
  EXPECT_EQ(db::text(team.MovePerformer), "");

  db::Team plain = loadTeam("&Double Team");
  EXPECT_EQ(db::text(plain.MoveText), "Double Team");
  EXPECT_EQ(db::text(plain.SecondPerformer), "");
}

TEST_F(TeamTest, TextMove) {
  db::Team team = loadTeam("Spike Piledriver");
  EXPECT_EQ(db::text(team.MoveText), "Spike Piledriver");
  EXPECT_EQ(team.TextForm, 1);
  EXPECT_EQ(db::text(team.MovePerformer), "");

  db::Team performed = loadTeam("Spike Piledriver/Harm");
  EXPECT_EQ(db::text(performed.MoveText), "Spike Piledriver");
  EXPECT_EQ(db::text(performed.MovePerformer), "Hawk Storm");
}

TEST_F(TeamTest, EmptyMoveText) {
  db::Team team = loadTeam("");
  EXPECT_EQ(db::text(team.MoveText), "");
  EXPECT_EQ(team.TextForm, 0);
  EXPECT_EQ(team.NumberForm, 0);
  EXPECT_NE(team.MovePerformer, nullptr);
  EXPECT_NE(team.SecondPerformer, nullptr);
  EXPECT_NE(team.MoveLabel, nullptr);
}

TEST_F(TeamTest, DisplayAndShortNames) {
  db::Team unnamed = loadTeam("");
  EXPECT_EQ(db::text(unnamed.DisplayName), "Hawk Storm/Blaze Fury");
  EXPECT_EQ(db::text(unnamed.ShortName), "Hawk Storm/Blaze Fury");
  db::Team named = loadTeam("", "Storm Front");
  EXPECT_EQ(db::text(named.DisplayName), "Storm Front (Hawk Storm/Blaze Fury)");
  EXPECT_EQ(db::text(named.ShortName), "Storm Front");
}

TEST_F(TeamTest, BothKnownNeedsBothMembersAmongTheLiveWrestlers) {
  EXPECT_EQ(loadTeam("").BothKnown, 1);
  db::WrestlerFinder wrestlers(catalogue);
  db::Team team;
  readRecordFrom(teamSpec("Hawk Storm", "Stranger").toLines(),
                 [&](int fileNumber) { db::LOADTEAMS(fileNumber, team, wrestlers); });
  EXPECT_EQ(team.BothKnown, 0);
}

TEST_F(TeamTest, WrestlerFinderAgreesWithFindWrestler) {
  WrestlerSpec deleted = wrestlerSpec("Hawk Storm", "Hawk");
  deleted.deleted = true;
  folder.writeWrestlers(
      {deleted, wrestlerSpec("Blaze", ""), wrestlerSpec("Hawk Storm", "Blaze"), wrestlerSpec("Hawk")});
  load();
  db::WrestlerFinder finder(catalogue);
  for (std::string name : {"Hawk Storm", "Hawk", "Blaze", "", "Nobody", "--- None ---"}) {
    EXPECT_EQ(finder.find(name), db::FINDWRESTLER(catalogue, name, 0)) << name;
  }
}

class FindTeamTest : public DatabaseTest {};

TEST_F(FindTeamTest, FindsLiveTeamsByNameOnly) {
  TeamSpec deleted = teamSpec("A", "B", "Gone");
  deleted.deleted = true;
  folder.writeTeams(
      {teamSpec("A", "B", "Storm Front"), deleted, teamSpec("C", "D"), teamSpec("E", "F", "Gone")});
  load();
  EXPECT_EQ(db::FINDTEAM(catalogue, "Storm Front", 0), 1);
  EXPECT_EQ(db::FINDTEAM(catalogue, "Storm Front (A/B)", 0), 0);
  EXPECT_EQ(db::FINDTEAM(catalogue, "A", 0), 0);
  EXPECT_EQ(db::FINDTEAM(catalogue, "Gone", 0), 4);
  EXPECT_EQ(db::FINDTEAM(catalogue, "Storm Front", 3), 0);
  // An unnamed team has an empty name, which is a name like any other.
  EXPECT_EQ(db::FINDTEAM(catalogue, "", 0), 3);
}

TEST_F(FindTeamTest, NoTeamsFindsNothing) {
  load();
  EXPECT_EQ(db::FINDTEAM(catalogue, "", 0), 0);
  db::Catalogue empty;
  EXPECT_EQ(db::FINDTEAM(empty, "Storm Front", 0), 0);
}

}  // namespace
