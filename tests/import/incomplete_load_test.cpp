// An import rewrites the record files from the records the catalogue holds. When the load did not
// read one of those files completely, the import must refuse before it writes anything: otherwise
// the records it did not read are gone from the rewritten file.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "db/load_report.h"
#include "import/batch_import.h"
#include "import/import_run.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "support/fault_points.h"
#include "support/import_fixture.h"
#include "support/import_road.h"

namespace imports {
namespace {

namespace fs = std::filesystem;

constexpr int32_t kAllKinds = 511;
constexpr int32_t kRewrittenKinds =
    db::kLoadWrestlers | db::kLoadMoves | db::kLoadDives | db::kLoadManagers | db::kLoadTeams;
const std::vector<std::string> kRecordFiles = {"wrestlrs.dat", "moves.dat",    "dives.dat",
                                               "managers.dat", "teams.dat",    "stables.dat",
                                               "objects.dat",  "gimmicks.dat", "referees.def"};

class IncompleteLoadTest : public testsupport::ImportFixture {
 protected:
  void remember() { pristine = dataFiles(); }

  void restore() { restoreDataFiles(pristine); }

  // The number of the file operation, counted from the start of a load, that opens the file `name`.
  int openingOperation(const std::string& name) {
    return testsupport::operationOpening(data(name), [this] { load(); });
  }

  // Loads with file operation n of the load failing once; false when the load has fewer operations.
  bool loadFailing(int n, int errorNumber = platform::kErrDeviceIo) {
    platform::clearFileFaults();
    platform::failFileOperation(n, errorNumber);
    load();
    const bool happened = platform::fileOperationCount() >= n;
    platform::clearFileFaults();
    return happened;
  }

  // The record count on line 1 of a record file.
  int32_t countOf(const std::string& name) const {
    const std::vector<std::string> fileLines = lines(name);
    return fileLines.empty() ? -1 : std::stoi(fileLines.front());
  }
  std::map<std::string, int32_t> counts() const {
    std::map<std::string, int32_t> result;
    for (const std::string& name : kRecordFiles) result[name] = countOf(name);
    return result;
  }
  // No record file holds fewer records than it did.
  void expectNoRecordLost(const std::map<std::string, int32_t>& before, const std::string& context) const {
    for (const auto& [name, count] : before) EXPECT_GE(countOf(name), count) << name << " after " << context;
  }

  ImportRunResult interactiveRun(const std::string& exportPath, const std::vector<std::string>& selected,
                                 bool* asked = nullptr) {
    testsupport::openAndSelect(exportPath, catalogue, incoming, selected);
    return testsupport::importAndShow(incoming, catalogue, MappingRows{}, folder.path(),
                                      [asked](const ImportPlan&) {
                                        if (asked != nullptr) *asked = true;
                                        return true;
                                      });
  }

  std::string dataPath(const std::string& name) const { return folder.path() + "\\data\\" + name; }

  std::map<std::string, std::string> pristine;
};

// The player's twelve teams and an export that brings new ones.
class TeamsScenarioTest : public IncompleteLoadTest {
 protected:
  void SetUp() override {
    IncompleteLoadTest::SetUp();
    testsupport::writeScenarioDatabase(folder);
    std::vector<testsupport::TeamSpec> teams;
    for (int i = 1; i <= 12; ++i) {
      teams.push_back(testsupport::teamSpec("Old Timer", "Third Guy", "Team " + std::to_string(i)));
    }
    folder.writeTeams(teams);
    remember();
    exportPath = writeExport(testsupport::scenarioExport().lines());
    teamsOpen = openingOperation("teams.dat");
    ASSERT_GT(teamsOpen, 0);
  }

  std::string refusal() const {
    return "The import was stopped: \"" + dataPath("teams.dat") +
           "\" was not read completely when the database was loaded (error 57 (Device I/O error)). The "
           "database has not been changed. Close and start again once the file can be read.";
  }

  std::string exportPath;
  int teamsOpen = 0;
};

TEST_F(TeamsScenarioTest, TheOpenOfTheTeamsFileFailingStopsTheInteractiveImport) {
  ASSERT_TRUE(loadFailing(teamsOpen));
  // The load reported the failure and went on without teams, as it always did.
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.front().number, platform::kErrDeviceIo);
  EXPECT_EQ(catalogue.TeamCount, 0);
  EXPECT_EQ(catalogue.WrestlerCount, 3);
  reports.clear();

