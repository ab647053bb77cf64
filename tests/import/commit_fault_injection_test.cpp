// Every file operation of a whole import run failing in turn: after each, the game's files are either
// all as they were or all as the import makes them, never a mix, and the user is told which file failed.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "import/database_recovery.h"
#include "import/import_run.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "support/import_fixture.h"
#include "support/import_road.h"

namespace imports {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kDatabaseFiles = {"wrestlrs.dat", "moves.dat", "dives.dat",
                                                 "managers.dat", "teams.dat", "zor.inf"};

class CommitFaultInjectionTest : public testsupport::ImportFixture {
 protected:
  void SetUp() override {
    ImportFixture::SetUp();
    testsupport::writeScenarioDatabase(folder);
    // An earlier import's backups, which a failed commit must leave as they are.
    folder.writeLines("data/wrestlrs.dat.bak", {"older"});
    folder.writeLines("data/zor.inf.bak", {"older counts"});
    pristine = dataFiles();
    exportPath = writeExport(testsupport::scenarioExport().lines());

    ASSERT_TRUE(run(nullptr).imported());
    for (const std::string& name : kDatabaseFiles) imported[name] = testsupport::readFileBytes(data(name));
  }

  void restore() { restoreDataFiles(pristine); }

  // A whole run from a fresh load; `beforeCommit` runs where the user confirms.
  ImportRunResult run(const std::function<void()>& beforeCommit) {
    restore();
    boxes.clear();
    return loadAndImport(exportPath, {"New Star", "Champion"}, [&](const ImportPlan&) {
      if (beforeCommit) beforeCommit();
      return true;
    });
  }

  // "old", "new", or "mixed" with the files that differ from both.
  std::string stateOfDatabase() const {
    return testsupport::stateOfFiles(folder.root() / "data", kDatabaseFiles, pristine, imported);
  }

