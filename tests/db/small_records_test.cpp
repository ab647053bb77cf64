#include <gtest/gtest.h>

#include "db/catalogue.h"
#include "db/gimmick.h"
#include "db/manager.h"
#include "db/object.h"
#include "db/referee.h"
#include "db/stable.h"
#include "db_test_support.h"
#include "support/game_records.h"

namespace {

using dbtest::DatabaseTest;
using testsupport::numberLine;
using testsupport::packBits;

class SmallRecordsTest : public DatabaseTest {};

TEST_F(SmallRecordsTest, ManagerFields) {
  testsupport::ManagerSpec spec =
      testsupport::managerSpec("J\x81rgen", "The Brain", packBits({{0, 1}, {1, 9}, {5, 15}}));
  spec.deleted = true;
  db::Manager record;
  readRecordFrom(spec.toLines(), [&](int fileNumber) {
    db::LOADMANAGERS(fileNumber, record);
    EXPECT_TRUE(platform::endOfFile(fileNumber));
  });
  EXPECT_EQ(db::text(record.Name), "J\xFCrgen");
  EXPECT_EQ(db::text(record.Name2), "The Brain");
  EXPECT_EQ(record.Flag3, 1);
  EXPECT_EQ(record.Value3A, 9);
  EXPECT_EQ(record.Value3B, 15);
  EXPECT_EQ(record.Preset, 5);
  EXPECT_EQ(record.Deleted, 1);
  EXPECT_EQ(db::text(record.Origin), "Legacy ZOR Data");
  EXPECT_EQ(record.LineItems[1], nullptr);
}

TEST_F(SmallRecordsTest, OnlyManagerOneCarriesTheLineItems) {
  folder.writeManagers({testsupport::managerSpec("First"), testsupport::managerSpec("Second")});
  load();
  ASSERT_EQ(catalogue.ManagerCount, 2);
  for (int n = 1; n <= 10; ++n) {
    EXPECT_EQ(db::text(catalogue.Managers[1].LineItems[n]), "Line item " + std::to_string(n));
    EXPECT_EQ(catalogue.Managers[2].LineItems[n], nullptr);
  }
  EXPECT_EQ(catalogue.Managers[1].LineItems[0], nullptr);
}

TEST_F(SmallRecordsTest, StableMembersAndLeaders) {
  // Reds, 2, 4, 9, 0, 3, 0, 8
  testsupport::StableSpec spec = testsupport::stableSpec("Reds", {4, 9}, {0, 3, 0, 8}, "reds.wav");
  db::Stable record;
  readRecordFrom(spec.toLines(), [&](int fileNumber) {
    db::LOADSTABLES(fileNumber, record);
    EXPECT_TRUE(platform::endOfFile(fileNumber));
  });
  EXPECT_EQ(record.MemberCount, 2);
  ASSERT_EQ(record.Members.size(), 3u);
  EXPECT_EQ(record.Members[1], 4);
  EXPECT_EQ(record.Members[2], 9);
  EXPECT_EQ(record.LeaderCount, 2);
  EXPECT_EQ(record.Leaders[1], 3);
  EXPECT_EQ(record.Leaders[2], 8);
  EXPECT_EQ(record.Leaders[3], 0);
  EXPECT_EQ(db::text(record.MediaPath), "reds.wav");
}

TEST_F(SmallRecordsTest, StablesOfDifferentLengthsFollowEachOther) {
  testsupport::StableSpec big = testsupport::stableSpec("Army");
  for (int i = 1; i <= 1500; ++i) big.members.push_back(i);
  testsupport::StableSpec zeros = testsupport::stableSpec("Zeros", {0, 0, 5});
  zeros.deleted = true;
  folder.writeStables({big, zeros, testsupport::stableSpec("Empty")});
  load();
  ASSERT_EQ(catalogue.StableCount, 3);
  EXPECT_EQ(catalogue.Stables[1].MemberCount, 1500);
  EXPECT_EQ(catalogue.Stables[1].Members[1500], 1500);
  EXPECT_EQ(db::text(catalogue.Stables[2].Name), "Zeros");
  EXPECT_EQ(catalogue.Stables[2].MemberCount, 3);
  EXPECT_EQ(catalogue.Stables[2].Members[3], 5);
  EXPECT_EQ(catalogue.Stables[2].Deleted, 1);
  EXPECT_EQ(db::text(catalogue.Stables[3].Name), "Empty");
  EXPECT_EQ(catalogue.Stables[3].MemberCount, 0);
  EXPECT_TRUE(errors.empty());
}

TEST_F(SmallRecordsTest, ObjectKeepsItsArticleInTheStoredNameOnly) {
  testsupport::ObjectSpec spec = testsupport::objectSpec("a Steel Chair");
  for (int i = 0; i < 20; ++i) spec.values[i] = 100 + i;
  db::ForeignObject record;
  readRecordFrom(spec.toLines(), [&](int fileNumber) {
    db::LOADFOREIGN(fileNumber, record);
    EXPECT_TRUE(platform::endOfFile(fileNumber));
  });
  EXPECT_EQ(db::text(record.StoredName), "a Steel Chair");
  EXPECT_EQ(db::text(record.ListName), "Steel Chair");
  EXPECT_EQ(record.ObjectValues[1], 100);
  EXPECT_EQ(record.ObjectValues[20], 119);
  EXPECT_EQ(record.Deleted, 0);
  EXPECT_EQ(db::text(record.Creator), "ZOR 7 For Windows Importer");
}

class GimmickTest : public DatabaseTest {
 protected:
  db::GimmickMatch loadGimmick(int64_t packed3) {
    db::GimmickMatch record;
    readRecordFrom(testsupport::gimmickSpec("Cage", "Steel", packed3).toLines(), [&](int fileNumber) {
      db::LOADGIMMICKS(fileNumber, record);
      EXPECT_TRUE(platform::endOfFile(fileNumber));
    });
    return record;
  }
};

TEST_F(GimmickTest, Bit19IsSetWhenNeitherBit18NorBit19Is) {
  db::GimmickMatch neither = loadGimmick(0);
  EXPECT_EQ(neither.GimmickBit18, 0);
  EXPECT_EQ(neither.GimmickBit19, 1);
  db::GimmickMatch only18 = loadGimmick(packBits({{18, 1}}));
  EXPECT_EQ(only18.GimmickBit18, 1);
  EXPECT_EQ(only18.GimmickBit19, 0);
  db::GimmickMatch both = loadGimmick(packBits({{18, 1}, {19, 1}}));
  EXPECT_EQ(both.GimmickBit18, 1);
  EXPECT_EQ(both.GimmickBit19, 1);
}

TEST_F(GimmickTest, DecodedBitsAndTheValueOfBits3To4) {
  db::GimmickMatch record =
      loadGimmick(packBits({{0, 1}, {2, 1}, {3, 2}, {6, 1}, {11, 1}, {17, 1}, {21, 1}, {23, 1}}));
  EXPECT_EQ(db::text(record.Name), "Cage");
  EXPECT_EQ(db::text(record.Text2), "Steel");
  EXPECT_EQ(record.GimmickBit0, 1);
  EXPECT_EQ(record.GimmickBit1, 0);
  EXPECT_EQ(record.GimmickBit2, 1);
  EXPECT_EQ(record.GimmickValue3, 2);
  EXPECT_EQ(record.GimmickBit5, 0);
  EXPECT_EQ(record.GimmickBit6, 1);
  EXPECT_EQ(record.GimmickBit11, 1);
  EXPECT_EQ(record.GimmickBit17, 1);
  EXPECT_EQ(record.GimmickBit20, 0);
  EXPECT_EQ(record.GimmickBit21, 1);
  EXPECT_EQ(record.GimmickBit23, 1);
}

TEST_F(GimmickTest, UndecodedBitsChangeNothing) {
  db::GimmickMatch plain = loadGimmick(packBits({{18, 1}}));
  db::GimmickMatch noisy = loadGimmick(packBits({{18, 1}, {12, 31}, {24, 127}}));
  EXPECT_EQ(noisy.GimmickValue3, plain.GimmickValue3);
  EXPECT_EQ(noisy.GimmickBit11, plain.GimmickBit11);
  EXPECT_EQ(noisy.GimmickBit17, plain.GimmickBit17);
  EXPECT_EQ(noisy.GimmickBit23, plain.GimmickBit23);
}

TEST_F(SmallRecordsTest, RefereeFlagsComeInPairs) {
  db::Referee record;
  testsupport::RefereeSpec spec = testsupport::refereeSpec("Jos\x82", 2, 44);
  spec.deleted = true;
  readRecordFrom(spec.toLines(), [&](int fileNumber) {
    db::LOADREFEREES(fileNumber, record);
    EXPECT_TRUE(platform::endOfFile(fileNumber));
  });
  EXPECT_EQ(db::text(record.Name), "Jos\xE9");
  EXPECT_EQ(record.RefereeFlag0, 0);
  EXPECT_EQ(record.RefereeFlag1, 1);
  EXPECT_EQ(record.RefereeNotFlag1, 0);
  EXPECT_EQ(record.RefereeFlag2, 0);
  EXPECT_EQ(record.RefereeNotFlag2, 1);
  EXPECT_EQ(record.RefereeFlag3, 0);
  EXPECT_EQ(record.RefereeValue, 44);
  EXPECT_EQ(record.Deleted, 1);
}

}  // namespace
