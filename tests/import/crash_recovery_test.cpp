// An import killed at every file operation of its commit, one run per operation: a child process
// makes the import and ends at the N-th operation that changes a file, as if it had been killed; then the
// program starts again on the folder. The eleven files the import changes must then be byte for byte all as
// they were or all as the import makes them, and the user must have been told when a change was repaired.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <string>
#include <vector>

#include "export/open_export.h"
#include "import/commit.h"
#include "import/database_recovery.h"
#include "import/import_run.h"
#include "import/undo.h"
#include "platform/files.h"
#include "support/import_fixture.h"
#include "support/import_road.h"

namespace imports {
namespace {

namespace fs = std::filesystem;

constexpr int kKilled = 86;

const std::vector<std::string> kChangedFiles = {
    "wrestlrs.dat", "moves.dat", "dives.dat", "managers.dat", "teams.dat", "zor.inf",
    "wrestlrs.idx", "moves.idx", "dives.idx", "managers.idx", "teams.idx"};

class CrashRecoveryTest : public testsupport::ImportFixture {
 protected:
  void SetUp() override {
    ImportFixture::SetUp();
    testsupport::writeScenarioDatabase(folder);
    for (const auto& [name, lines] : std::map<std::string, int32_t>{
             {"wrestlrs", 120}, {"moves", 27}, {"dives", 10}, {"managers", 10}, {"teams", 10}}) {
      ASSERT_FALSE(MAKEINDEX(data(name + ".dat").string(), lines, data(name + ".idx").string(), 1));
    }
    folder.writeLines("data/moves.dat.bak", {"an older backup"});
    pristine = dataFiles();
    exportPath = writeExport(testsupport::scenarioExport().lines());

    ASSERT_TRUE(importInThisProcess().imported());
    for (const std::string& name : kChangedFiles) imported[name] = testsupport::readFileBytes(data(name));
    restore();
  }

  void restore() { restoreDataFiles(pristine); }

  // The import as the wizard makes it; `beforeCommit` runs where the user confirms.
  ImportRunResult importInThisProcess(const std::function<void()>& beforeCommit = {}) {
    return loadAndImport(exportPath, {"New Star", "Champion"}, [&](const ImportPlan&) {
      if (beforeCommit) beforeCommit();
      return true;
    });
  }

