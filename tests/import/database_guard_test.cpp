// One writer at a time, file names kept as they are on disk, and the undo of the last import.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "db/database_guard.h"
#include "export/open_export.h"
#include "import/batch_import.h"
#include "import/commit.h"
#include "import/database_recovery.h"
#include "import/import_run.h"
#include "import/undo.h"
#include "support/import_fixture.h"
#include "support/import_road.h"

namespace imports {
namespace {

namespace fs = std::filesystem;

class DatabaseGuardTest : public testsupport::ImportFixture {
 protected:
  void SetUp() override {
    ImportFixture::SetUp();
    testsupport::writeScenarioDatabase(folder);
    exportPath = writeExport(testsupport::scenarioExport().lines());
  }

  ImportRunResult importSelection() { return loadAndImport(exportPath, {"New Star", "Champion"}, nullptr); }

  // Every file of the data folder but the backups, with its bytes.
  std::map<std::string, std::string> filesButBackups() const {
    std::map<std::string, std::string> files = dataFiles();
    std::erase_if(files, [](const auto& entry) {
      return entry.first.ends_with(".bak") || entry.first == db::kLastChangeFile;
    });
    return files;
  }

  std::set<std::string> namesInData() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.root() / "data")) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  std::string exportPath;
};

TEST_F(DatabaseGuardTest, ASecondImportIsRefusedWhileTheFirstHoldsTheFolder) {
  db::DatabaseLock first;
  ASSERT_TRUE(first.acquire(folder.path()));
  const std::map<std::string, std::string> before = dataFiles();

  const ImportRunResult second = importSelection();
  EXPECT_EQ(second.outcome, RunOutcome::Failed);
  const std::string problem = describeRunProblem(second);
  EXPECT_NE(problem.find("Another import is changing this game's database (process "), std::string::npos)
      << problem;
  EXPECT_NE(problem.find("Wait until it has finished"), std::string::npos);
  ASSERT_FALSE(boxes.empty());
  EXPECT_TRUE(boxes.back().text.starts_with("{S}The import was not started: Another import"));
  EXPECT_EQ(dataFiles(), before);  // not even a ".new" file was written

  const SilentImportResult batch = silentImport(exportPath, catalogue, incoming, folder.path());
  EXPECT_EQ(batch.code, kSilentStopped);
  EXPECT_NE(batch.problem.find("Another import"), std::string::npos) << batch.problem;
  EXPECT_EQ(dataFiles(), before);

  EXPECT_EQ(undoLastImport(folder.path()).outcome, UndoOutcome::Refused);

  first.release();
  EXPECT_TRUE(importSelection().imported());
  EXPECT_FALSE(fs::exists(data("zor.lock")));
}

