#include "export/object_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "db/database_guard.h"
#include "db/number_line.h"
#include "db/record_scan.h"
#include "export/open_export.h"
#include "export/streams.h"
#include "export_test_support.h"

namespace {

namespace fs = std::filesystem;
using namespace exports;
using exporttest::Lines;

class ObjectImportTest : public exporttest::ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    testsupport::ObjectSpec chair;
    chair.name = "a Chair";
    testsupport::ObjectSpec ladder;
    ladder.name = "a Ladder";
    folder.writeObjects({chair, ladder});
    testsupport::GimmickSpec cage;
    cage.name = "Cage Match";
    folder.writeGimmicks({cage});
    folder.writeLines("data/objects.idx", {" 3 ", " 43 "});
  }

  OpenExportResult open(const Lines& lines, bool enciphered = false) {
    return openAndShow(writeExport(lines, enciphered));
  }

  std::string fileBytes(std::string_view relative) const {
    return testsupport::readFileBytes(folder.root() / std::string(relative));
  }
  bool exists(std::string_view relative) const { return fs::exists(folder.root() / std::string(relative)); }
};

TEST_F(ObjectImportTest, SummaryTexts) {
  EXPECT_EQ(importSummary(ObjectExportKind::Objects, 2, 3),
            "2 foreign objects have been imported successfully. 1 was already in the database.");
  EXPECT_EQ(importSummary(ObjectExportKind::Gimmicks, 1, 1),
            "1 gimmick match has been imported successfully.");
  EXPECT_EQ(importSummary(ObjectExportKind::Objects, 0, 2),
            "0 foreign objects have been imported successfully. 2 were already in the database.");
  EXPECT_EQ(importSummary(ObjectExportKind::Objects, 1, 2),
            "1 foreign object has been imported successfully. 1 was already in the database.");
  EXPECT_EQ(importSummary(ObjectExportKind::Gimmicks, 3, 3),
            "3 gimmick matches have been imported successfully.");
  EXPECT_EQ(importSummary(ObjectExportKind::Gimmicks, 0, 0),
            "0 gimmick matches have been imported successfully.");
}

TEST_F(ObjectImportTest, NumberLinesHaveSignPositionAndTrailingBlank) {
  EXPECT_EQ(db::numberLine(5), " 5 ");
  EXPECT_EQ(db::numberLine(0), " 0 ");
  EXPECT_EQ(db::numberLine(-12), "-12 ");
  EXPECT_EQ(db::numberLine(65537), " 65537 ");
}

TEST_F(ObjectImportTest, RecordScanFindsFirstMatchInRange) {
  const std::vector<std::string> names = {"", "Chair", "chair", "Ladder", "Chair"};
  auto key = [](const std::string& s) { return std::string_view(s); };
  EXPECT_EQ(db::UDTSCANZ(names, key, "Chair", 1, 4, false), 1);
  EXPECT_EQ(db::UDTSCANZ(names, key, "chair", 1, 4, false), 2);
  EXPECT_EQ(db::UDTSCANZ(names, key, "CHAIR", 1, 4, false), 0);
  EXPECT_EQ(db::UDTSCANZ(names, key, "CHAIR", 1, 4, true), 1);
  EXPECT_EQ(db::UDTSCANZ(names, key, "Chair", 2, 4, false), 4);
  EXPECT_EQ(db::UDTSCANZ(names, key, "Chair", 3, 2, false), 0);
  EXPECT_EQ(db::UDTSCANZ(names, key, "Chair", 4, 99, false), 4);
  EXPECT_EQ(db::UDTSCANZ(names, key, "Ladder", 1, 2, false), 0);
  // Windows-1252 letters fold like the system's upper-casing.
  const std::vector<std::string> accented = {"", "M\xFCller"};
  EXPECT_EQ(db::UDTSCANZ(accented, key, "M\xDCLLER", 1, 1, true), 1);
}

