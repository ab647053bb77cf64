// The demo game folder under examples/ (written by zor-make-demo): it loads cleanly, every record
// reads back as intended, and every reference inside it names a record that exists.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "db/catalogue.h"
#include "db/lookups.h"
#include "db/record_text.h"
#include "db_test_support.h"
#include "support/export_writer.h"

namespace {

namespace fs = std::filesystem;
using db::text;

const fs::path kDemoGame = fs::path(ZOR_TEST_DATA) / ".." / ".." / "examples" / "demo-game";

class DemoGameTest : public dbtest::DatabaseTest {
 protected:
  // Loads a scratch copy, so that the committed folder is never touched.
  void SetUp() override {
    DatabaseTest::SetUp();
    ASSERT_TRUE(fs::exists(kDemoGame / "data" / "wrestlrs.dat")) << kDemoGame;
    fs::copy(kDemoGame, folder.root(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    ASSERT_EQ(load(), 0);
    ASSERT_TRUE(errors.empty()) << errors.front().number;
  }

  void expectMove(int32_t reference, const std::string& where) const {
    EXPECT_GE(reference, 0) << where;
    EXPECT_LE(reference, catalogue.MoveCount) << where;
  }
};

TEST_F(DemoGameTest, LoadsEveryKindWithTheIntendedCounts) {
  EXPECT_EQ(catalogue.WrestlerCount, 12);
  EXPECT_EQ(catalogue.MoveCount, 40);
  EXPECT_EQ(catalogue.DiveCount, 8);
  EXPECT_EQ(catalogue.ManagerCount, 5);
  EXPECT_EQ(catalogue.TeamCount, 4);
  EXPECT_EQ(catalogue.StableCount, 2);
  EXPECT_EQ(catalogue.ObjectCount, 6);
  EXPECT_EQ(catalogue.GimmickCount, 4);
  EXPECT_EQ(catalogue.RefereeCount, 2);
  // Four lines of crowd.cnf, six chants: two for Rico Ferraz, two for Titus Crane, one (on a scrambled
  // line) for Sofia Lindqvist, one for The Masked Comet.
  EXPECT_EQ(catalogue.CrowdCount, 6);
}

TEST_F(DemoGameTest, LoadingLeavesTheSettingsFileAsItIs) {
  EXPECT_EQ(testsupport::readFileBytes(folder.root() / "zor.cnf"),
            testsupport::readFileBytes(kDemoGame / "zor.cnf"));
  EXPECT_EQ(testsupport::readFileBytes(folder.data("zor.inf")), " 12 \r\n 40 \r\n 5 \r\n");
}

TEST_F(DemoGameTest, AccentedNamesReadInTheProgramsCharacterSet) {
  EXPECT_EQ(text(catalogue.Wrestlers[2].Name), "Bj\xF6rn Halvorsen");
  EXPECT_EQ(text(catalogue.Wrestlers[5].Name), "\xC9lodie Marchand");
  EXPECT_EQ(text(catalogue.Wrestlers[11].Name), "Otto Kr\xE4mer");
  EXPECT_EQ(text(catalogue.Managers[2].Name),
            "Mama Luc\xED"
            "a");
  EXPECT_EQ(text(catalogue.Referees[2].Name),
            "H\xE9"
            "ctor Ruiz");
  EXPECT_EQ(db::FINDWRESTLER(catalogue, "El Cometa", 0), 10);
  EXPECT_EQ(db::FINDWRESTLER(catalogue, "Titus Crane", 0), 4);
}

TEST_F(DemoGameTest, FemaleWrestlersAreMarked) {
  std::vector<std::string> female;
  for (int32_t i = 1; i <= catalogue.WrestlerCount; ++i) {
    if (catalogue.Wrestlers[i].Number79 == 1) female.emplace_back(text(catalogue.Wrestlers[i].Name));
  }
  EXPECT_EQ(female, (std::vector<std::string>{"Mariana S\xE1nchez", "\xC9lodie Marchand", "Sofia Lindqvist",
                                              "Jade Whitmore"}));
}

TEST_F(DemoGameTest, MoveNamesFollowTheArticleConvention) {
  // Written "the Piledriver": held with the indefinite article, listed without.
  EXPECT_EQ(text(catalogue.Moves[5].StoredName), "a Piledriver");
  EXPECT_EQ(text(catalogue.Moves[5].ListName), "Piledriver");
  EXPECT_EQ(text(catalogue.Moves[6].StoredName), "an Armbar");
  EXPECT_EQ(text(catalogue.Moves[37].ListName), "The Claw");
  EXPECT_EQ(db::FINDMOVE(catalogue, "Suplex"), 1);
  EXPECT_EQ(db::FINDMOVE(catalogue, "Snap Suplex"), 10);
  EXPECT_EQ(db::FINDDIVE(catalogue, "Frog Splash"), 5);
  EXPECT_EQ(catalogue.Moves[1].FollowUps[1], 10);
  EXPECT_EQ(catalogue.Moves[1].FollowUps[2], 11);
  EXPECT_EQ(catalogue.Dives[8].MoveRef6A, 2);
}

TEST_F(DemoGameTest, TeamMoveTextsDecode) {
  const db::Team& jungle = catalogue.Teams[1];
  EXPECT_EQ(text(jungle.DisplayName), "Concrete Jungle (Rico Ferraz/Titus Crane)");
  EXPECT_EQ(jungle.NumberForm, 1);
  EXPECT_EQ(jungle.FirstMove, 1);
  EXPECT_EQ(jungle.SecondMove, 12);
  EXPECT_EQ(text(jungle.MovePerformer), "Rico Ferraz");

  EXPECT_EQ(catalogue.Teams[2].AmpersandForm, 1);
  EXPECT_EQ(text(catalogue.Teams[2].SecondPerformer), "Otto Kr\xE4mer");
  EXPECT_EQ(text(catalogue.Teams[3].DisplayName), "Mariana S\xE1nchez/Sofia Lindqvist");
  EXPECT_EQ(text(catalogue.Teams[3].MovePerformer), "Mariana S\xE1nchez");
  EXPECT_EQ(catalogue.Teams[4].LabelIsText, 1);
  EXPECT_EQ(text(catalogue.Teams[4].MoveLabel), "Shining Dragon");
  EXPECT_EQ(catalogue.Teams[4].FirstMove, 35);
  for (int32_t i = 1; i <= catalogue.TeamCount; ++i) EXPECT_EQ(catalogue.Teams[i].BothKnown, 1) << i;
}

TEST_F(DemoGameTest, EveryReferenceNamesAnExistingRecord) {
  for (int32_t i = 1; i <= catalogue.WrestlerCount; ++i) {
    const db::Wrestler& w = catalogue.Wrestlers[i];
    const std::string who(text(w.Name));
    EXPECT_GE(w.MoveListCount, 4) << who;
    for (int32_t k = 1; k <= w.MoveListCount; ++k) {
      EXPECT_GE(w.MoveList[k], 1) << who;
      EXPECT_LE(w.MoveList[k], catalogue.MoveCount) << who;
    }
    for (int32_t ref : {w.MoveRef54, w.MoveRef55A, w.MoveRef55B, w.MoveRef56, w.MoveRef66, w.MoveRef69,
                        w.MoveRef71A, w.MoveRef71B, w.MoveRef72, w.MoveRef75, w.MoveRef76, w.MoveRef77}) {
      expectMove(ref, who);
    }
    EXPECT_NE(w.MoveRef54, 0) << who;
    for (int k = 1; k <= 4; ++k) EXPECT_LE(w.ManagerList[k], catalogue.ManagerCount) << who;
    for (int k = 1; k <= 5; ++k) EXPECT_LE(w.DiveList[k], catalogue.DiveCount) << who;
    EXPECT_EQ(w.Deleted, 0) << who;
  }
  for (int32_t i = 1; i <= catalogue.MoveCount; ++i) {
    const db::Move& m = catalogue.Moves[i];
    const std::string what(text(m.StoredName));
    for (int32_t ref : {m.MoveRef3, m.MoveRef6A, m.MoveRef6B}) expectMove(ref, what);
    for (int k = 1; k <= 18; ++k) expectMove(m.FollowUps[k], what);
  }
  for (int32_t i = 1; i <= catalogue.DiveCount; ++i) {
    expectMove(catalogue.Dives[i].MoveRef3, text(catalogue.Dives[i].StoredName).data());
    expectMove(catalogue.Dives[i].MoveRef6A, text(catalogue.Dives[i].StoredName).data());
  }
  for (int32_t i = 1; i <= catalogue.TeamCount; ++i) {
    expectMove(catalogue.Teams[i].FirstMove, "team");
    expectMove(catalogue.Teams[i].SecondMove, "team");
  }
  for (int32_t i = 1; i <= catalogue.StableCount; ++i) {
    const db::Stable& s = catalogue.Stables[i];
    for (int32_t k = 1; k <= s.MemberCount; ++k) {
      EXPECT_GE(s.Members[k], 1);
      EXPECT_LE(s.Members[k], catalogue.WrestlerCount);
    }
    for (int32_t k = 1; k <= s.LeaderCount; ++k) {
      const auto members = s.Members.begin() + 1;
      EXPECT_NE(std::find(members, members + s.MemberCount, s.Leaders[k]), members + s.MemberCount)
          << "a leader outside the stable";
    }
  }
}

TEST_F(DemoGameTest, ObjectsGimmicksAndRefereesRead) {
  EXPECT_EQ(text(catalogue.Objects[5].StoredName), "the Ring Bell");
  EXPECT_EQ(text(catalogue.Objects[5].ListName), "Ring Bell");
  EXPECT_EQ(text(catalogue.Gimmicks[1].Name), "Steel Cage Match");
  EXPECT_EQ(catalogue.Gimmicks[1].GimmickValue3, 2);
  for (int32_t i = 1; i <= catalogue.GimmickCount; ++i) {
    EXPECT_TRUE(catalogue.Gimmicks[i].GimmickBit18 == 1 || catalogue.Gimmicks[i].GimmickBit19 == 1);
  }
  EXPECT_EQ(catalogue.Referees[1].RefereeFlag0, 1);
  EXPECT_EQ(catalogue.Referees[2].RefereeFlag1, 1);
  EXPECT_EQ(catalogue.Referees[2].RefereeFlag2, 1);
  EXPECT_EQ(text(catalogue.Stables[2].Name), "Northern Alliance");
  EXPECT_EQ(catalogue.Stables[2].LeaderCount, 2);
}

}  // namespace