TEST_F(DatabaseGuardTest, ALockHeldByAnotherProcessRefusesTheImport) {
  int ready[2];
  int done[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(done), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    db::DatabaseLock lock;
    const char held = lock.acquire(folder.path()) ? 'y' : 'n';
    (void)!::write(ready[1], &held, 1);
    char go = 0;
    (void)!::read(done[0], &go, 1);  // held until the parent has tried
    ::_exit(0);
  }
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  ASSERT_EQ(held, 'y');

  const ImportRunResult refused = importSelection();
  EXPECT_EQ(refused.outcome, RunOutcome::Failed);
  EXPECT_NE(describeRunProblem(refused).find("(process " + std::to_string(child) + ")"), std::string::npos)
      << describeRunProblem(refused);

  (void)!::write(done[1], "x", 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  for (int fd : {ready[0], ready[1], done[0], done[1]}) ::close(fd);
  EXPECT_TRUE(importSelection().imported());
}

TEST_F(DatabaseGuardTest, AFileWrittenSinceTheLoadIsNotOverwritten) {
  ASSERT_EQ(load(), 0);
  testsupport::openAndSelect(exportPath, catalogue, incoming, {"New Star"});
  // Meanwhile another program adds a team.
  folder.writeTeams({testsupport::teamSpec("Old Timer", "Third Guy", "Old Boys", "!1-2/OT"),
                     testsupport::teamSpec("Champion", "Third Guy", "Late Pair", "!1-2/LP")});
  const std::map<std::string, std::string> before = dataFiles();
  const ImportRunResult result =
      testsupport::importAndShow(incoming, catalogue, MappingRows{}, folder.path(), nullptr);
  EXPECT_EQ(result.outcome, RunOutcome::Failed);
  EXPECT_NE(describeRunProblem(result).find("teams.dat\" has changed since the database was loaded"),
            std::string::npos)
      << describeRunProblem(result);
  EXPECT_EQ(dataFiles(), before);
  // Loaded again, the import goes through and keeps the late team.
  ASSERT_TRUE(importSelection().imported());
  EXPECT_EQ(catalogue.TeamCount, 2);
  ASSERT_EQ(load(), 0);
  EXPECT_GE(catalogue.TeamCount, 2);
}

TEST_F(DatabaseGuardTest, ALockFileLeftByADeadProcessDoesNotBlock) {
  folder.writeLines("data/zor.lock", {"process 999999"});
  EXPECT_TRUE(importSelection().imported());
  EXPECT_FALSE(fs::exists(data("zor.lock")));
}

TEST_F(DatabaseGuardTest, AnUpperCaseGameFolderKeepsItsNames) {
  // A game folder copied from Windows: names in any letter case.
  fs::rename(folder.root() / "data", folder.root() / "DATA");
  const std::map<std::string, std::string> renames = {
      {"wrestlrs.dat", "WRESTLRS.DAT"}, {"moves.dat", "Moves.Dat"}, {"zor.inf", "ZOR.INF"},
      {"teams.dat", "TEAMS.DAT"},       {"dives.dat", "dives.dat"}, {"managers.dat", "MANAGERS.DAT"}};
  for (const auto& [from, to] : renames)
    fs::rename(folder.root() / "DATA" / from, folder.root() / "DATA" / to);
  testsupport::writeFileBytes(folder.root() / "DATA" / "MOVES.IDX", "stale\r\n");

  ASSERT_TRUE(importSelection().imported()) << (boxes.empty() ? "" : boxes.back().text);
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.root() / "DATA")) {
    names.insert(entry.path().filename().string());
  }
  for (const auto& [from, to] : renames) {
    EXPECT_TRUE(names.count(to)) << to;
    EXPECT_TRUE(names.count(to + ".bak")) << to;
    if (from != to) {
      EXPECT_FALSE(names.count(from)) << from;
    }
  }
  // Indexes keep the name they have, or take the letter case of their record file.
  for (const char* index : {"WRESTLRS.IDX", "MOVES.IDX", "dives.idx", "MANAGERS.IDX", "TEAMS.IDX"}) {
    EXPECT_TRUE(names.count(index)) << index;
  }
  EXPECT_TRUE(names.count("MOVES.IDX.bak"));
  for (const std::string& name : names) {
    const bool lowerCopy = name == "wrestlrs.dat" || name == "moves.dat" || name == "zor.inf" ||
                           name.starts_with("wrestlrs.dat.") || name.starts_with("zor.inf.");
    EXPECT_FALSE(lowerCopy) << name;
    EXPECT_FALSE(name.ends_with(".new")) << name;
  }
  EXPECT_FALSE(fs::exists(folder.root() / "data"));
  // The database loads from the renamed files with what was imported.
  ASSERT_EQ(load(), 0);
  EXPECT_EQ(catalogue.WrestlerCount, 4);
}

TEST_F(DatabaseGuardTest, UndoPutsBackWhatTheImportReplaced) {
  folder.writeLines("data/teams.dat.bak", {"an older backup"});
  const std::map<std::string, std::string> before = filesButBackups();
  ASSERT_TRUE(importSelection().imported());
  const std::map<std::string, std::string> imported = dataFiles();
  ASSERT_NE(filesButBackups(), before);

  const UndoResult undone = undoLastImport(folder.path());
  ASSERT_EQ(undone.outcome, UndoOutcome::Undone) << undone.message;
  EXPECT_EQ(undone.message, "The last import has been undone: every file it changed is as it was before it.");
  EXPECT_EQ(filesButBackups(), before);
  // What the import wrote is now the backup.
  EXPECT_EQ(testsupport::readFileBytes(data("wrestlrs.dat.bak")), imported.at("wrestlrs.dat"));
  EXPECT_FALSE(fs::exists(data("zor.journal")));

  const UndoResult again = undoLastImport(folder.path());
  EXPECT_EQ(again.outcome, UndoOutcome::Refused);
  EXPECT_EQ(again.message, "The last import has already been undone.");
  EXPECT_EQ(filesButBackups(), before);

  // The database loads as it was and takes a new import.
  ASSERT_EQ(load(), 0);
  EXPECT_EQ(catalogue.WrestlerCount, 3);
  EXPECT_TRUE(importSelection().imported());
}

TEST_F(DatabaseGuardTest, UndoIsRefusedWhenTheFilesChangedSinceTheImport) {
  ASSERT_TRUE(importSelection().imported());
  std::string wrestlers = testsupport::readFileBytes(data("wrestlrs.dat"));
  wrestlers += "changed by the game\r\n";
  testsupport::writeFileBytes(data("wrestlrs.dat"), wrestlers);
  const std::map<std::string, std::string> changed = dataFiles();

  const UndoResult refused = undoLastImport(folder.path());
  EXPECT_EQ(refused.outcome, UndoOutcome::Refused);
  EXPECT_NE(refused.message.find("wrestlrs.dat\" has changed since the last import"), std::string::npos)
      << refused.message;
  EXPECT_EQ(dataFiles(), changed);
}

TEST_F(DatabaseGuardTest, UndoIsRefusedWhenABackupIsNoLongerTheReplacedFile) {
  ASSERT_TRUE(importSelection().imported());
  folder.writeLines("data/moves.dat.bak", {"overwritten"});
  const std::map<std::string, std::string> changed = dataFiles();
  const UndoResult refused = undoLastImport(folder.path());
  EXPECT_EQ(refused.outcome, UndoOutcome::Refused);
  EXPECT_NE(refused.message.find("The backup of"), std::string::npos) << refused.message;
  EXPECT_EQ(dataFiles(), changed);
}