TEST_F(ObjectImportTest, ObjectsNotInTheDatabaseAreAppended) {
  load();
  const std::string original = fileBytes("data/objects.dat");
  const Lines table = exporttest::objectRecord("a Table", 11);
  const Lines bin = exporttest::objectRecord("the Trash Bin", 12);
  const OpenExportResult result =
      open(exporttest::recordExport("[Exported Objects]", {table, exporttest::objectRecord("a Chair"), bin}));

  EXPECT_EQ(result.road, ExportRoad::ObjectsImported);
  EXPECT_EQ(result.import.outcome, ImportOutcome::Imported);
  EXPECT_EQ(result.import.announced, 3);
  EXPECT_EQ(result.import.added, 2);
  const std::string summary =
      "2 foreign objects have been imported successfully. 1 was already in the database.";
  EXPECT_EQ(result.import.message, summary);
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"{i}" + summary});

  // The old records as they were, then the new ones, under the new count.
  Lines expected = testsupport::splitCrLfLines(original);
  expected[0] = " 4 ";
  exporttest::append(expected, table);
  exporttest::append(expected, bin);
  EXPECT_EQ(fileBytes("data/objects.dat"), testsupport::crlfText(expected));
  EXPECT_EQ(fileBytes("data/objects.old"), original);
  EXPECT_FALSE(exists("data/objects.idx"));
  EXPECT_FALSE(exists("data/objects.new"));
  EXPECT_EQ(fileBytes("import.txx"), testsupport::crlfText([&] {
              Lines staged = table;
              exporttest::append(staged, bin);
              return staged;
            }()));

  // The catalogue has been reloaded.
  ASSERT_EQ(catalogue.ObjectCount, 4);
  EXPECT_STREQ(catalogue.Objects[4].ListName, "Trash Bin");
  EXPECT_TRUE(errors.empty());
}

TEST_F(ObjectImportTest, ObjectMatchIgnoresTheLeadingArticle) {
  load();
  const OpenExportResult result = open(exporttest::recordExport(
      "[Exported Objects]", {exporttest::objectRecord("the Ladder"), exporttest::objectRecord("Chair")}));
  EXPECT_EQ(result.import.added, 0);
  EXPECT_EQ(result.import.message,
            "0 foreign objects have been imported successfully. 2 were already in the database.");
}

TEST_F(ObjectImportTest, AllPresentStillRewritesTheFileAndReplacesOld) {
  load();
  folder.writeLines("data/objects.old", {"stale"});
  const std::string original = fileBytes("data/objects.dat");
  const OpenExportResult result =
      open(exporttest::recordExport("[Exported Objects]", {exporttest::objectRecord("a Chair")}), true);
  EXPECT_EQ(result.import.message,
            "0 foreign objects have been imported successfully. 1 was already in the database.");
  EXPECT_EQ(fileBytes("data/objects.dat"), original);
  EXPECT_EQ(fileBytes("data/objects.old"), original);
}

TEST_F(ObjectImportTest, OneNewGimmickMatch) {
  load();
  const Lines ladder = exporttest::gimmickRecord("Ladder Match", (1 << 12) | (1 << 30));
  const OpenExportResult result = open(exporttest::recordExport("[Gimmick Matches]", {ladder}), true);
  EXPECT_EQ(result.road, ExportRoad::GimmicksImported);
  EXPECT_EQ(result.import.message, "1 gimmick match has been imported successfully.");
  const Lines stored = testsupport::splitCrLfLines(fileBytes("data/gimmicks.dat"));
  ASSERT_EQ(stored.size(), 1u + 7 + 7);
  EXPECT_EQ(stored[0], " 2 ");
  // Copied as text: bits the loader ignores survive.
  EXPECT_EQ(Lines(stored.begin() + 8, stored.end()), ladder);
  EXPECT_EQ(catalogue.GimmickCount, 2);
}

TEST_F(ObjectImportTest, GimmickMatchNamesCompareExactly) {
  load();
  const OpenExportResult result = open(exporttest::recordExport(
      "[Gimmick Matches]", {exporttest::gimmickRecord("Cage Match"), exporttest::gimmickRecord("cage match"),
                            exporttest::gimmickRecord("Iron Man"), exporttest::gimmickRecord("Iron Man")}));
  // Two records of one name are both added when the database has neither.
  EXPECT_EQ(result.import.added, 3);
  EXPECT_EQ(result.import.message,
            "3 gimmick matches have been imported successfully. 1 was already in the database.");
  EXPECT_EQ(catalogue.GimmickCount, 4);
}

