#include "import/identifier_maps.h"

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

IdentifierMap mapOf(int32_t bound, std::initializer_list<std::pair<int32_t, int32_t>> entries) {
  IdentifierMap map = makeIdentifierMap(bound);
  for (auto [source, final] : entries) map[static_cast<size_t>(source)] = final;
  return map;
}

TEST(Populate, TakesImportNumberElseExistingNumberAndLaterRecordsWin) {
  std::vector<IncomingRecord> records(5);
  records[1] = record(3, 7, 12);
  records[2] = record(4, 8, 0);
  records[3] = record(5, 0, 0);
  records[4] = record(4, 9, 0);
  IdentifierMap map = makeIdentifierMap(6);
  map[5] = 99;  // stale entries are cleared first
  POPULATE(map, records, 4);
  EXPECT_EQ(map, (IdentifierMap{0, 0, 0, 12, 9, 0, 0}));
}

TEST(Populate, HonoursCountAndKeepsEntryZeroAndTheBounds) {
  std::vector<IncomingRecord> records(4);
  records[1] = record(0, 0, 5);
  records[2] = record(-2, 0, 5);
  records[3] = record(2, 0, 5);
  IdentifierMap map = makeIdentifierMap(2);
  POPULATE(map, records, 2);  // record 3 is beyond the count
  EXPECT_EQ(map, (IdentifierMap{0, 0, 0}));
  POPULATE(map, records, 9);  // a count beyond the array stops at its end
  EXPECT_EQ(map, (IdentifierMap{0, 0, 5}));
}

TEST(Populate, BuildsTheThreeMapsFromTheirBounds) {
  exports::IncomingRecords incoming;
  incoming.IncomingMoves.resize(2);
  incoming.IncomingMoves[1] = record(4, 0, 31);
  incoming.IncomingMoveCount = 1;
  incoming.IncomingDives.resize(2);
  incoming.IncomingDives[1] = record(1, 2, 0);
  incoming.IncomingDiveCount = 1;
  IdentifierMaps maps =
      buildIdentifierMaps(incoming, MaxSourceNumbers{.moves = 4, .dives = 1, .managers = 0});
  EXPECT_EQ(maps.MoveMap, (IdentifierMap{0, 0, 0, 0, 31}));
  EXPECT_EQ(maps.DiveMap, (IdentifierMap{0, 2}));
  EXPECT_EQ(maps.ManagerMap, (IdentifierMap{0}));
  EXPECT_EQ(mapEntryLines(maps.MoveMap), (std::vector<std::string>{"4 -> 31"}));
}

TEST(ReplaceBits, ReplacesTheRangeAndKeepsTheOtherBits) {
  int32_t value = 0x12345678;
  REPLACEBITS(value, 8, 15, 0xAB);
  EXPECT_EQ(value, 0x1234AB78);
  value = -1;
  REPLACEBITS(value, 16, 31, 0);
  EXPECT_EQ(value, 0xFFFF);
  value = 5;
  REPLACEBITS(value, 16, 31, 40000);  // bit 31 set: a negative 32-bit value
  EXPECT_EQ(value, static_cast<int32_t>((40000u << 16) | 5u));
}

TEST(ReplaceBits, DoesNotMaskTheNewValue) {
  int32_t value = 0;
  REPLACEBITS(value, 0, 3, 20);
  EXPECT_EQ(value, 20);  // bit 4 is set although the range ends at bit 3
}

TEST(RemapAndReplace, LogsAndRewritesATranslatedReference) {
  LogCapture log;
  std::string field = "458757";  // bits 16-31 = 7, bits 0-15 = 5
  RemapResult result = REMAPANDREPLACE(field, 0, 15, mapOf(10, {{5, 9}}), 10);
  EXPECT_EQ(result.outcome, RemapOutcome::Replaced);
  EXPECT_EQ(field, "458761");
  EXPECT_EQ(log.lines, (std::vector<std::string>{
                           "Replacing 5 with 9 in bits 0-15 of 458757",
                           "Original is 00000000000001110000000000000101",
                           "Result is   00000000000001110000000000001001",
                           "Result is 458761",
                       }));
}

TEST(RemapAndReplace, KeepsTheTextWhenTheMapKeepsTheNumber) {
  LogCapture log;
  std::string field = "0007";
  RemapResult result = REMAPANDREPLACE(field, 0, 15, mapOf(10, {{7, 7}}), 10);
  EXPECT_EQ(result.outcome, RemapOutcome::Unchanged);
  EXPECT_EQ(field, "0007");
  EXPECT_TRUE(log.lines.empty());
}

TEST(RemapAndReplace, ClearsAReferenceToAnUnknownSource) {
  LogCapture log;
  std::string field = "0006";
  REMAPANDREPLACE(field, 0, 15, mapOf(10, {}), 10);
  EXPECT_EQ(field, "0");
  EXPECT_EQ(log.lines.front(), "Replacing 6 with 0 in bits 0-15 of 6");
}

TEST(RemapAndReplace, LeavesZeroAndMinusOneAloneWithoutALogLine) {
  LogCapture log;
  std::string zero = "0";
  std::string unset = "-1";
  IdentifierMap map = mapOf(10, {});
  map[0] = 4;  // entry 0 is never consulted
  REMAPANDREPLACE(zero, 0, 15, map, 10);
  REMAPANDREPLACE(unset, 0, 31, map, 10);
  EXPECT_EQ(zero, "0");
  EXPECT_EQ(unset, "-1");
  EXPECT_TRUE(log.lines.empty());
}

