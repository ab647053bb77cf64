#include <gtest/gtest.h>

#include "db/catalogue.h"
#include "db/lookups.h"
#include "db/move.h"
#include "db_test_support.h"
#include "support/game_records.h"

namespace {

using dbtest::DatabaseTest;
using testsupport::DiveSpec;
using testsupport::diveSpec;
using testsupport::MoveSpec;
using testsupport::moveSpec;
using testsupport::numberLine;
using testsupport::packBits;

class MoveTest : public DatabaseTest {
 protected:
  db::Move loadMove(const MoveSpec& spec) {
    db::Move record;
    readRecordFrom(spec.toLines(), [&](int fileNumber) {
      db::LOADMOVES(fileNumber, record);
      EXPECT_TRUE(platform::endOfFile(fileNumber)) << "a move is 27 lines";
    });
    return record;
  }
  db::Dive loadDive(const DiveSpec& spec) {
    db::Dive record;
    readRecordFrom(spec.toLines(), [&](int fileNumber) {
      db::LOADDIVES(fileNumber, record);
      EXPECT_TRUE(platform::endOfFile(fileNumber)) << "a dive is 10 lines";
    });
    return record;
  }
};

TEST_F(MoveTest, ALowerCaseArticleBecomesTheFittingIndefiniteArticle) {
  db::Move piledriver = loadMove(moveSpec("the Piledriver"));
  EXPECT_EQ(db::text(piledriver.StoredName), "a Piledriver");
  EXPECT_EQ(db::text(piledriver.ListName), "Piledriver");

  db::Move armbar = loadMove(moveSpec("a Armbar"));
  EXPECT_EQ(db::text(armbar.StoredName), "an Armbar");
  EXPECT_EQ(db::text(armbar.ListName), "Armbar");

  db::Move upper = loadMove(moveSpec("an Uppercut"));
  EXPECT_EQ(db::text(upper.StoredName), "an Uppercut");
}

TEST_F(MoveTest, NamesWithoutALowerCaseArticleStayAsTheyAre) {
  db::Move rocker = loadMove(moveSpec("The Rocker Dropper"));
  EXPECT_EQ(db::text(rocker.StoredName), "The Rocker Dropper");
  EXPECT_EQ(db::text(rocker.ListName), "The Rocker Dropper");
  db::Move suplex = loadMove(moveSpec("Suplex"));
  EXPECT_EQ(db::text(suplex.StoredName), "Suplex");
  EXPECT_EQ(db::text(suplex.ListName), "Suplex");
}

TEST_F(MoveTest, MoveNamesAreConvertedFromCodePage437) {
  db::Move move = loadMove(moveSpec("a M\x81ller Driver"));
  EXPECT_EQ(db::text(move.StoredName), "a M\xFCller Driver");
  EXPECT_EQ(db::text(move.ListName), "M\xFCller Driver");
}

TEST_F(MoveTest, PackedLinesDecodeIntoTheirFields) {
  MoveSpec spec;
  spec.lines[2] = numberLine(packBits({{0, 1023}, {10, 1}}));
  spec.lines[3] = numberLine(packBits({{0, 4000}, {17, 1}}));
  spec.lines[4] = numberLine(packBits({{0, 1}, {30, 1}}));
  spec.lines[5] = numberLine(packBits({{0, 9}, {4, 15}}));
  spec.lines[6] = numberLine(packBits({{0, 7}, {7, 2047}, {18, 16383}}));
  spec.lines[7] = numberLine(4198401);
  spec.lines[15] = numberLine(packBits({{0, 4095}, {12, 17}}));
  db::Move move = loadMove(spec);
  EXPECT_EQ(move.Value2, 1023);
  EXPECT_EQ(move.Flag2, 1);
  EXPECT_EQ(move.MoveRef3, 4000);
  EXPECT_EQ(move.Flag3A, 0);
  EXPECT_EQ(move.Flag3B, 1);
  EXPECT_EQ(move.Flags4[0], 1);
  EXPECT_EQ(move.Flags4[1], 0);
  EXPECT_EQ(move.Flags4[30], 1);
  EXPECT_EQ(move.Value5A, 9);
  EXPECT_EQ(move.Value5B, 15);
  EXPECT_EQ(move.Value6, 7);
  EXPECT_EQ(move.MoveRef6A, 2047);
  EXPECT_EQ(move.MoveRef6B, 16383);
  EXPECT_EQ(move.FollowUps[1], 1);
  EXPECT_EQ(move.FollowUps[2], 1025);
  EXPECT_EQ(move.FollowUps[17], 4095);
  EXPECT_EQ(move.FollowUps[18], 17);
  EXPECT_EQ(db::text(move.Origin), "Legacy ZOR Data");
  EXPECT_EQ(db::text(move.Creator), "ZOR 7 For Windows Importer");
}

TEST_F(MoveTest, Value6Of100IsTakenAs19) {
  MoveSpec spec;
  spec.lines[6] = numberLine(12900);
  db::Move move = loadMove(spec);
  EXPECT_EQ(move.Value6, 19);
  EXPECT_EQ(move.MoveRef6A, 100);

  DiveSpec dive;
  dive.lines[6] = numberLine(12900);
  db::Dive loaded = loadDive(dive);
  EXPECT_EQ(loaded.Value6, 19);
  EXPECT_EQ(loaded.MoveRef6A, 100);
}

TEST_F(MoveTest, DiveFieldsAndDeletedLine) {
  DiveSpec spec;
  spec.name = "the Elbow Drop";
  spec.deleted = true;
  spec.lines[2] = numberLine(packBits({{0, 600}, {10, 1}}));
  spec.lines[3] = numberLine(packBits({{0, 321}, {16, 1}}));
  spec.lines[4] = numberLine(packBits({{0, 1}, {1, 1}, {15, 1}, {23, 1}}));
  spec.lines[5] = numberLine(packBits({{0, 2}, {4, 3}}));
  db::Dive dive = loadDive(spec);
  EXPECT_EQ(db::text(dive.StoredName), "an Elbow Drop");
  EXPECT_EQ(dive.Value2, 600);
  EXPECT_EQ(dive.MoveRef3, 321);
  EXPECT_EQ(dive.DiveFlags[1], 1);
  EXPECT_EQ(dive.DiveFlags[2], 0);
  EXPECT_EQ(dive.DiveFlags[3], 1);
  EXPECT_EQ(dive.DiveFlags[8], 1);
  EXPECT_EQ(dive.Value5A, 2);
  EXPECT_EQ(dive.Value5B, 3);
  EXPECT_EQ(dive.Deleted, 1);
}

class FindMoveTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    MoveSpec deleted = moveSpec("a Slam");
    deleted.deleted = true;
    folder.writeMoves(
        {moveSpec("a Suplex"), moveSpec("Flying Elbow"), moveSpec("Elbow"), deleted, moveSpec("Headlock")});
    DiveSpec deletedDive = diveSpec("a Plancha");
    deletedDive.deleted = true;
    folder.writeDives({diveSpec("a Moonsault"), deletedDive});
    load();
  }
};