TEST_F(DatabaseGuardTest, UndoWithoutAnImportIsRefused) {
  const std::map<std::string, std::string> before = dataFiles();
  const UndoResult refused = undoLastImport(folder.path());
  EXPECT_EQ(refused.outcome, UndoOutcome::Refused);
  EXPECT_EQ(refused.message, "There is no import to undo in this game folder.");
  EXPECT_EQ(dataFiles(), before);
}

TEST_F(DatabaseGuardTest, OnlyTheLastOfTwoImportsIsUndone) {
  ASSERT_TRUE(importSelection().imported());
  const std::map<std::string, std::string> afterFirst = filesButBackups();
  ASSERT_TRUE(importSelection().imported());
  ASSERT_EQ(undoLastImport(folder.path()).outcome, UndoOutcome::Undone);
  EXPECT_EQ(filesButBackups(), afterFirst);
}

TEST_F(DatabaseGuardTest, UndoOfAnObjectImportRestoresTheFileAndItsIndex) {
  folder.writeObjects({testsupport::objectSpec("a Chair")});
  ASSERT_FALSE(MAKEINDEX(data("objects.dat").string(), 40, data("objects.idx").string(), 1));
  const std::map<std::string, std::string> before = dataFiles();
  std::vector<std::string> exportLines{"ZOR Export File", "[Exported Objects]", "1"};
  for (const std::string& line : testsupport::objectSpec("a Ladder").toLines()) exportLines.push_back(line);
  const auto path = folder.root() / "objects.zor";
  testsupport::writeFileBytes(path, testsupport::plainExportBytes(exportLines));

  ASSERT_EQ(load(), 0);
  const exports::OpenExportResult opened =
      exports::openExportFile(path.string(), catalogue, incoming, folder.path());
  ASSERT_EQ(opened.import.outcome, exports::ImportOutcome::Imported) << opened.import.message;
  EXPECT_FALSE(fs::exists(data("objects.idx")));

  const UndoResult undone = undoLastImport(folder.path());
  ASSERT_EQ(undone.outcome, UndoOutcome::Undone) << undone.message;
  std::map<std::string, std::string> after = dataFiles();
  EXPECT_NE(after.at("objects.old"), before.at("objects.dat"));  // the import's version, kept
  after.erase("objects.old");
  after.erase(std::string(db::kLastChangeFile));
  EXPECT_EQ(after, before);
}

// For the undo of one import, and for the undo of a batch, which moves its kept copies back in place.
TEST_F(DatabaseGuardTest, EveryFailingOperationOfAnUndoLeavesOneWholeSet) {
  const std::map<std::string, std::string> beforeImports = dataFiles();
  const std::string second = writeExport(
      testsupport::wrestlersOnlyExport({testsupport::wrestlerSpec("Late Comer")}).lines(), "second.zor");
  const std::vector<std::pair<std::string, std::function<bool()>>> imports = {
      {"one import", [this] { return importSelection().imported(); }},
      {"a batch",
       [&] {
         EXPECT_EQ(load(), 0);
         const BatchResult batch = importBatch({exportPath, second}, "", catalogue, incoming, folder.path());
         return batch.files.back().result.code == kSilentImported && fs::exists(data("teams.dat.bak.batch"));
       }},
  };
  for (const auto& [name, import] : imports) {
    restoreDataFiles(beforeImports);
    ASSERT_TRUE(import()) << name;
    const std::map<std::string, std::string> imported = filesButBackups();
    const std::map<std::string, std::string> pristineFolder = dataFiles();
    ASSERT_EQ(undoLastImport(folder.path()).outcome, UndoOutcome::Undone) << name;
    const std::map<std::string, std::string> undone = filesButBackups();

    int failed = 0;
    for (int n = 1;; ++n) {
      ASSERT_LT(n, 2000);
      restoreDataFiles(pristineFolder);
      platform::clearFileFaults();
      platform::failFileOperation(n, platform::kErrDeviceIo);
      const UndoResult result = undoLastImport(folder.path());
      const bool fired = platform::fileOperationCount() >= n;
      platform::clearFileFaults();
      const std::string context = name + ", operation " + std::to_string(n) + ": " + result.message;
      if (result.outcome == UndoOutcome::Undone) {
        // What could not be tidied away is tidied by the next start.
        EXPECT_FALSE(recoverDatabase(folder.path()).failed()) << context;
        EXPECT_EQ(filesButBackups(), undone) << context;
      } else {
        ++failed;
        // A batch's kept copies among them: the undo can be made again.
        EXPECT_EQ(filesButBackups(), imported) << context;
        EXPECT_NE(result.message.find("error 57"), std::string::npos) << context;
      }
      if (!fired) break;
    }
    EXPECT_GT(failed, 20) << name;
  }
  EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace imports
