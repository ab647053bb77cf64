// The object and gimmick-match imports tell new records from present ones by the catalogue: when the
// load did not read the kind's file completely, they refuse, and the file stays as it is.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "db/load_report.h"
#include "export/object_import.h"
#include "export/open_export.h"
#include "export_test_support.h"
#include "platform/files.h"

namespace {

namespace fs = std::filesystem;
using namespace exports;
using exporttest::Lines;

const std::vector<std::string> kRecordFiles = {"wrestlrs.dat", "moves.dat",    "dives.dat",
                                               "managers.dat", "teams.dat",    "stables.dat",
                                               "objects.dat",  "gimmicks.dat", "referees.def"};

class ObjectImportLoadTest : public exporttest::ExportTest {
 protected:
  void SetUp() override {
    ExportTest::SetUp();
    folder.writeObjects({testsupport::objectSpec("a Chair"), testsupport::objectSpec("a Ladder")});
    folder.writeGimmicks({testsupport::gimmickSpec("Cage Match")});
    pristine = recordFiles();
  }

  std::map<std::string, std::string> recordFiles() const {
    std::map<std::string, std::string> files;
    for (const std::string& name : kRecordFiles) files[name] = testsupport::readFileBytes(folder.data(name));
    return files;
  }
  void restore() {
    for (const auto& [name, bytes] : pristine) testsupport::writeFileBytes(folder.data(name), bytes);
  }
  int32_t countOf(const std::string& name) const {
    const std::vector<std::string> lines =
        testsupport::splitCrLfLines(testsupport::readFileBytes(folder.data(name)));
    return lines.empty() ? -1 : std::stoi(lines.front());
  }
  std::string dataPath(const std::string& name) const { return folder.path() + "\\data\\" + name; }

  // "a Chair" is in the database, "a Table" is not.
  OpenExportResult importObjects() {
    return openAndShow(writeExport(exporttest::recordExport(
        "[Exported Objects]", {exporttest::objectRecord("a Chair"), exporttest::objectRecord("a Table")})));
  }

  std::map<std::string, std::string> pristine;
};

TEST_F(ObjectImportLoadTest, AShortObjectFileStopsTheImport) {
  // Three objects announced, two there: the load loads what it can, as it always did.
  folder.writeRecordFile("objects.dat", testsupport::numberLine(3),
                         {exporttest::objectRecord("a Chair"), exporttest::objectRecord("a Ladder")});
  pristine = recordFiles();
  load();
  EXPECT_EQ(catalogue.ObjectCount, 3);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].number, platform::kErrInputPastEnd);

  const OpenExportResult result = importObjects();
  EXPECT_EQ(result.road, ExportRoad::ObjectsImported);
  EXPECT_EQ(result.import.outcome, ImportOutcome::Failed);
  const std::string expected = "The import was stopped: \"" + dataPath("objects.dat") +
                               "\" was not read completely when the database was loaded (error 62 (Input "
                               "past end)). Nothing has been imported. Close and start again once the file "
                               "can be read.";
  EXPECT_EQ(result.import.message, expected);
  ASSERT_FALSE(boxes.empty());
  EXPECT_TRUE(boxes.back().text.ends_with(expected)) << boxes.back().text;
  EXPECT_EQ(recordFiles(), pristine);
  EXPECT_FALSE(fs::exists(folder.data("objects.new")));
  EXPECT_FALSE(fs::exists(folder.root() / "import.txx"));
}

TEST_F(ObjectImportLoadTest, AMissingGimmickFileAtTheLoadStopsTheGimmickImport) {
  folder.remove("data/gimmicks.dat");
  load();
  // Back before the import: the catalogue still holds no gimmick match.
  folder.writeGimmicks({testsupport::gimmickSpec("Cage Match")});
  pristine = recordFiles();
  const OpenExportResult result = openAndShow(
      writeExport(exporttest::recordExport("[Gimmick Matches]", {exporttest::gimmickRecord("Cage Match")})));
  EXPECT_EQ(result.road, ExportRoad::GimmicksImported);
  EXPECT_EQ(result.import.outcome, ImportOutcome::Failed);
  EXPECT_NE(result.import.message.find("\"" + dataPath("gimmicks.dat") + "\" was not read completely"),
            std::string::npos)
      << result.import.message;
  EXPECT_NE(result.import.message.find("(error 53 (File not found))"), std::string::npos);
  EXPECT_EQ(recordFiles(), pristine);
}

// Only the kind's own file matters: a damaged gimmick file does not stop an object import.
TEST_F(ObjectImportLoadTest, AnotherKindsDamageDoesNotStopTheImport) {
  folder.writeRecordFile("gimmicks.dat", testsupport::numberLine(4),
                         {exporttest::gimmickRecord("Cage Match")});
  load();
  const OpenExportResult result = importObjects();
  EXPECT_EQ(result.import.outcome, ImportOutcome::Imported) << result.import.message;
  EXPECT_EQ(countOf("objects.dat"), 3);
}

// Each file operation of the load fails in turn, once, and an object import follows. Whenever the
// objects were not read completely, the import refuses and every record file is as it was; otherwise
// the one new object is added and the one present is not added again. A failure outside the record
// files (most of the load reads the settings) leaves the import as it is without one: one in 25 of
// those is imported, for each import waits for the disk.
TEST_F(ObjectImportLoadTest, EveryFailingOperationOfTheLoadThenAnObjectImport) {
  int refused = 0;
  int imported = 0;
  int wholeLoads = 0;
  for (int n = 1;; ++n) {
    ASSERT_LT(n, 5000) << "the load does not end";
    restore();
    boxes.clear();
    platform::clearFileFaults();
    platform::failFileOperation(n, platform::kErrDeviceIo);
    load();
    const bool faultHappened = platform::fileOperationCount() >= n;
    platform::clearFileFaults();
    if (!faultHappened) break;
    const std::string context = "operation " + std::to_string(n);
    const std::optional<db::LoadProblem> problem = db::incompleteLoad(catalogue, db::kLoadObjects);
    const bool whole = !db::incompleteLoad(catalogue, 511);
    if (whole && wholeLoads++ % 25 != 0) continue;
    const OpenExportResult result = importObjects();
    if (problem) {
      ++refused;
      EXPECT_EQ(result.import.outcome, ImportOutcome::Failed) << context;
      EXPECT_NE(result.import.message.find(problem->path), std::string::npos) << context;
      EXPECT_EQ(recordFiles(), pristine) << context;
    } else {
      ++imported;
      EXPECT_EQ(result.import.outcome, ImportOutcome::Imported) << context << ": " << result.import.message;
      EXPECT_EQ(countOf("objects.dat"), 3) << context;
      std::map<std::string, std::string> others = recordFiles();
      std::map<std::string, std::string> expected = pristine;
      others.erase("objects.dat");
      expected.erase("objects.dat");
      EXPECT_EQ(others, expected) << context;
    }
    EXPECT_GE(countOf("objects.dat"), 2) << context;
  }
  // The object file's open, count, 80 lines and close.
  EXPECT_GT(refused, 80);
  EXPECT_GT(imported - (wholeLoads + 24) / 25, 20);
  EXPECT_GT(wholeLoads, 100);
}

}  // namespace