  // The exit code of a child that imports and is killed at operation n of the commit: kKilled, or 0
  // when the commit ended before operation n.
  int importKilledAt(int n) {
    const pid_t child = ::fork();
    if (child == 0) {
      const ImportRunResult result = importInThisProcess([n] {
        platform::clearFileFaults();
        platform::crashAtFileChange(n, kKilled);
      });
      ::_exit(result.imported() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // "old", "new", or the files that are neither.
  std::string stateOfDatabase() const {
    return testsupport::stateOfFiles(folder.root() / "data", kChangedFiles, pristine, imported);
  }

  std::map<std::string, std::string> pristine;
  std::map<std::string, std::string> imported;
  std::string exportPath;
};

TEST_F(CrashRecoveryTest, KilledAtEveryStepOfTheCommitTheNextStartLeavesOneWholeSet) {
  int killed = 0;
  int finished = 0;
  int rolledBack = 0;
  for (int n = 1;; ++n) {
    ASSERT_LT(n, 5000) << "the commit does not end";
    restore();
    const int exitCode = importKilledAt(n);
    ASSERT_TRUE(exitCode == kKilled || exitCode == 0) << "operation " << n << ": exit " << exitCode;
    const bool journalLeft = fs::exists(data("zor.journal"));

    const RecoveryReport report = recoverDatabase(folder.path());
    const std::string state = stateOfDatabase();
    const std::string context = "killed at operation " + std::to_string(n) + ": " + report.message;
    ASSERT_TRUE(state == "old" || state == "new") << state << ", " << context;
    EXPECT_FALSE(fs::exists(data("zor.journal"))) << context;
    EXPECT_FALSE(fs::exists(data("zor.lock"))) << context;
    EXPECT_FALSE(fs::exists(data("moves.dat" + std::string(kAsideSuffix)))) << context;
    // Told exactly when something was found.
    EXPECT_EQ(report.message.empty(), !journalLeft) << context;
    EXPECT_FALSE(report.failed()) << context;
    if (report.action == platform::RecoveryAction::RolledForward) {
      ++finished;
      EXPECT_EQ(state, "new") << context;
      EXPECT_EQ(testsupport::readFileBytes(data("moves.dat.bak")), pristine.at("moves.dat")) << context;
      EXPECT_TRUE(report.message.starts_with("{i}An import of wrestlers was interrupted")) << context;
    }
    if (report.action == platform::RecoveryAction::RolledBack) ++rolledBack;
    if (state == "old") {
      EXPECT_EQ(testsupport::readFileBytes(data("moves.dat.bak")), pristine.at("moves.dat.bak")) << context;
    }
    if (exitCode == 0) {
      EXPECT_EQ(state, "new") << context;
      break;
    }
    ++killed;
  }
  EXPECT_GT(killed, 60);
  EXPECT_GT(finished, 20);   // every kill after the commit point
  EXPECT_EQ(rolledBack, 0);  // the new files were intact every time
}

// A kill after the commit point, and then a new file damaged before the next start: the change
// cannot be finished, so every file goes back.
TEST_F(CrashRecoveryTest, ANewFileDamagedBeforeTheRepairPutsEveryFileBack) {
  int tried = 0;
  for (int n = 1; n < 5000; ++n) {
    restore();
    if (importKilledAt(n) == 0) break;
    if (!fs::exists(data("zor.journal")) || !fs::exists(data("teams.new"))) continue;
    // The journal is complete only once its last line is on the disk; a torn one is simply dropped.
    const std::string journal = testsupport::readFileBytes(data("zor.journal"));
    if (journal.find("\nend ") == std::string::npos) continue;
    ++tried;
    folder.writeLines("data/teams.new", {"damaged"});
    const RecoveryReport report = recoverDatabase(folder.path());
    const std::string context = "killed at operation " + std::to_string(n);
    EXPECT_EQ(report.action, platform::RecoveryAction::RolledBack) << context;
    EXPECT_NE(report.message.find("teams.new"), std::string::npos) << report.message;
    EXPECT_EQ(stateOfDatabase(), "old") << context;
    EXPECT_EQ(testsupport::readFileBytes(data("moves.dat.bak")), pristine.at("moves.dat.bak")) << context;
    EXPECT_FALSE(fs::exists(data("zor.journal"))) << context;
  }
  EXPECT_GT(tried, 5);
}

// The same for an object import and for the undo of the last import.
TEST_F(CrashRecoveryTest, ObjectImportsAndUndoKilledAtEveryStepLeaveOneWholeSet) {
  folder.writeObjects({testsupport::objectSpec("a Chair")});
  ASSERT_FALSE(MAKEINDEX(data("objects.dat").string(), 40, data("objects.idx").string(), 1));
  ASSERT_TRUE(importInThisProcess().imported());  // something to undo
  std::vector<std::string> objectExport{"ZOR Export File", "[Exported Objects]", "1"};
  for (const std::string& line : testsupport::objectSpec("a Ladder").toLines()) objectExport.push_back(line);
  const auto objectsPath = folder.root() / "objects.zor";
  testsupport::writeFileBytes(objectsPath, testsupport::plainExportBytes(objectExport));
  const std::map<std::string, std::string> before = dataFiles();

  // A change made in a child that ends at its n-th file change; the exit code, as importKilledAt.
  auto killedAt = [&](int n, const std::function<bool()>& change) {
    restoreDataFiles(before);
    const pid_t child = ::fork();
    if (child == 0) {
      platform::clearFileFaults();
      platform::crashAtFileChange(n, kKilled);
      ::_exit(change() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  const std::vector<std::string> objectFiles = {"objects.dat", "objects.idx"};
  const std::vector<std::string> undoFiles = {"wrestlrs.dat", "moves.dat", "zor.inf", "teams.idx"};
  struct Road {
    std::string name;
    std::function<bool()> change;
    std::vector<std::string> files;
  };
  const std::vector<Road> roads = {
      {"object import",
       [&] {
         EXPECT_EQ(load(), 0);
         return exports::openExportFile(objectsPath.string(), catalogue, incoming, folder.path())
                    .import.outcome == exports::ImportOutcome::Imported;
       },
       objectFiles},
      {"undo", [&] { return undoLastImport(folder.path()).outcome == UndoOutcome::Undone; }, undoFiles},
  };
  for (const Road& road : roads) {
    ASSERT_EQ(killedAt(100000, road.change), 0) << road.name;
    const std::map<std::string, std::string> changed = dataFiles();
    int killed = 0;
    for (int n = 1;; ++n) {
      ASSERT_LT(n, 1000) << road.name;
      const int exitCode = killedAt(n, road.change);
      const RecoveryReport report = recoverDatabase(folder.path());
      EXPECT_FALSE(report.failed()) << road.name << " killed at " << n;
      const std::string state =
          testsupport::stateOfFiles(folder.root() / "data", road.files, before, changed);
      EXPECT_TRUE(state == "old" || state == "new")
          << state << ", " << road.name << " killed at " << n << ": " << report.message;
      if (exitCode == 0) break;
      ++killed;
    }
    EXPECT_GT(killed, 5) << road.name;
  }
}

TEST_F(CrashRecoveryTest, AnImportLoadedBeforeTheRepairOfAnInterruptionIsRefused) {
  int n = 1;
  for (;; ++n) {
    restore();
    ASSERT_EQ(importKilledAt(n), kKilled);
    // Killed in the middle of the renames, with every record file there to be read.
    if (fs::exists(data("wrestlrs.dat.bak")) && fs::exists(data("wrestlrs.dat"))) break;
  }
  // Loaded before the repair: the import must not write over what the repair put in place.
  const ImportRunResult result = importInThisProcess();
  EXPECT_EQ(result.outcome, RunOutcome::Failed);
  EXPECT_NE(describeRunProblem(result).find("has now been repaired"), std::string::npos)
      << describeRunProblem(result);
  EXPECT_FALSE(fs::exists(data("zor.journal")));
  EXPECT_EQ(stateOfDatabase(), "new");
  EXPECT_EQ(recoverDatabase(folder.path()).action, platform::RecoveryAction::Nothing);
}

}  // namespace
}  // namespace imports