  std::map<std::string, std::string> pristine;
  std::map<std::string, std::string> imported;
  std::string exportPath;
};

TEST_F(CommitFaultInjectionTest, EachFailingOperationOfTheCommitLeavesAllOldOrAllNew) {
  int failedRuns = 0;
  int committedRuns = 0;
  // Every operation up to the last rename; the index rebuild after it reads the files line by line,
  // and a sample of those operations is enough.
  int step = 1;
  for (int n = 1;; n += step) {
    const ImportRunResult result = run([n] {
      platform::clearFileFaults();
      platform::failFileOperation(n, platform::kErrDeviceIo);
    });
    const bool faultHappened = platform::fileOperationCount() >= n;
    platform::clearFileFaults();
    const std::string state = stateOfDatabase();
    const std::string context = "operation " + std::to_string(n) + ": " + describeRunProblem(result);
    ASSERT_TRUE(state == "old" || state == "new") << state << " after " << context;
    EXPECT_TRUE(reports.empty()) << context;
    if (result.outcome == RunOutcome::Failed) {
      ++failedRuns;
      EXPECT_EQ(state, "old") << context;
      // Undone completely, the run leaves none of the files it wrote.
      ASSERT_TRUE(result.commit.has_value()) << context;
      if (result.commit->status == CommitStatus::RolledBack) {
        EXPECT_EQ(dataFiles(), pristine) << context;
      }
      // The user is told which file failed and why.
      ASSERT_FALSE(boxes.empty());
      EXPECT_TRUE(boxes.back().text.starts_with("{S}The import was stopped.")) << context;
      EXPECT_NE(boxes.back().text.find("error 57 (Device I/O error)"), std::string::npos) << context;
      EXPECT_NE(boxes.back().text.find("\\data"), std::string::npos) << context;
      // The backups of the earlier import are untouched.
      EXPECT_EQ(testsupport::readFileBytes(data("wrestlrs.dat.bak")), pristine.at("wrestlrs.dat.bak"))
          << context;
      EXPECT_EQ(testsupport::readFileBytes(data("zor.inf.bak")), pristine.at("zor.inf.bak")) << context;
    } else {
      if (++committedRuns == 10) step = 17;
      EXPECT_EQ(result.outcome, RunOutcome::Imported) << context;
      EXPECT_EQ(state, "new") << context;
      EXPECT_EQ(testsupport::readFileBytes(data("wrestlrs.dat.bak")), pristine.at("wrestlrs.dat")) << context;
    }
    if (!faultHappened) break;
    ASSERT_LT(n, 2000) << "the commit does not end";
  }
  EXPECT_GT(failedRuns, 10);
  EXPECT_GT(committedRuns, 1);  // failures of the index rebuild and of removing old backups come after
}

// The disk stops working at some operation of the commit and stays so: the run says so, and the next
// start (with the disk back) leaves one whole set.
TEST_F(CommitFaultInjectionTest, ADiskThatStopsWorkingAtAnyOperationLeavesOneWholeSetAfterTheNextStart) {
  int stopped = 0;
  for (int n = 1;; n += 3) {
    ASSERT_LT(n, 3000) << "the commit does not end";
    const ImportRunResult result = run([n] {
      platform::clearFileFaults();
      platform::failFileOperationsFrom(n, platform::kErrDeviceIo);
    });
    const bool faultHappened = platform::fileOperationCount() >= n;
    platform::clearFileFaults();
    const std::string context = "from operation " + std::to_string(n) + ": " + describeRunProblem(result);
    if (result.outcome == RunOutcome::Failed) {
      ++stopped;
      ASSERT_FALSE(boxes.empty()) << context;
      EXPECT_TRUE(boxes.back().text.starts_with("{S}")) << context;
    }
    EXPECT_TRUE(reports.empty()) << context;
    const RecoveryReport repair = recoverDatabase(folder.path());
    EXPECT_FALSE(repair.failed()) << context;
    const std::string state = stateOfDatabase();
    ASSERT_TRUE(state == "old" || state == "new") << state << " after " << context;
    if (result.outcome == RunOutcome::Failed && result.commit &&
        result.commit->status == CommitStatus::RolledBack) {
      EXPECT_EQ(state, "old") << context;
    }

    if (!faultHappened) break;
  }
  EXPECT_GT(stopped, 10);
}

// A step of the commit fails and so does putting things back: the journal stays, and its repair at
// the next start finishes the change from the new files, so the run must leave them.
TEST_F(CommitFaultInjectionTest, ACommitUndoneOnlyInPartLeavesTheNewFilesItsRepairNeeds) {
  int repaired = 0;
  for (int n = 1; n < 1000 && repaired < 5; ++n) {
    const ImportRunResult result = run([n] {
      platform::clearFileFaults();
      platform::failFileOperation(n, platform::kErrDeviceIo);
      platform::failFileOperation(n + 1, platform::kErrPermissionDenied);
    });
    platform::clearFileFaults();
    if (!result.commit || result.commit->status != CommitStatus::RollbackIncomplete) continue;
    const RecoveryReport repair = recoverDatabase(folder.path());
    // A journal that failed before the commit point changed nothing.
    if (repair.action == platform::RecoveryAction::Nothing ||
        repair.action == platform::RecoveryAction::DiscardedTorn) {
      continue;
    }
    ++repaired;
    const std::string context = "operation " + std::to_string(n) + ": " + repair.message;
    EXPECT_EQ(repair.action, platform::RecoveryAction::RolledForward) << context;
    EXPECT_EQ(stateOfDatabase(), "new") << context;
  }
  EXPECT_EQ(repaired, 5);
}

TEST_F(CommitFaultInjectionTest, EachFailingOperationOfTheWriteOutLeavesTheDatabaseAsItWas) {
  int failures = 0;
  // Every fifth operation keeps the run time reasonable; the write-out repeats the same few steps.
  for (int n = 1;; n += 5) {
    bool faultHappened = true;
    restore();
    boxes.clear();
    ASSERT_EQ(load(), 0);
    testsupport::openAndSelect(exportPath, catalogue, incoming, {"New Star", "Champion"});
    platform::clearFileFaults();
    platform::failFileOperation(n, platform::kErrDiskFull);
    bool confirmed = false;
    const ImportRunResult faulted =
        testsupport::importAndShow(incoming, catalogue, MappingRows{}, folder.path(), [&](const ImportPlan&) {
          confirmed = true;
          faultHappened = platform::fileOperationCount() >= n;
          platform::clearFileFaults();
          return false;
        });
    platform::clearFileFaults();
    if (confirmed && !faultHappened) break;
    ++failures;
    EXPECT_EQ(faulted.outcome, RunOutcome::Failed) << n;
    EXPECT_EQ(stateOfDatabase(), "old") << n;
    EXPECT_EQ(dataFiles(), pristine) << n;  // no new file left, whole or in part
    ASSERT_FALSE(boxes.empty()) << n;
    EXPECT_NE(boxes.back().text.find("error 61 (Disk full)"), std::string::npos) << boxes.back().text;
    EXPECT_TRUE(reports.empty()) << n;
    ASSERT_LT(n, 20000) << "the write-out does not end";
  }
  EXPECT_GT(failures, 50);
}

}  // namespace
}  // namespace imports