TEST_F(FindMoveTest, FindsByListNameOrByStoredName) {
  EXPECT_EQ(db::FINDMOVE(catalogue, "Suplex"), 1);
  EXPECT_EQ(db::FINDMOVE(catalogue, "a Suplex"), 1);
  EXPECT_EQ(db::FINDMOVE(catalogue, "suplex"), 0);
  EXPECT_EQ(db::FINDMOVE(catalogue, "Headlock"), 5);
  EXPECT_EQ(db::FINDMOVE(catalogue, "Piledriver"), 0);
}

TEST_F(FindMoveTest, TheFirstWordIsDroppedWhateverItIs) {
  // "Flying Elbow" (record 2) matches "Elbow" through its first word before record 3 is looked at.
  EXPECT_EQ(db::FINDMOVE(catalogue, "Elbow"), 2);
}

TEST_F(FindMoveTest, ADeletedMoveIsFoundByListNameOnly) {
  EXPECT_EQ(db::FINDMOVE(catalogue, "Slam"), 4);
  EXPECT_EQ(db::FINDMOVE(catalogue, "a Slam"), 0);
}

TEST_F(FindMoveTest, DivesAreSearchedTheSameWay) {
  EXPECT_EQ(db::FINDDIVE(catalogue, "Moonsault"), 1);
  EXPECT_EQ(db::FINDDIVE(catalogue, "a Moonsault"), 1);
  EXPECT_EQ(db::FINDDIVE(catalogue, "Plancha"), 2);
  EXPECT_EQ(db::FINDDIVE(catalogue, "a Plancha"), 0);
  EXPECT_EQ(db::FINDDIVE(catalogue, "Suplex"), 0);
}

TEST_F(FindMoveTest, AnEmptyCatalogueFindsNothing) {
  db::Catalogue empty;
  EXPECT_EQ(db::FINDMOVE(empty, "Suplex"), 0);
  EXPECT_EQ(db::FINDDIVE(empty, "Suplex"), 0);
}

}  // namespace