TEST_F(ObjectImportTest, SecondImportReplacesOldWithTheVersionBeforeIt) {
  load();
  const std::string first = fileBytes("data/objects.dat");
  open(exporttest::recordExport("[Exported Objects]", {exporttest::objectRecord("a Table")}));
  const std::string second = fileBytes("data/objects.dat");
  ASSERT_NE(first, second);
  EXPECT_EQ(fileBytes("data/objects.old"), first);
  open(exporttest::recordExport("[Exported Objects]", {exporttest::objectRecord("a Stop Sign")}));
  EXPECT_EQ(fileBytes("data/objects.old"), second);
  EXPECT_EQ(catalogue.ObjectCount, 4);
}

TEST_F(ObjectImportTest, ObjectsWithWrestlerSectionsAreAnObjectExport) {
  load();
  exporttest::WrestlerExport ex;
  ex.wrestlers = {exporttest::wrestlerRecord("Hawk Storm")};
  Lines lines = ex.lines();
  exporttest::append(lines,
                     exporttest::recordExport("[Exported Objects]", {exporttest::objectRecord("a Table")}));
  const OpenExportResult result = open(lines);
  EXPECT_EQ(result.road, ExportRoad::ObjectsImported);
  EXPECT_EQ(result.import.added, 1);
  EXPECT_EQ(records.IncomingWrestlerCount, 0);
}

TEST_F(ObjectImportTest, WrestlerExportIsParsed) {
  load();
  exporttest::WrestlerExport ex;
  ex.wrestlers = {exporttest::wrestlerRecord("Hawk Storm")};
  const OpenExportResult result = open(ex.lines(), true);
  EXPECT_EQ(result.road, ExportRoad::WrestlerExportParsed);
  EXPECT_EQ(result.parse.outcome, ParseOutcome::Parsed);
  EXPECT_EQ(records.IncomingWrestlerCount, 1);
  EXPECT_FALSE(exists("data/objects.old"));
}

TEST_F(ObjectImportTest, ObjectMarkerOnTheLastLineIsNoObjectExport) {
  load();
  const OpenExportResult result = open({"ZOR Export File", "[Exported Objects]"});
  EXPECT_EQ(result.road, ExportRoad::WrestlerExportParsed);
  EXPECT_EQ(result.parse.outcome, ParseOutcome::NotAnExport);
  EXPECT_FALSE(exists("import.txx"));
}

TEST_F(ObjectImportTest, UnreadableFilesGoToTheParserWhichReportsThem) {
  load();
  std::string bytes = testsupport::encipheredExportBytes(
      exporttest::recordExport("[Exported Objects]", {exporttest::objectRecord("a Table")}),
      testsupport::exportKeys(3));
  bytes[bytes.size() / 2] ^= 0x10;
  testsupport::writeFileBytes(folder.root() / "bad.zor", bytes);
  OpenExportResult result =
      openExportFile((folder.root() / "bad.zor").string(), catalogue, records, folder.path());
  EXPECT_EQ(result.road, ExportRoad::WrestlerExportParsed);
  EXPECT_EQ(result.parse.outcome, ParseOutcome::Corrupt);
  ASSERT_TRUE(result.parse.message.has_value());
  EXPECT_EQ(result.parse.message->text,
            "{i}This file is corrupt or not a ZOR export file.\r\n" + (folder.root() / "bad.zor").string());
  result = openExportFile((folder.root() / "nowhere.zor").string(), catalogue, records, folder.path());
  EXPECT_EQ(result.parse.outcome, ParseOutcome::CannotOpen);
  ASSERT_TRUE(result.parse.message.has_value());
  EXPECT_EQ(result.parse.message->text,
            "{i}Error opening file.\r\n" + (folder.root() / "nowhere.zor").string());
  EXPECT_EQ(catalogue.ObjectCount, 2);
}

