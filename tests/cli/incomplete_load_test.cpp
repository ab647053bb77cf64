// zor-import when the database load could not read a file it would rewrite: the import stops before
// writing anything, says which file and why, and exits with 1.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "db/catalogue.h"
#include "db/load_database.h"
#include "memory/heap_blocks.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "support/export_writer.h"
#include "support/fault_points.h"
#include "support/game_folder.h"
#include "support/import_scenario.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

using clitest::Outcome;

class IncompleteLoadCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::writeScenarioDatabase(folder);
    std::vector<testsupport::TeamSpec> teams;
    for (int i = 1; i <= 12; ++i) {
      teams.push_back(testsupport::teamSpec("Old Timer", "Third Guy", "Team " + std::to_string(i)));
    }
    folder.writeTeams(teams);
    pristine = files();
    exportPath = (folder.root() / "scenario.zor").string();
    testsupport::writeFileBytes(exportPath,
                                testsupport::encipheredExportBytes(testsupport::scenarioExport().lines(),
                                                                   testsupport::exportKeys(5)));
  }
  void TearDown() override { platform::clearFileFaults(); }

  std::map<std::string, std::string> files() const {
    return testsupport::folderFiles(folder.root() / "data");
  }
  void restore() {
    testsupport::restoreFolderFiles(folder.root() / "data", pristine);
  }

  // zor-import with file operation n from now failing once with a device error.
  Outcome runFailing(int n, const std::vector<std::string>& arguments) {
    platform::clearFileFaults();
    platform::failFileOperation(n, platform::kErrDeviceIo);
    const Outcome outcome = clitest::runZorImportIn(folder.path(), arguments);
    platform::clearFileFaults();
    return outcome;
  }

  // The operation of a bare load that opens teams.dat.
  int teamsOpenInALoad() {
    return testsupport::operationOpening(folder.data("teams.dat"), [this] {
      memory::HEAPBEGIN();
      db::Catalogue catalogue;
      db::LOADDBS(catalogue, folder.path(), 1, 0, {});
      db::releaseCatalogue(catalogue);
      memory::HEAPEND();
    });
  }

  // Runs the command with each operation from the load's opening of teams.dat on failing, until the
  // failure falls on teams.dat (the command's own operations before the load come first).
  Outcome runWithTeamsOpenFailing(const std::vector<std::string>& arguments) {
    const int inLoad = teamsOpenInALoad();
    EXPECT_GT(inLoad, 0);
    for (int n = inLoad; n < inLoad + 40; ++n) {
      restore();
      Outcome outcome = runFailing(n, arguments);
      if (outcome.err.find("teams.dat") != std::string::npos) return outcome;
    }
    ADD_FAILURE() << "no failure fell on teams.dat";
    return {};
  }

  testsupport::GameFolder folder;
  std::map<std::string, std::string> pristine;
  std::string exportPath;
};

TEST_F(IncompleteLoadCommandTest, ImportExitsWithOneAndNamesTheFile) {
  const Outcome outcome = runWithTeamsOpenFailing({"import", exportPath});
  EXPECT_EQ(outcome.code, 1);
  // The load's own report, then the import's refusal.
  EXPECT_NE(outcome.err.find("Untrapped Error #57 (Device I/O error)"), std::string::npos) << outcome.err;
  EXPECT_NE(
      outcome.err.find("The import was stopped: \".\\data\\teams.dat\" was not read completely when the "
                       "database was loaded (error 57 (Device I/O error)). The database has not been "
                       "changed."),
      std::string::npos)
      << outcome.err;
  EXPECT_EQ(outcome.out.find("imported successfully"), std::string::npos) << outcome.out;
  EXPECT_EQ(files(), pristine);
}

TEST_F(IncompleteLoadCommandTest, BatchExitsWithOneAndNamesTheFile) {
  const Outcome outcome = runWithTeamsOpenFailing({"batch", exportPath});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(outcome.out, "Import failed: scenario.zor\n");
  EXPECT_NE(outcome.err.find(
                "scenario.zor: The import was stopped: \".\\data\\teams.dat\" was not read completely"),
            std::string::npos)
      << outcome.err;
  EXPECT_EQ(files(), pristine);
}

}  // namespace
}  // namespace cli