  bool asked = false;
  const ImportRunResult result = interactiveRun(exportPath, {"New Star", "Champion"}, &asked);
  EXPECT_EQ(result.outcome, RunOutcome::Failed);
  ASSERT_TRUE(result.incompleteLoad.has_value());
  EXPECT_EQ(result.incompleteLoad->kind, db::kLoadTeams);
  EXPECT_FALSE(asked) << "nothing to confirm: nothing was written";
  EXPECT_EQ(describeRunProblem(result), refusal());
  EXPECT_EQ(boxTexts(), std::vector<std::string>{"{S}" + refusal()});
  EXPECT_TRUE(reports.empty());
  // Byte for byte as before, and no file added (no ".new" file either).
  EXPECT_EQ(dataFiles(), pristine);

  // Once the file can be read, the same import goes through and keeps the twelve teams.
  ASSERT_EQ(load(), 0);
  ASSERT_TRUE(reports.empty());
  const ImportRunResult again = interactiveRun(exportPath, {"New Star", "Champion"});
  EXPECT_EQ(again.outcome, RunOutcome::Imported) << describeRunProblem(again);
  EXPECT_EQ(countOf("teams.dat"), 13);
  EXPECT_EQ(testsupport::recordOf(data("teams.dat"), 10, 12),
            testsupport::recordOf(folder.root() / "data" / "teams.dat.bak", 10, 12));
}

TEST_F(TeamsScenarioTest, TheOpenOfTheTeamsFileFailingStopsTheBatch) {
  ASSERT_TRUE(loadFailing(teamsOpen));
  const BatchResult batch = importBatch({exportPath}, "", catalogue, incoming, folder.path());
  ASSERT_EQ(batch.files.size(), 1u);
  EXPECT_EQ(batch.files[0].statusLine, "Import failed: export.zor");
  EXPECT_EQ(batch.files[0].result.code, kSilentStopped);
  EXPECT_EQ(batch.files[0].result.problem, refusal());
  EXPECT_EQ(dataFiles(), pristine);
  // Not reloaded: the catalogue still knows the teams file as unread, so a second file is refused too.
  const SilentImportResult second = silentImport(exportPath, catalogue, incoming, folder.path());
  EXPECT_EQ(second.code, kSilentStopped);
  EXPECT_EQ(dataFiles(), pristine);
}

TEST_F(IncompleteLoadTest, AShortOrMissingFileStopsTheImport) {
  testsupport::writeScenarioDatabase(folder);
  // Two managers announced, one there.
  folder.writeRecordFile("managers.dat", testsupport::numberLine(2),
                         {testsupport::managerSpec("Manager One").toLines()});
  remember();
  const std::string exportPath = writeExport(testsupport::scenarioExport().lines());
  load();
  EXPECT_EQ(catalogue.ManagerCount, 2) << "the short file loads as it always did";
  ImportRunResult result = interactiveRun(exportPath, {"New Star"});
  EXPECT_EQ(result.outcome, RunOutcome::Failed);
  EXPECT_EQ(describeRunProblem(result),
            "The import was stopped: \"" + dataPath("managers.dat") +
                "\" was not read completely when the database was loaded (error 62 (Input past end)). The "
                "database has not been changed. Close and start again once the file can be read.");
  EXPECT_EQ(dataFiles(), pristine);

  folder.remove("data/dives.dat");
  remember();
  reports.clear();
  load();
  EXPECT_EQ(reports.size(), 3u) << "the missing file's open and count, the short file's end";
  result = interactiveRun(exportPath, {"New Star"});
  EXPECT_EQ(result.outcome, RunOutcome::Failed);
  ASSERT_TRUE(result.incompleteLoad.has_value());
  EXPECT_EQ(result.incompleteLoad->path, dataPath("dives.dat"));
  EXPECT_EQ(result.incompleteLoad->errorNumber, platform::kErrFileNotFound);
  EXPECT_EQ(dataFiles(), pristine);
}

// A damaged count line loads no team; rewriting the file from that would drop the teams it holds.
TEST_F(IncompleteLoadTest, ACountLineThatIsNoNumberStopsTheImport) {
  testsupport::writeScenarioDatabase(folder);
  folder.writeRecordFile("teams.dat", "twelve",
                         {testsupport::teamSpec("Old Timer", "Third Guy", "Old Boys", "!1-2/OT").toLines()});
  remember();
  const std::string exportPath = writeExport(testsupport::scenarioExport().lines());
  load();
  const ImportRunResult result = interactiveRun(exportPath, {"New Star"});
  EXPECT_EQ(result.outcome, RunOutcome::Failed);
  EXPECT_EQ(describeRunProblem(result),
            "The import was stopped: \"" + dataPath("teams.dat") +
                "\" was not read completely when the database was loaded (error 63 (its first line holds no "
                "record count)). The database has not been changed. Close and start again once the file can "
                "be read.");
  EXPECT_EQ(dataFiles(), pristine);
}

// A catalogue that was never loaded stands for no file at all.
TEST_F(IncompleteLoadTest, ACatalogueNeverLoadedIsNeverWritten) {
  testsupport::writeScenarioDatabase(folder);
  remember();
  const std::string exportPath = writeExport(testsupport::scenarioExport().lines());
  const ImportRunResult result = interactiveRun(exportPath, {"New Star"});
  EXPECT_EQ(result.outcome, RunOutcome::Failed);
  EXPECT_EQ(describeRunProblem(result),
            "The import was stopped: \"\\data\\wrestlrs.dat\" was not loaded. The database has not been "
            "changed. Close and start again once the file can be read.");
  EXPECT_EQ(dataFiles(), pristine);
}

// Each file operation of the load fails in turn, once, and an import follows: whenever a file the
// import rewrites was not read completely, nothing is written at all; otherwise the import works. No
// record file ever holds fewer records than before.
class EveryLoadFailureTest : public IncompleteLoadTest {
 protected:
  void SetUp() override {
    IncompleteLoadTest::SetUp();
    // One record of each kind keeps the number of operations small.
    folder.writeEmptyDatabase();
    folder.writeWrestlers({testsupport::wrestlerSpec("Old Timer")});
    folder.writeMoves({testsupport::moveSpec("a Punch")});
    folder.writeDives({testsupport::diveSpec("a Plancha")});
    folder.writeManagers({testsupport::managerSpec("Manager One")});
    folder.writeTeams({testsupport::teamSpec("Old Timer", "Old Timer", "Old Boys")});
    folder.writeLines("data/zor.inf",
                      {testsupport::numberLine(1), testsupport::numberLine(1), testsupport::numberLine(1)});
    remember();
    before = counts();
    exportPath =
        writeExport(testsupport::wrestlersOnlyExport({testsupport::wrestlerSpec("New Guy")}).lines());
  }