TEST_F(ObjectImportTest, NegativeCountImportsNothing) {
  load();
  const std::string original = fileBytes("data/objects.dat");
  const OpenExportResult result =
      open(exporttest::recordExport("[Exported Objects]", {exporttest::objectRecord("a Table")}, "-2"));
  EXPECT_EQ(result.import.outcome, ImportOutcome::Imported);
  EXPECT_EQ(result.import.message, "0 foreign objects have been imported successfully.");
  EXPECT_EQ(fileBytes("data/objects.dat"), original);
}

TEST_F(ObjectImportTest, CountBeyondSixteenBitsWritesNothing) {
  load();
  const std::string original = fileBytes("data/objects.dat");
  const OpenExportResult result =
      open(exporttest::recordExport("[Exported Objects]", {exporttest::objectRecord("a Table")}, "65536"));
  EXPECT_EQ(result.import.outcome, ImportOutcome::Corrupt);
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"{i}This file is corrupt or not a ZOR export file."});
  EXPECT_EQ(fileBytes("data/objects.dat"), original);
  EXPECT_FALSE(exists("data/objects.old"));
  EXPECT_FALSE(exists("import.txx"));
  EXPECT_TRUE(exists("data/objects.idx"));
}

TEST_F(ObjectImportTest, FewerRecordsThanAnnouncedWritesNothing) {
  load();
  const std::string original = fileBytes("data/objects.dat");
  const OpenExportResult result =
      open(exporttest::recordExport("[Exported Objects]", {exporttest::objectRecord("a Table")}, "3"));
  EXPECT_EQ(result.import.outcome, ImportOutcome::Corrupt);
  EXPECT_EQ(result.import.message, "This file is corrupt or not a ZOR export file.");
  EXPECT_EQ(fileBytes("data/objects.dat"), original);
  EXPECT_FALSE(exists("data/objects.old"));
  EXPECT_EQ(catalogue.ObjectCount, 2);
}

TEST_F(ObjectImportTest, RecordLineHoldingALineBreakWritesNothing) {
  load();
  const std::string original = fileBytes("data/objects.dat");
  Lines table = exporttest::objectRecord("a Table");
  table[5] = "1\r\n2";
  const OpenExportResult result = open(exporttest::recordExport("[Exported Objects]", {table}), true);
  EXPECT_EQ(result.import.outcome, ImportOutcome::Corrupt);
  EXPECT_EQ(fileBytes("data/objects.dat"), original);
  EXPECT_FALSE(exists("data/objects.old"));
}

TEST_F(ObjectImportTest, MissingDatabaseFileIsReportedAndNothingChanges) {
  load();
  folder.remove("data/gimmicks.dat");
  const OpenExportResult result =
      open(exporttest::recordExport("[Gimmick Matches]", {exporttest::gimmickRecord("Iron Man")}));
  EXPECT_EQ(result.import.outcome, ImportOutcome::DatabaseMissing);
  EXPECT_EQ(result.import.message,
            "The database file data\\gimmicks.dat could not be found. Nothing has been imported.");
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"{i}" + result.import.message});
  EXPECT_FALSE(exists("data/gimmicks.dat"));
  EXPECT_FALSE(exists("data/gimmicks.new"));
  EXPECT_FALSE(exists("data/gimmicks.old"));
  EXPECT_FALSE(exists("import.txx"));
  EXPECT_TRUE(errors.empty());
}

TEST_F(ObjectImportTest, AFailureBeforeTheNewFileIsWrittenLeavesAFileOfThatNameAlone) {
  load();
  fs::create_directory(folder.root() / "import.txx");
  folder.writeLines("data/objects.new", {"not this import's"});
  const std::string original = fileBytes("data/objects.dat");
  const OpenExportResult result =
      open(exporttest::recordExport("[Exported Objects]", {exporttest::objectRecord("a Table")}));
  EXPECT_EQ(result.import.outcome, ImportOutcome::Failed);
  EXPECT_NE(result.import.message.find("while creating import.txx"), std::string::npos)
      << result.import.message;
  EXPECT_EQ(fileBytes("data/objects.dat"), original);
  EXPECT_EQ(fileBytes("data/objects.new"), "not this import's\r\n");
}

