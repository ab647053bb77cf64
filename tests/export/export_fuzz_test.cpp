// Randomly damaged exports, plain and enciphered, through the whole "Open Export File" road and the
// batch parse: nothing may crash, trip a sanitizer, leave a stream open or half-fill the arrays.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "export/open_export.h"
#include "export/parser.h"
#include "export/stream_table.h"
#include "export_test_support.h"

namespace {

using namespace exports;
using exporttest::Lines;

const std::vector<std::string> kMarkers = {"[Exported Wrestlers]", "[Exported Teams]", "[Exported Moves]",
                                           "[Exported Managers]",  "[Exported Dives]", "[Exported Objects]",
                                           "[Gimmick Matches]"};
const std::vector<std::string> kCounts = {"-7",   "0",     "1",          "3",   "40",
                                          "1999", "65536", "4294967297", "1e9", "abc",
                                          "",     " 12",   "2.5",        "-0",  "99999999999999999999999"};

class ExportFuzzTest : public exporttest::ExportTest {
 protected:
  std::string randomLine(std::mt19937& rng) {
    std::uniform_int_distribution<int> length(0, rng() % 8 == 0 ? 70000 : 40);
    std::string line(static_cast<size_t>(length(rng)), ' ');
    for (char& c : line) c = static_cast<char>(rng() % 256);
    return line;
  }

  void mutate(Lines& lines, std::mt19937& rng) {
    const int steps = 1 + static_cast<int>(rng() % 4);
    for (int s = 0; s < steps; ++s) {
      const size_t at = lines.empty() ? 0 : rng() % lines.size();
      switch (rng() % 8) {
        case 0:  // a count line after a marker
          for (size_t i = 0; i + 1 < lines.size(); ++i) {
            if (lines[i].starts_with("[") && rng() % 2 == 0) lines[i + 1] = kCounts[rng() % kCounts.size()];
          }
          break;
        case 1:
          if (!lines.empty()) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
          break;
        case 2:
          if (!lines.empty()) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), lines[at]);
          break;
        case 3:
          lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), kMarkers[rng() % kMarkers.size()]);
          break;
        case 4:
          lines.resize(at);
          break;
        case 5:
          if (!lines.empty()) lines[at] = randomLine(rng);
          break;
        case 6:
          if (!lines.empty()) std::swap(lines[at], lines[rng() % lines.size()]);
          break;
        default:  // a record number
          if (!lines.empty()) lines[at] = kCounts[rng() % kCounts.size()];
          break;
      }
    }
  }

  std::string damagedBytes(const Lines& lines, bool enciphered, uint32_t seed, std::mt19937& rng) {
    std::string bytes = enciphered ? testsupport::encipheredExportBytes(lines, testsupport::exportKeys(seed))
                                   : testsupport::plainExportBytes(lines);
    if (rng() % 3 == 0 && !bytes.empty()) {
      const int flips = 1 + static_cast<int>(rng() % 6);
      for (int f = 0; f < flips; ++f) bytes[rng() % bytes.size()] = static_cast<char>(rng() % 256);
      if (rng() % 4 == 0) bytes.resize(rng() % bytes.size());
      // Resealed, a damaged enciphered file passes the digest and reaches the line records.
      if (enciphered && rng() % 2 == 0) testsupport::sealExport(bytes);
    }
    return bytes;
  }
};

TEST_F(ExportFuzzTest, DamagedExportsNeverCrash) {
  testsupport::ObjectSpec chair;
  chair.name = "a Chair";
  folder.writeObjects({chair});
  testsupport::WrestlerSpec hawk;
  hawk.name = "Hawk Storm";
  folder.writeWrestlers({hawk});
  testsupport::MoveSpec slam;
  slam.name = "a Slam";
  folder.writeMoves({slam});
  load();

  exporttest::WrestlerExport wrestlers;
  wrestlers.wrestlers = {exporttest::wrestlerRecord("Hawk Storm"),
                         exporttest::wrestlerRecord("Blaze Fury", 1),
                         exporttest::wrestlerRecord("M\x81ller")};
  wrestlers.teams = {exporttest::teamRecord("Hawk Storm", "Blaze Fury", "Storm"),
                     exporttest::teamRecord("Blaze Fury", "M\x81ller")};
  wrestlers.moves = {exporttest::moveRecord(4, "a Slam"), exporttest::moveRecord(9, "the Suplex"),
                     exporttest::moveRecord(300, "an Armbar")};
  wrestlers.managers = {exporttest::managerRecord(1, "Jimmy"), exporttest::managerRecord(2, "Bobby")};
  wrestlers.dives = {exporttest::diveRecord(5, "a Plancha"), exporttest::diveRecord(6, "a Moonsault")};
  const std::vector<Lines> bases = {
      wrestlers.lines(),
      exporttest::recordExport("[Exported Objects]",
                               {exporttest::objectRecord("a Table"), exporttest::objectRecord("a Chair")}),
      exporttest::recordExport("[Gimmick Matches]", {exporttest::gimmickRecord("Iron Man"),
                                                     exporttest::gimmickRecord("Cage Match")}),
  };

  std::mt19937 rng(0x5EED);
  int parsed = 0;
  int imported = 0;
  for (uint32_t i = 0; i < 300; ++i) {
    Lines lines = bases[i % bases.size()];
    mutate(lines, rng);
    const bool enciphered = rng() % 2 == 0;
    const std::string path = (folder.root() / "fuzz.zor").string();
    testsupport::writeFileBytes(path, damagedBytes(lines, enciphered, i, rng));
    SCOPED_TRACE("iteration " + std::to_string(i));

    const IncomingRecords before = records;
    const OpenExportResult result = openExportFile(path, catalogue, records, folder.path());
    ASSERT_EQ(streamTable().streamCount, 0);
    if (result.road == ExportRoad::WrestlerExportParsed) {
      if (result.parse.outcome == ParseOutcome::Parsed) {
        ++parsed;
        exporttest::expectWellFormed(records);
        ASSERT_EQ(result.parse.wrestlerItems.size(), static_cast<size_t>(records.IncomingWrestlerCount));
      } else {
        exporttest::expectSameRecords(before, records);
      }
    } else {
      if (result.import.outcome == ImportOutcome::Imported) ++imported;
      exporttest::expectSameRecords(before, records);
      // The database file is whole: the reload finds every record its count announces.
      ASSERT_GE(catalogue.ObjectCount, 1);
      ASSERT_GE(catalogue.GimmickCount, 0);
    }

    const ParseResult batch = PARSEEXPORT(path, catalogue, records, ParseMode::Batch);
    ASSERT_EQ(streamTable().streamCount, 0);
    if (batch.outcome == ParseOutcome::Parsed) {
      exporttest::expectWellFormed(records);
      for (int32_t w = 1; w <= records.IncomingWrestlerCount; ++w)
        ASSERT_EQ(records.IncomingWrestlers[w].ImportNumber, 1);
    }
    if (HasFatalFailure()) return;
  }
  // The damage must leave enough files readable for the test to mean something.
  EXPECT_GT(parsed, 30);
  EXPECT_GT(imported, 10);
  // Loading never hit a short database file: every import wrote whole records.
  for (const auto& error : errors) EXPECT_NE(error.number, platform::kErrInputPastEnd) << error.procedure;
}

}  // namespace