TEST(RemapAndReplace, LogsEveryNonzeroReferenceAgainstAMapOfBoundZero) {
  LogCapture log;
  IdentifierMap map = makeIdentifierMap(0);
  std::string a = "3";
  std::string b = "0";
  std::string c = "65537";
  REMAPANDREPLACE(a, 0, 15, map, 0);
  REMAPANDREPLACE(b, 0, 15, map, 0);
  REMAPANDREPLACE(c, 16, 31, map, 0);
  EXPECT_EQ(a, "3");
  EXPECT_EQ(c, "65537");
  EXPECT_EQ(log.lines, (std::vector<std::string>{"Error: trying to map item 3 in a map with 0 records.",
                                                 "Error: trying to map item 1 in a map with 0 records."}));
}

TEST(RemapAndReplace, ReadsATopRangeAsAnUnsignedNumber) {
  LogCapture log;
  std::string field = "-65536";  // bits 16-31 all set, bits 0-15 clear
  RemapResult result = REMAPANDREPLACE(field, 16, 31, mapOf(100, {}), 100);
  EXPECT_EQ(result.outcome, RemapOutcome::NotInMap);
  EXPECT_EQ(result.item, 65535);
  EXPECT_EQ(field, "-65536");
  EXPECT_EQ(log.lines,
            (std::vector<std::string>{"Error: trying to map item 65535 in a map with 100 records."}));

  std::string whole = "-5";  // a 32-bit reference with bit 31 set is far above any map
  EXPECT_EQ(REMAPANDREPLACE(whole, 0, 31, mapOf(100, {}), 100).item, 4294967291LL);
  EXPECT_EQ(whole, "-5");
}

TEST(RemapAndReplace, WritesAResultWithBit31SetAsANegativeNumber) {
  LogCapture log;
  std::string field = std::to_string((7 << 16) | 5);
  IdentifierMap map = makeIdentifierMap(7);
  map[7] = 40000;
  REMAPANDREPLACE(field, 16, 31, map, 7);
  EXPECT_EQ(field, std::to_string(static_cast<int32_t>((40000u << 16) | 5u)));
  EXPECT_EQ(field.front(), '-');
  EXPECT_EQ(log.lines.back(), "Result is " + field);
}

TEST(RemapAndReplace, ClearsANumberThatDoesNotFitItsRange) {
  struct Case {
    int32_t first, last;
    int64_t fits, tooWide;
  };
  for (const Case& range : {Case{0, 15, 65535, 65536}, Case{12, 23, 4095, 4096}, Case{7, 17, 2047, 2048},
                            Case{18, 31, 16383, 16384}}) {
    SCOPED_TRACE(std::to_string(range.first) + "-" + std::to_string(range.last));
    const int32_t others =
        static_cast<int32_t>(~(((1LL << (range.last + 1)) - 1) ^ ((1LL << range.first) - 1)));
    int32_t original = others;
    REPLACEBITS(original, range.first, range.last, 1);
    IdentifierMap map = makeIdentifierMap(1);

    map[1] = static_cast<int32_t>(range.fits);
    std::string field = std::to_string(original);
    EXPECT_EQ(REMAPANDREPLACE(field, range.first, range.last, map, 1).outcome, RemapOutcome::Replaced);
    int32_t expected = original;
    REPLACEBITS(expected, range.first, range.last, range.fits);
    EXPECT_EQ(field, std::to_string(expected));

    map[1] = static_cast<int32_t>(range.tooWide);
    field = std::to_string(original);
    RemapResult result = REMAPANDREPLACE(field, range.first, range.last, map, 1);
    EXPECT_EQ(result.outcome, RemapOutcome::Cleared);
    EXPECT_EQ(result.newNumber, range.tooWide);
    EXPECT_EQ(field, std::to_string(others));  // only the range is cleared
  }
}

TEST(RemapAndReplace, AcceptsAnyNumberInAWholeLineReference) {
  std::string field = "3";
  IdentifierMap map = makeIdentifierMap(3);
  map[3] = 2000000000;
  EXPECT_EQ(REMAPANDREPLACE(field, 0, 31, map, 3).outcome, RemapOutcome::Replaced);
  EXPECT_EQ(field, "2000000000");
}

TEST(AddArticle, ChoosesTheArticleByTheFirstLetter) {
  EXPECT_EQ(ADDARTICLE("Elbow Drop"), "an Elbow Drop");
  EXPECT_EQ(ADDARTICLE("suplex"), "a suplex");
  EXPECT_EQ(ADDARTICLE("Uppercut"), "an Uppercut");
  EXPECT_EQ(ADDARTICLE("armbar"), "an armbar");
  EXPECT_EQ(ADDARTICLE("Yakuza Kick"), "a Yakuza Kick");
  EXPECT_EQ(ADDARTICLE("Hurricanrana"), "a Hurricanrana");
  EXPECT_EQ(ADDARTICLE(""), "a ");
}

TEST(Binary32, WritesThirtyTwoDigits) {
  EXPECT_EQ(binary32(0), std::string(32, '0'));
  EXPECT_EQ(binary32(-1), std::string(32, '1'));
  EXPECT_EQ(binary32(INT32_MIN), "1" + std::string(31, '0'));
}

}  // namespace
}  // namespace imports