TEST_F(ObjectImportTest, AFileRewrittenAfterTheLoadIsNotRewrittenAgain) {
  // Cut short after the load, by another program: what the catalogue holds no longer describes it.
  load();
  folder.writeRecordFile("objects.dat", " 5 ", {exporttest::objectRecord("a Chair")});
  errors.clear();
  const std::string original = fileBytes("data/objects.dat");
  const OpenExportResult result =
      open(exporttest::recordExport("[Exported Objects]", {exporttest::objectRecord("a Table")}));
  EXPECT_EQ(result.import.outcome, ImportOutcome::Failed);
  EXPECT_EQ(result.import.message,
            "The import was stopped: \"" + folder.path() +
                "\\data\\objects.dat\" has changed since the database was loaded (another import or the game "
                "has written it). Nothing has been imported. Close and start again, then repeat the import.");
  EXPECT_EQ(fileBytes("data/objects.dat"), original);
  EXPECT_FALSE(exists("data/objects.new"));
  EXPECT_TRUE(errors.empty()) << "the failure is told once, in the import's own message";
}

// Every file operation of an import fails in turn: whatever fails, the database file is either as it
// was or completely rewritten, and a reported failure leaves it as it was.
TEST_F(ObjectImportTest, FailureAtAnyStepLeavesTheDatabaseFileIntact) {
  load();
  const std::string original = fileBytes("data/gimmicks.dat");
  const Lines export_ =
      exporttest::recordExport("[Gimmick Matches]", {exporttest::gimmickRecord("Iron Man")});
  const std::string path = writeExport(export_);
  Lines expectedLines = testsupport::splitCrLfLines(original);
  expectedLines[0] = " 2 ";
  exporttest::append(expectedLines, exporttest::gimmickRecord("Iron Man"));
  const std::string expected = testsupport::crlfText(expectedLines);

  int failures = 0;
  for (int n = 1;; ++n) {
    ASSERT_LT(n, 1000) << "the import never ran without the fault";
    folder.writeGimmicks({[] {
      testsupport::GimmickSpec cage;
      cage.name = "Cage Match";
      return cage;
    }()});
    folder.remove("data/gimmicks.old");
    load();
    int32_t stream = OPENCRYPT(path);
    ASSERT_GT(stream, 0);
    FISEEK(stream, kGimmicksMarker);
    boxes.clear();
    errors.clear();
    platform::clearFileFaults();
    platform::failFileOperation(n, platform::kErrDiskFull);
    const ImportResult result = IMPORTGIMMICKS(stream, catalogue, folder.path());
    services::showMessageBox(services::informationBox(result.message));
    const bool faultFired = platform::fileOperationCount() >= n;
    platform::clearFileFaults();
    EXPECT_EQ(stream, 0);
    // What the next start does when the change could not be undone completely.
    const platform::RecoveryResult repair =
        platform::recoverTransaction(db::databaseTransactionFiles(folder.path()));
    EXPECT_NE(repair.action, platform::RecoveryAction::Failed) << "operation " << n;
    const std::string now = fileBytes("data/gimmicks.dat");
    if (result.outcome == ImportOutcome::Imported ||
        repair.action == platform::RecoveryAction::RolledForward) {
      EXPECT_EQ(now, expected) << "operation " << n;
    } else {
      EXPECT_EQ(now, original) << "operation " << n;
      EXPECT_FALSE(exists("data/gimmicks.new")) << "operation " << n;
      if (result.outcome == ImportOutcome::Failed) {
        ++failures;
        EXPECT_TRUE(result.message.find("has not been changed") != std::string::npos ||
                    result.message.find("the next start of the wizard repairs it") != std::string::npos)
            << result.message;
        EXPECT_TRUE(errors.empty()) << "operation " << n;
      }
    }
    ASSERT_EQ(boxes.size(), 1u) << "operation " << n;
    if (!faultFired) break;
  }
  EXPECT_GT(failures, 10);
}

}  // namespace
