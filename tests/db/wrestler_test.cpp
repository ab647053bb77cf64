#include <gtest/gtest.h>

#include "db/catalogue.h"
#include "db/lookups.h"
#include "db/wrestler.h"
#include "db_test_support.h"
#include "support/game_records.h"

namespace {

using dbtest::DatabaseTest;
using testsupport::numberLine;
using testsupport::WrestlerSpec;
using testsupport::wrestlerSpec;

class WrestlerTest : public DatabaseTest {
 protected:
  // Loads one wrestler built from `spec`; the record is released by the test's heap.
  db::Wrestler loadWrestler(const WrestlerSpec& spec) {
    db::Wrestler record;
    readRecordFrom(spec.toLines(), [&](int fileNumber) {
      db::LOADWRESTLERS(fileNumber, record, folder.path());
      EXPECT_TRUE(platform::endOfFile(fileNumber)) << "a wrestler is 120 lines";
    });
    return record;
  }
};

TEST_F(WrestlerTest, MoveListKeepsTheNonzeroReferencesWithoutGaps) {
  WrestlerSpec spec;
  spec.moves = {5, 0, 0, 7};
  db::Wrestler record = loadWrestler(spec);
  EXPECT_EQ(record.MoveListCount, 2);
  EXPECT_EQ(record.MoveList[1], 5);
  EXPECT_EQ(record.MoveList[2], 7);
  EXPECT_EQ(record.MoveList[3], 0);
  EXPECT_EQ(record.MoveList[0], 0);
}

TEST_F(WrestlerTest, MoveListHoldsFiftyReferencesWhenEveryLineIsSet) {
  WrestlerSpec spec;
  for (int i = 1; i <= 50; ++i) spec.moves.push_back(100 + i);
  db::Wrestler record = loadWrestler(spec);
  EXPECT_EQ(record.MoveListCount, 50);
  EXPECT_EQ(record.MoveList[1], 101);
  EXPECT_EQ(record.MoveList[50], 150);
}

TEST_F(WrestlerTest, ManagerAndDiveListsAreNotCompacted) {
  WrestlerSpec spec;
  spec.managers = {0, 3, 0, 4};
  spec.dives = {0, 0, 9, 0, 2};
  db::Wrestler record = loadWrestler(spec);
  EXPECT_EQ(record.ManagerList[1], 0);
  EXPECT_EQ(record.ManagerList[2], 3);
  EXPECT_EQ(record.ManagerList[4], 4);
  EXPECT_EQ(record.DiveList[3], 9);
  EXPECT_EQ(record.DiveList[5], 2);
}

TEST_F(WrestlerTest, NamesAreConvertedFromCodePage437AndPlainTextsAreNot) {
  WrestlerSpec spec;
  spec.name = "M\x81ller";
  spec.altName = "Fran\x87ois";
  spec.lines[81] = "M\x81ller";
  db::Wrestler record = loadWrestler(spec);
  EXPECT_EQ(db::text(record.Name), "M\xFCller");
  EXPECT_EQ(db::text(record.AltName), "Fran\xE7ois");
  EXPECT_EQ(db::text(record.Text81), "M\x81ller");
}

TEST_F(WrestlerTest, LeadingBracketsOfLine60AreRemoved) {
  WrestlerSpec spec;
  spec.lines[60] = "[[Champion";
  EXPECT_EQ(db::text(loadWrestler(spec).Text60), "Champion");
  spec.lines[60] = "The [Real] Champion";
  EXPECT_EQ(db::text(loadWrestler(spec).Text60), "The [Real] Champion");
  spec.lines[60] = "[[[";
  EXPECT_EQ(db::text(loadWrestler(spec).Text60), "");
}

TEST_F(WrestlerTest, Line72MinusOneMarksTheReferenceUnset) {
  WrestlerSpec spec;
  spec.lines[72] = numberLine(-1);
  db::Wrestler unset = loadWrestler(spec);
  EXPECT_EQ(unset.MoveRef72, 0);
  EXPECT_EQ(unset.Unset72, 1);
  spec.lines[72] = numberLine(0);
  EXPECT_EQ(loadWrestler(spec).Unset72, 0);
  spec.lines[72] = numberLine(123);
  db::Wrestler set = loadWrestler(spec);
  EXPECT_EQ(set.MoveRef72, 123);
  EXPECT_EQ(set.Unset72, 0);
}

TEST_F(WrestlerTest, Line68GivesFlagsAndALevelFromOneToEight) {
  WrestlerSpec spec;
  spec.lines[68] = numberLine(224);
  EXPECT_EQ(loadWrestler(spec).Level68, 8);
  spec.lines[68] = numberLine(0);
  EXPECT_EQ(loadWrestler(spec).Level68, 1);
  spec.lines[68] =
      numberLine(testsupport::packBits({{0, 1}, {3, 1}, {4, 1}, {5, 2}, {9, 1}, {12, 1}, {15, 1}}));
  db::Wrestler record = loadWrestler(spec);
  EXPECT_EQ(record.Flag68Bit0, 1);
  EXPECT_EQ(record.Flag68Bit1, 0);
  EXPECT_EQ(record.Flag68Bit3, 1);
  EXPECT_EQ(record.Level68, 3);
  EXPECT_EQ(record.Flag68Bit9, 1);
  EXPECT_EQ(record.Flag68Bit10, 0);
  EXPECT_EQ(record.Flag68Bit12, 1);
  EXPECT_EQ(record.Flag68Bit15, 1);
}

TEST_F(WrestlerTest, Line70FlagsSkipBit6) {
  WrestlerSpec spec;
  spec.lines[70] = numberLine(testsupport::packBits({{6, 1}, {7, 1}, {13, 1}, {18, 1}, {20, 1}, {27, 1}}));
  db::Wrestler record = loadWrestler(spec);
  EXPECT_EQ(record.Flag70Bit5, 0);
  EXPECT_EQ(record.Flag70Bit7, 1);
  EXPECT_EQ(record.Flag70Bit13, 1);
  EXPECT_EQ(record.Flag70Bit18, 1);
  EXPECT_EQ(record.Flag70Bit19, 0);
  EXPECT_EQ(record.Flag70Bit20, 1);
  EXPECT_EQ(record.Flag70Bit27, 1);
}

TEST_F(WrestlerTest, PackedMoveReferencesDropBit31) {
  WrestlerSpec spec;
  spec.lines[54] = numberLine(testsupport::packBits({{0, 524}, {16, 1}}));
  spec.lines[55] = numberLine(static_cast<int32_t>(testsupport::packBits({{0, 12}, {16, 0x8000 | 77}})));
  spec.lines[71] = numberLine(testsupport::packBits({{0, 3}, {16, 4}}));
  spec.lines[66] = numberLine(66);
  db::Wrestler record = loadWrestler(spec);
  EXPECT_EQ(record.MoveRef54, 524);
  EXPECT_EQ(record.Flag54, 1);
  EXPECT_EQ(record.MoveRef55A, 12);
  EXPECT_EQ(record.MoveRef55B, 77);
  EXPECT_EQ(record.MoveRef71A, 3);
  EXPECT_EQ(record.MoveRef71B, 4);
  EXPECT_EQ(record.MoveRef66, 66);
}

TEST_F(WrestlerTest, FileNamesLoseTheirFolders) {
  WrestlerSpec spec;
  spec.lines[91] = "C:\\Game\\Pics\\face.bmp";
  spec.lines[92] = "body.bmp";
  db::Wrestler record = loadWrestler(spec);
  EXPECT_EQ(db::text(record.FileName91), "face.bmp");
  EXPECT_EQ(db::text(record.FileName92), "body.bmp");
}

TEST_F(WrestlerTest, ColoursAreHexadecimalAndLine94MayCarryAnImage) {
  WrestlerSpec spec;
  spec.lines[93] = "FF0000";
  spec.lines[94] = "00FF00|12";
  db::Wrestler record = loadWrestler(spec);
  EXPECT_EQ(record.Colour93, 16711680);
  EXPECT_EQ(record.Colour94, 65280);
  EXPECT_EQ(record.Image94, 12);

  spec.lines[93] = "";
  spec.lines[94] = "00FF00";
  record = loadWrestler(spec);
  EXPECT_EQ(record.Colour93, 0);
  EXPECT_EQ(record.Colour94, 65280);
  EXPECT_EQ(record.Image94, 0);

  spec.lines[93] = "FFFFFFFF";
  spec.lines[94] = "zz|";
  record = loadWrestler(spec);
  EXPECT_EQ(record.Colour93, -1);
  EXPECT_EQ(record.Colour94, 0);
  EXPECT_EQ(record.Image94, 0);
}

TEST_F(WrestlerTest, RemainingFieldsAndProvenance) {
  WrestlerSpec spec;
  spec.number79 = 1;
  spec.deleted = true;
  spec.lines[53] = "text 53";
  spec.lines[57] = numberLine(-57);
  spec.lines[90] = numberLine(0b1000000101);
  spec.lines[96] = numberLine(96);
  spec.lines[98] = "text 98";
  db::Wrestler record = loadWrestler(spec);
  EXPECT_EQ(record.Number79, 1);
  EXPECT_EQ(record.Deleted, 1);
  EXPECT_EQ(db::text(record.Text53), "text 53");
  EXPECT_EQ(record.Number57, -57);
  EXPECT_EQ(record.Flags90[0], 1);
  EXPECT_EQ(record.Flags90[1], 0);
  EXPECT_EQ(record.Flags90[2], 1);
  EXPECT_EQ(record.Flags90[9], 1);
  EXPECT_EQ(record.Number96, 96);
  EXPECT_EQ(db::text(record.Text98), "text 98");
  EXPECT_EQ(db::text(record.Origin), "Legacy ZOR Data");
  EXPECT_EQ(db::text(record.Creator), "ZOR 7 For Windows Importer");
  EXPECT_EQ(record.Created, 0);
  EXPECT_EQ(record.Modified, 0);
  EXPECT_EQ(record.Extra1, nullptr);
  EXPECT_EQ(record.Extra7, nullptr);
}

TEST_F(WrestlerTest, FreeRecordsReleasesEveryText) {
  size_t before = heapBlocks();
  db::Wrestler record = loadWrestler(WrestlerSpec{});
  EXPECT_GT(heapBlocks(), before);
  record.Extra5 = memory::NEWSTRING("filled by someone else");
  record.FREERECORDS();
  EXPECT_EQ(heapBlocks(), before);
  EXPECT_EQ(record.Name, nullptr);
}

TEST_F(WrestlerTest, RecordsKnowTheirNumberAndFilePosition) {
  WrestlerSpec first;
  first.name = "First";
  WrestlerSpec second;
  second.name = "Second";
  folder.writeWrestlers({first, second});
  load();
  ASSERT_EQ(catalogue.WrestlerCount, 2);
  size_t firstRecordBytes = testsupport::crlfText(first.toLines()).size();
  EXPECT_EQ(catalogue.Wrestlers[1].RecordNumber, 1);
  EXPECT_EQ(catalogue.Wrestlers[1].FilePosition, 6);  // after " 2 " CR LF
  EXPECT_EQ(catalogue.Wrestlers[2].RecordNumber, 2);
  EXPECT_EQ(catalogue.Wrestlers[2].FilePosition, static_cast<int32_t>(6 + firstRecordBytes));
  EXPECT_EQ(db::text(catalogue.Wrestlers[2].Name), "Second");
}

class FindWrestlerTest : public DatabaseTest {
 protected:
  void SetUp() override {
    DatabaseTest::SetUp();
    WrestlerSpec hawk = wrestlerSpec("Hawk", "The Hawk");
    WrestlerSpec gone = wrestlerSpec("Gone", "Ghost");
    gone.deleted = true;
    WrestlerSpec ghost = wrestlerSpec("Ghost");
    WrestlerSpec hawkAgain = wrestlerSpec("Hawk");
    folder.writeWrestlers({hawk, gone, ghost, hawkAgain});
    load();
  }
};

TEST_F(FindWrestlerTest, FindsByNameOrSecondNameFirstMatchWinning) {
  EXPECT_EQ(db::FINDWRESTLER(catalogue, "Hawk", 0), 1);
  EXPECT_EQ(db::FINDWRESTLER(catalogue, "The Hawk", 0), 1);
  EXPECT_EQ(db::FINDWRESTLER(catalogue, "hawk", 0), 0);
  EXPECT_EQ(db::FINDWRESTLER(catalogue, "Nobody", 0), 0);
}

TEST_F(FindWrestlerTest, NeverFindsADeletedWrestler) {
  EXPECT_EQ(db::FINDWRESTLER(catalogue, "Gone", 0), 0);
  EXPECT_EQ(db::FINDWRESTLER(catalogue, "Ghost", 0), 3);
}

TEST_F(FindWrestlerTest, CircuitRostersAndRecordZeroAreNotSearched) {
  EXPECT_EQ(db::FINDWRESTLER(catalogue, "Hawk", 1), 0);
  EXPECT_EQ(db::FINDWRESTLER(catalogue, "--- None ---", 0), 0);
  EXPECT_EQ(db::FINDIMAGE("anything.bmp"), 0);
}

TEST_F(FindWrestlerTest, AnEmptyCatalogueFindsNothing) {
  db::Catalogue empty;
  EXPECT_EQ(db::FINDWRESTLER(empty, "Hawk", 0), 0);
  EXPECT_EQ(db::FINDWRESTLER(empty, "", 0), 0);
}

}  // namespace
