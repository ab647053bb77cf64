// The batch import: files imported as they are, one after the other, each against the database the
// previous one left.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "db/database_guard.h"
#include "import/batch_import.h"
#include "import/undo.h"
#include "platform/file_transaction.h"
#include "support/import_fixture.h"
#include "support/import_road.h"

namespace imports {
namespace {

namespace fs = std::filesystem;
using testsupport::WrestlerSpec;

WrestlerSpec wrestler(const std::string& name, const std::string& marker = "") {
  WrestlerSpec spec = testsupport::wrestlerSpec(name);
  if (!marker.empty()) spec.lines[90] = marker;
  return spec;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The files of a data folder but the backups, the copies a batch keeps of them and the record of the
// last change.
std::map<std::string, std::string> withoutBackups(std::map<std::string, std::string> files) {
  std::erase_if(files, [](const auto& entry) {
    return entry.first.ends_with(".bak") || entry.first.ends_with(".batch") ||
           entry.first == db::kLastChangeFile;
  });
  return files;
}

constexpr std::string_view kEarlierFileStays =
    "The file the batch imported before it stays imported, since the batch could not complete the record "
    "an undo of the whole batch needs.";

class BatchTest : public testsupport::ImportFixture {
 protected:
  void SetUp() override {
    ImportFixture::SetUp();
    testsupport::writeScenarioDatabase(folder);
    ASSERT_EQ(load(), 0);
  }

  std::string exportOf(const std::vector<WrestlerSpec>& wrestlers, const std::string& name) {
    return writeExport(testsupport::wrestlersOnlyExport(wrestlers).lines(), name);
  }

  BatchResult batch(const std::vector<std::string>& paths, const std::string& status = "") {
    return importBatch(paths, status, catalogue, incoming, folder.path(),
                       [this](int32_t position, int32_t count, std::string_view text) {
                         progress.push_back(std::to_string(position) + "/" + std::to_string(count));
                         statusTexts.emplace_back(text);
                       });
  }

  // The label of the record of the last change.
  std::string lastChange() const {
    std::optional<platform::FileFailure> failure;
    const std::optional<platform::Transaction> record =
        platform::readTransactionRecord(db::databaseTransactionFiles(folder.path()), failure);
    return record ? record->label : "";
  }

  std::vector<std::string> progress;
  std::vector<std::string> statusTexts;
};

TEST_F(BatchTest, ThreeFilesWhereOneWrestlerOccursTwice) {
  const std::string first = exportOf({wrestler("Alpha"), wrestler("Beta", "first")}, "first.zor");
  const std::string second = exportOf({wrestler("Delta")}, "second.zor");
  const std::string third = exportOf({wrestler("Beta", "third"), wrestler("Gamma")}, "third.zor");
  const BatchResult result = batch({first, second, third}, "earlier\r\n");

  ASSERT_EQ(result.files.size(), 3u);
  EXPECT_EQ(result.files[0].statusLine, "Imported: first.zor");
  EXPECT_EQ(result.statusText,
            "Imported: third.zor\r\nImported: second.zor\r\nImported: first.zor\r\nearlier\r\n");
  EXPECT_EQ(progress, (std::vector<std::string>{"0/3", "1/3", "2/3", "3/3"}));
  EXPECT_EQ(statusTexts[1], "Imported: first.zor\r\nearlier\r\n");
  EXPECT_EQ(std::count(pumps.begin(), pumps.end(), 250), 3);
  EXPECT_TRUE(boxes.empty());
  EXPECT_TRUE(reports.empty());

  // Beta came back in the third file: found in the reloaded database, replaced, his number kept.
  const std::vector<std::string> all = lines("wrestlrs.dat");
  EXPECT_EQ(all[0], " 7 ");
  EXPECT_EQ(testsupport::recordOf(data("wrestlrs.dat"), 120, 4)[0], "Alpha");
  EXPECT_EQ(testsupport::recordOf(data("wrestlrs.dat"), 120, 5)[0], "Beta");
  EXPECT_EQ(testsupport::recordOf(data("wrestlrs.dat"), 120, 5)[89], "third");
  EXPECT_EQ(testsupport::recordOf(data("wrestlrs.dat"), 120, 6)[0], "Delta");
  EXPECT_EQ(testsupport::recordOf(data("wrestlrs.dat"), 120, 7)[0], "Gamma");
  EXPECT_EQ(result.files[2].result.run.plan.wrestlersReplaced.at(0).number, 5);
  // The backups hold the database as it was before the last file.
  EXPECT_EQ(testsupport::splitCrLfLines(testsupport::readFileBytes(data("wrestlrs.dat.bak")))[0], " 6 ");
  EXPECT_EQ(catalogue.WrestlerCount, 7);
}

TEST_F(BatchTest, AnEmptyListDoesNothing) {
  const std::map<std::string, std::string> before = dataFiles();
  pumps.clear();
  const BatchResult result = batch({}, "kept");
  EXPECT_TRUE(result.files.empty());
  EXPECT_EQ(result.statusText, "kept");
  EXPECT_TRUE(progress.empty());
  EXPECT_TRUE(pumps.empty());
  EXPECT_EQ(dataFiles(), before);
}

TEST_F(BatchTest, ShortNamesOfPaths) {
  EXPECT_EQ(batchShortName("C:\\exports\\wrestlers.zor"), "wrestlers.zor");
  EXPECT_EQ(batchShortName("/home/me/exports/wrestlers.zor"), "wrestlers.zor");
  EXPECT_EQ(batchShortName("mixed/sep\\name.zor"), "name.zor");
  EXPECT_EQ(batchShortName("abcdefghij1234567890"), "abcdefghij1234567890");
  EXPECT_EQ(batchShortName("abcdefghij1234567890X"), "abcdefghij...234567890X");
  EXPECT_EQ(batchShortName(""), "");
}

TEST_F(BatchTest, FilesThatCannotBeOpenedFailAndWriteNothing) {
  const std::string good = exportOf({wrestler("Alpha")}, "good.zor");
  std::string tampered = testsupport::encipheredExportBytes(
      testsupport::wrestlersOnlyExport({wrestler("Omega")}).lines(), testsupport::exportKeys(3));
  tampered[tampered.size() / 2] ^= 0x10;
  testsupport::writeFileBytes(folder.root() / "tampered.zor", tampered);
  const std::string missing = (folder.root() / "missing.zor").string();

  testsupport::openAndSelect(good, catalogue, incoming, {});
  const exports::IncomingRecords parsed = incoming;
  const std::map<std::string, std::string> before = dataFiles();

  const BatchResult result = batch({(folder.root() / "tampered.zor").string(), missing});
  EXPECT_EQ(result.statusText, "Import failed: missing.zor\r\nImport failed: tampered.zor\r\n");
  EXPECT_EQ(result.files[0].result.code, kSilentNotOpened);
  EXPECT_EQ(result.files[0].result.problem, "This file is corrupt or not a ZOR export file.");
  EXPECT_EQ(result.files[1].result.code, kSilentNotOpened);
  EXPECT_TRUE(result.files[1].result.problem.starts_with("Error opening file."))
      << result.files[1].result.problem;
  EXPECT_EQ(dataFiles(), before);
  EXPECT_EQ(incoming.IncomingWrestlerCount, parsed.IncomingWrestlerCount);
  EXPECT_EQ(incoming.IncomingWrestlers[1].StoredName, "Alpha");
  EXPECT_TRUE(boxes.empty());
  EXPECT_TRUE(reports.empty());
}

TEST_F(BatchTest, AFileWithoutSectionsIsImportedAndRewritesEveryFileUnchanged) {
  folder.writeWrestlers({testsupport::wrestlerSpec("Old Timer")}, testsupport::CountStyle::Plain);
  ASSERT_EQ(load(), 0);
  const std::map<std::string, std::string> before = dataFiles();
  const std::string path = writeExport({"just a note", "nothing else"}, "empty.zor");
  const BatchResult result = batch({path});
  EXPECT_EQ(result.files[0].statusLine, "Imported: empty.zor");
  EXPECT_EQ(lines("wrestlrs.dat")[0], " 1 ");
  EXPECT_EQ(testsupport::readFileBytes(data("wrestlrs.dat.bak")), before.at("wrestlrs.dat"));
  for (const std::string name : {"moves.dat", "dives.dat", "managers.dat", "teams.dat"}) {
    EXPECT_EQ(testsupport::readFileBytes(data(name)), before.at(name)) << name;
  }
}

TEST_F(BatchTest, AccentedNamesFindTheirWrestlerAsInTheWizard) {
  // The database holds Müller and Señor; the export writes the names in code page 437, as the game
  // does, and the wizard converts them before it compares them.
  const std::vector<std::string> names = {testsupport::cp437("M\xFCller"), testsupport::cp437("Se\xF1or")};
  folder.writeWrestlers({testsupport::wrestlerSpec(names[0]), testsupport::wrestlerSpec(names[1])});
  ASSERT_EQ(load(), 0);
  const std::string path = exportOf({wrestler(names[1], "new"), wrestler(names[0], "new")}, "accents.zor");

  const BatchResult result = batch({path});
  const ImportPlan& plan = result.files[0].result.run.plan;
  EXPECT_TRUE(plan.wrestlersAdded.empty());
  ASSERT_EQ(plan.wrestlersReplaced.size(), 2u);
  EXPECT_EQ(plan.wrestlersReplaced[0].name, "Se\xF1or");
  EXPECT_EQ(plan.wrestlersReplaced[0].number, 2);
  EXPECT_EQ(plan.wrestlersReplaced[1].number, 1);
  // Overwritten in place, the names written as the export holds them.
  EXPECT_EQ(lines("wrestlrs.dat")[0], " 2 ");
  for (int32_t k : {1, 2}) {
    const std::vector<std::string> written = testsupport::recordOf(data("wrestlrs.dat"), 120, k);
    EXPECT_EQ(written[0], names[static_cast<size_t>(k - 1)]);
    EXPECT_EQ(written[89], "new");
  }
}

TEST_F(BatchTest, LogsOnlyTheBatchLines) {
  const std::string path = writeExport(testsupport::scenarioExport().lines());
  batch({path});
  for (const std::string absent :
       {"Importing wrestlers:", "Dive map:", "Remapping moves in dives", "Before: !101-107/NeSt",
        "Writing team DB", "Replacing wrestler 2 (Champion) with Champion", "Done."}) {
    EXPECT_FALSE(contains(log, absent)) << absent;
  }
  EXPECT_TRUE(contains(log, "After:  !5-10/NeSt"));
  EXPECT_TRUE(contains(log, "Replacing 101 with 5 in bits 0-15 of 101"));
  EXPECT_EQ(fileLog, (std::vector<std::string>{"m=4", "zor_mnr_new=12", "zor_mnr=4", "mov=10"}));
}

TEST_F(BatchTest, AFailingCommitIsReportedAndTheBatchGoesOn) {
  const std::string first = exportOf({wrestler("Alpha")}, "first.zor");
  const std::string second = exportOf({wrestler("Beta")}, "second.zor");
  fs::create_directory(data("teams.dat.bak"));
  fs::create_directory(data("teams.dat.bak") / "x");
  const std::map<std::string, std::string> before = dataFiles();
  const BatchResult result = batch({first, second});
  EXPECT_EQ(result.statusText, "Import failed: second.zor\r\nImport failed: first.zor\r\n");
  EXPECT_EQ(result.files[0].result.code, kSilentStopped);
  EXPECT_NE(result.files[0].result.problem.find("teams.dat"), std::string::npos)
      << result.files[0].result.problem;
  for (const auto& [name, bytes] : before) EXPECT_EQ(testsupport::readFileBytes(data(name)), bytes) << name;
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(catalogue.WrestlerCount, 3);
}

// The player started the batch with one button: its undo takes back every file it imported, also when
// a later file failed.
TEST_F(BatchTest, AnUndoAfterABatchPutsBackTheDatabaseAsItWasBeforeTheBatch) {
  const std::string first = exportOf({wrestler("Alpha")}, "first.zor");
  const std::string second = exportOf({wrestler("Beta")}, "second.zor");
  const std::string third = exportOf({wrestler("Alpha", "again"), wrestler("Gamma")}, "third.zor");
  const std::string missing = (folder.root() / "missing.zor").string();
  const std::map<std::string, std::string> pristine = dataFiles();
  struct Case {
    std::vector<std::string> paths;
    std::string record;
    int32_t files;
    std::string undone;
  };
  const auto wholeBatch = [](int files) {
    return "The last import (a batch of " + std::to_string(files) +
           " export files) has been undone: every file it changed is as it was before the batch.";
  };
  const std::vector<Case> cases = {
      {{first, second, third}, "batch 3", 3, wholeBatch(3)},
      {{first, missing, second, missing}, "batch 2", 2, wholeBatch(2)},
      {{missing, first, missing},
       "import",
       1,
       "The last import has been undone: every file it changed is as it was before it."},
  };
  for (const Case& c : cases) {
    const std::string context = c.record;
    restoreDataFiles(pristine);
    ASSERT_EQ(load(), 0);
    batch(c.paths);
    const std::map<std::string, std::string> imported = dataFiles();
    EXPECT_EQ(lastChange(), c.record) << context;
    // A batch of one file copies nothing.
    EXPECT_EQ(imported.count("wrestlrs.dat.bak.batch"), c.files > 1 ? 1u : 0u) << context;

    const UndoCheck check = checkUndo(folder.path());
    EXPECT_EQ(check.refusal, "") << context;
    EXPECT_EQ(check.files, c.files) << context;
    EXPECT_EQ(check.question, c.files > 1
                                  ? "{?}{2}Undo the last import (a batch of " + std::to_string(c.files) +
                                        " export files)? Every file it changed is put back as it was "
                                        "before the batch."
                                  : "{?}{2}Undo the last import? Every file it changed is put back as "
                                    "it was before it.")
        << context;
    EXPECT_EQ(dataFiles(), imported) << context;

    const UndoResult undone = undoLastImport(folder.path());
    EXPECT_EQ(undone.outcome, UndoOutcome::Undone) << context;
    EXPECT_EQ(undone.message, c.undone) << context;
    const std::map<std::string, std::string> after = dataFiles();
    EXPECT_EQ(withoutBackups(after), withoutBackups(pristine)) << context;
    // What the batch wrote is the backup now, as after the undo of one import; no copy is left.
    EXPECT_EQ(after.at("wrestlrs.dat.bak"), imported.at("wrestlrs.dat")) << context;
    for (const auto& [name, bytes] : after) EXPECT_FALSE(name.ends_with(".batch")) << name;
    EXPECT_EQ(checkUndo(folder.path()).refusal, "The last import has already been undone.") << context;
  }
  ASSERT_EQ(load(), 0);
  EXPECT_EQ(catalogue.WrestlerCount, 3);
}

TEST_F(BatchTest, AnUndoAfterABatchIsRefusedWhenAFileOrACopyChangedSince) {
  const std::string first = exportOf({wrestler("Alpha")}, "first.zor");
  const std::string second = exportOf({wrestler("Beta")}, "second.zor");
  const std::map<std::string, std::string> pristine = dataFiles();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"wrestlrs.dat", "wrestlrs.dat\" has changed since the last import"},
      {"moves.dat.bak.batch", "The backup of \""},
  };
  for (const auto& [changed, refusal] : cases) {
    restoreDataFiles(pristine);
    ASSERT_EQ(load(), 0);
    batch({first, second});
    testsupport::writeFileBytes(data(changed), "changed by the game\r\n");
    const std::map<std::string, std::string> before = dataFiles();
    const UndoCheck check = checkUndo(folder.path());
    EXPECT_NE(check.refusal.find(refusal), std::string::npos) << check.refusal;
    EXPECT_EQ(check.files, 0);
    const UndoResult refused = undoLastImport(folder.path());
    EXPECT_EQ(refused.outcome, UndoOutcome::Refused) << changed;
    EXPECT_EQ(refused.message, check.refusal);
    EXPECT_EQ(dataFiles(), before) << changed;
  }
}

// A batch that cannot keep its record goes on; its undo takes back the last file only, and says so.
TEST_F(BatchTest, ABatchThatCannotKeepItsRecordIsUndoneFileByFile) {
  const std::string first = exportOf({wrestler("Alpha")}, "first.zor");
  const std::string second = exportOf({wrestler("Beta")}, "second.zor");
  const std::map<std::string, std::string> pristine = dataFiles();
  struct Case {
    std::string name;
    std::function<void()> before;
    std::function<void()> between;
    std::string problem;
  };
  const std::vector<Case> cases = {
      {"a copy fails", [&] { fs::create_directories(data("teams.dat.bak.batch") / "x"); }, [] {},
       "Could not copy"},
      {"another program writes between the files", [] {},
       [&] { testsupport::writeFileBytes(data("teams.idx"), "rebuilt by the game\r\n"); },
       "teams.idx\" was changed by another program between two files of the batch"},
  };
  for (const Case& c : cases) {
    restoreDataFiles(pristine);
    ASSERT_EQ(load(), 0);
    c.before();
    BatchRecord record;
    ASSERT_EQ(silentImport(first, catalogue, incoming, folder.path(), &record).code, kSilentImported);
    c.between();
    const std::map<std::string, std::string> afterFirst = withoutBackups(dataFiles());
    const SilentImportResult result = silentImport(second, catalogue, incoming, folder.path(), &record);
    EXPECT_EQ(result.code, kSilentImported) << c.name;
    EXPECT_NE(result.problem.find("The batch could not keep the record it needs to be undone as a whole"),
              std::string::npos)
        << result.problem;
    EXPECT_NE(result.problem.find(c.problem), std::string::npos) << result.problem;
    EXPECT_EQ(lastChange(), "import 2") << c.name;

    EXPECT_NE(checkUndo(folder.path()).question.find("Undo the last export file of the last batch?"),
              std::string::npos)
        << c.name;
    const UndoResult undone = undoLastImport(folder.path());
    EXPECT_EQ(undone.message,
              "The last export file of the last batch has been undone: every file it changed is as it was "
              "before it. " +
                  std::string(kEarlierFileStays))
        << c.name;
    EXPECT_EQ(withoutBackups(dataFiles()), afterFirst) << c.name;
    fs::remove_all(data("teams.dat.bak.batch"));
  }
}

}  // namespace
}  // namespace imports
