// zor-import undo, the lock between two imports, and the repair of an interrupted import at the start.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "db/database_guard.h"
#include "platform/file_transaction.h"
#include "support/export_writer.h"
#include "support/game_folder.h"
#include "support/import_scenario.h"

namespace cli {
namespace {

namespace fs = std::filesystem;

using clitest::Outcome;

class UndoAndRepairTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::writeScenarioDatabase(folder);
    exportPath = (folder.root() / "scenario.zor").string();
    testsupport::writeFileBytes(exportPath,
                                testsupport::plainExportBytes(testsupport::scenarioExport().lines()));
  }

  Outcome run(std::vector<std::string> arguments) {
    return clitest::runZorImportIn(folder.path(), arguments);
  }

  std::map<std::string, std::string> databaseFiles() const {
    std::map<std::string, std::string> files = testsupport::folderFiles(folder.root() / "data");
    std::erase_if(files, [](const auto& entry) {
      return entry.first.ends_with(".bak") || entry.first == db::kLastChangeFile;
    });
    return files;
  }

  testsupport::GameFolder folder;
  std::string exportPath;
};

TEST_F(UndoAndRepairTest, UndoPutsBackTheLastImportAndThenHasNothingLeft) {
  const std::map<std::string, std::string> before = databaseFiles();
  ASSERT_EQ(run({"import", exportPath}).code, 0);
  ASSERT_NE(databaseFiles(), before);

  const Outcome undone = run({"undo"});
  EXPECT_EQ(undone.code, 0) << undone.err;
  EXPECT_EQ(undone.out, "The last import has been undone: every file it changed is as it was before it.\n");
  EXPECT_EQ(databaseFiles(), before);

  const Outcome again = run({"undo"});
  EXPECT_EQ(again.code, 1);
  EXPECT_EQ(again.err, "The last import has already been undone.\n");
  EXPECT_EQ(databaseFiles(), before);
}

TEST_F(UndoAndRepairTest, UndoAfterABatchPutsBackEveryFileItImported) {
  const std::map<std::string, std::string> before = databaseFiles();
  const std::string second = (folder.root() / "second.zor").string();
  testsupport::writeFileBytes(
      second, testsupport::plainExportBytes(
                  testsupport::wrestlersOnlyExport({testsupport::wrestlerSpec("Late Comer")}).lines()));
  ASSERT_EQ(run({"batch", exportPath, second}).code, 0);

  const Outcome undone = run({"undo"});
  EXPECT_EQ(undone.code, 0) << undone.err;
  EXPECT_EQ(undone.out,
            "The last import (a batch of 2 export files) has been undone: every file it changed is as it was "
            "before the batch.\n");
  EXPECT_EQ(databaseFiles(), before);
}

TEST_F(UndoAndRepairTest, UndoTakesNoArguments) {
  EXPECT_EQ(run({"undo", "extra"}).code, 2);
}

TEST_F(UndoAndRepairTest, AnImportIsRefusedWhileAnotherHoldsTheFolder) {
  db::DatabaseLock other;
  ASSERT_TRUE(other.acquire(folder.path()));
  const std::map<std::string, std::string> before = testsupport::folderFiles(folder.root() / "data");
  const Outcome refused = run({"import", exportPath});
  EXPECT_EQ(refused.code, 1);
  EXPECT_NE(refused.err.find("Another import is changing this game's database"), std::string::npos)
      << refused.err;
  const Outcome batch = run({"batch", exportPath});
  EXPECT_EQ(batch.code, 1);
  EXPECT_EQ(run({"undo"}).code, 1);
  EXPECT_EQ(testsupport::folderFiles(folder.root() / "data"), before);
}

TEST_F(UndoAndRepairTest, TheStartFinishesAnInterruptedImportAndSaysSo) {
  // An import stopped after its commit point: the journal is complete, no file renamed yet.
  folder.writeLines("data/teams.new", {" 0 "});
  platform::Transaction change;
  change.label = "import";
  platform::TransactionStep step;
  step.newFile = "teams.new";
  step.target = "teams.dat";
  step.backup = "teams.dat.bak";
  change.steps.push_back(step);
  // The commit's own journal, made by committing a copy and restoring the state before its renames.
  const platform::TransactionFiles files = db::databaseTransactionFiles(folder.path());
  const std::string teamsBefore = testsupport::readFileBytes(folder.data("teams.dat"));
  ASSERT_TRUE(platform::commitTransaction(files, change).committed());
  fs::rename(folder.data("zor.undo"), folder.data("zor.journal"));
  fs::rename(folder.data("teams.dat"), folder.data("teams.new"));
  fs::rename(folder.data("teams.dat.bak"), folder.data("teams.dat"));
  ASSERT_EQ(testsupport::readFileBytes(folder.data("teams.dat")), teamsBefore);

  const Outcome shown = run({"show", exportPath});
  EXPECT_EQ(shown.code, 0);
  EXPECT_NE(shown.out.find("An import of wrestlers was interrupted before it had finished. It has now been "
                           "completed"),
            std::string::npos)
      << shown.out;
  EXPECT_EQ(testsupport::fileLines(folder.data("teams.dat")), std::vector<std::string>{" 0 "});
  EXPECT_EQ(testsupport::readFileBytes(folder.data("teams.dat.bak")), teamsBefore);
  EXPECT_FALSE(fs::exists(folder.data("zor.journal")));

  // Nothing to repair the next time: no message.
  EXPECT_EQ(run({"show", exportPath}).out.find("interrupted"), std::string::npos);
}

}  // namespace
}  // namespace cli