  // Runs `import` after a load whose operation n failed, for every n of the load. Most operations
  // of a load read the settings, and a failure there leaves every record file complete and the import
  // as it is without a failure: one in 25 of those is enough, for each import commits and a commit
  // waits for the disk.
  template <class Import>
  void forEveryFailure(Import import) {
    int refused = 0;
    int imported = 0;
    int wholeLoads = 0;
    for (int n = 1;; ++n) {
      restore();
      boxes.clear();
      if (!loadFailing(n)) break;
      const std::optional<db::LoadProblem> problem = db::incompleteLoad(catalogue, kRewrittenKinds);
      const bool whole = !db::incompleteLoad(catalogue, kAllKinds);
      if (whole && wholeLoads++ % 25 != 0) continue;
      const std::string context = "operation " + std::to_string(n);
      const bool done = import(context);
      if (problem) {
        ++refused;
        EXPECT_FALSE(done) << context;
        EXPECT_EQ(dataFiles(), pristine) << context;
      } else {
        ++imported;
        EXPECT_TRUE(done) << context;
        EXPECT_EQ(countOf("wrestlrs.dat"), before.at("wrestlrs.dat") + 1) << context;
      }
      expectNoRecordLost(before, context);
      ASSERT_LT(n, 5000) << "the load does not end";
    }
    // The five files' open, count, records and close; the other kinds' files; the settings.
    EXPECT_GT(refused, 150);
    EXPECT_GT(imported - (wholeLoads + 24) / 25, 15);
    EXPECT_GT(wholeLoads, 100);
  }

  std::map<std::string, int32_t> before;
  std::string exportPath;
};

TEST_F(EveryLoadFailureTest, InteractiveImport) {
  forEveryFailure([this](const std::string& context) {
    bool asked = false;
    const ImportRunResult result = interactiveRun(exportPath, {"New Guy"}, &asked);
    if (result.outcome == RunOutcome::Failed) {
      EXPECT_FALSE(asked) << context;
      EXPECT_TRUE(result.incompleteLoad.has_value()) << context;
      EXPECT_FALSE(boxes.empty()) << context;
      if (!boxes.empty() && result.incompleteLoad) {
        EXPECT_EQ(boxes.back().text, "{S}" + describeRunProblem(result)) << context;
        EXPECT_NE(boxes.back().text.find(result.incompleteLoad->path), std::string::npos) << context;
      }
    }
    return result.imported();
  });
}

TEST_F(EveryLoadFailureTest, BatchImport) {
  forEveryFailure([this](const std::string& context) {
    const BatchResult batch = importBatch({exportPath}, "", catalogue, incoming, folder.path());
    if (batch.files.size() != 1u) {
      ADD_FAILURE() << context;
      return false;
    }
    const BatchFile& file = batch.files.front();
    if (file.result.code != kSilentImported) {
      EXPECT_EQ(file.statusLine, "Import failed: export.zor") << context;
      EXPECT_NE(file.result.problem.find("was not read completely"), std::string::npos) << context;
    }
    return file.result.code == kSilentImported;
  });
}

}  // namespace
}  // namespace imports
