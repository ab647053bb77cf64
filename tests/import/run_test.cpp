// The passes of the import run on incoming records built by hand: the mapping rows, numbering, the
// plan, the wizard's selection copy, and a run that an untrapped error ends.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/import_plan.h"
#include "import/import_run.h"
#include "import/list_selection.h"
#include "import/mapping_rows.h"
#include "import/numbering.h"
#include "platform/errors.h"
#include "support/import_fixture.h"
#include "support/import_road.h"

namespace imports {
namespace {

using exports::IncomingRecord;
using exports::IncomingRecords;
using exports::RecordLines;

IncomingRecord header(int32_t source, std::string stored, std::string list, int32_t existing) {
  IncomingRecord record;
  record.SourceNumber = source;
  record.StoredName = std::move(stored);
  record.ListName = std::move(list);
  record.ExistingNumber = existing;
  record.IsNew = existing == 0 ? 1 : 0;
  return record;
}

void add(std::vector<IncomingRecord>& records, std::vector<RecordLines>& lines, int32_t& count,
         IncomingRecord record, int lineCount) {
  if (records.empty()) {
    records.resize(1);
    lines.resize(1);
  }
  RecordLines recordLines(static_cast<size_t>(lineCount) + 1, "0");
  recordLines[1] = record.StoredName;
  records.push_back(std::move(record));
  lines.push_back(std::move(recordLines));
  count = static_cast<int32_t>(records.size()) - 1;
}

class RunPassesTest : public testsupport::ImportFixture {
 protected:
  void SetUp() override {
    ImportFixture::SetUp();
    testsupport::writeScenarioDatabase(folder);
    ASSERT_EQ(load(), 0);
  }
  void move(int32_t source, std::string stored, std::string list, int32_t existing = 0, int32_t needed = 1) {
    IncomingRecord record = header(source, std::move(stored), std::move(list), existing);
    record.Needed = needed;
    add(incoming.IncomingMoves, incoming.IncomingMoveLines, incoming.IncomingMoveCount, std::move(record),
        27);
  }
  void dive(int32_t source, std::string stored, std::string list, int32_t needed = 1) {
    IncomingRecord record = header(source, std::move(stored), std::move(list), 0);
    record.Needed = needed;
    add(incoming.IncomingDives, incoming.IncomingDiveLines, incoming.IncomingDiveCount, std::move(record),
        10);
  }
  void wrestler(std::string name, int32_t existing, bool selected) {
    IncomingRecord record = header(incoming.IncomingWrestlerCount + 1, name, name, existing);
    record.ImportNumber = selected ? 1 : 0;
    add(incoming.IncomingWrestlers, incoming.IncomingWrestlerLines, incoming.IncomingWrestlerCount,
        std::move(record), 120);
  }
};

TEST_F(RunPassesTest, MappingRowsMapRenameAndSkip) {
  move(7, "a Moonsault", "Moonsault");
  move(8, "a Dropkick", "Dropkick");
  move(9, "an Axe", "Axe");
  const std::vector<AppliedMapping> applied = applyMappingRows(
      RecordKind::Move,
      {MappingRow{"Moonsault", " Punch  ", 0}, MappingRow{"Dropkick", "uppercut", kRenameItemNumber},
       MappingRow{"Axe", " ", kRenameItemNumber}, MappingRow{"Axe", "No Such Move", 0},
       MappingRow{"Gone", "Big Boot", kRenameItemNumber}},
      incoming, catalogue);
  ASSERT_EQ(applied.size(), 5u);
  EXPECT_EQ(applied[0].outcome, MappingOutcome::Mapped);
  EXPECT_EQ(applied[0].target, "Punch");
  EXPECT_EQ(incoming.IncomingMoves[1].IsNew, 0);
  EXPECT_EQ(incoming.IncomingMoves[1].ExistingNumber, 1);

  EXPECT_EQ(applied[1].outcome, MappingOutcome::Renamed);
  EXPECT_EQ(incoming.IncomingMoves[2].ListName, "uppercut");
  EXPECT_EQ(incoming.IncomingMoves[2].StoredName, "an uppercut");
  EXPECT_EQ(incoming.IncomingMoveLines[2][1], "an uppercut");
  EXPECT_EQ(incoming.IncomingMoves[2].IsNew, 1);

  EXPECT_EQ(applied[2].outcome, MappingOutcome::Empty);
  EXPECT_EQ(applied[3].outcome, MappingOutcome::UnknownExisting);
  EXPECT_EQ(incoming.IncomingMoves[3].IsNew, 1);
  EXPECT_EQ(applied[4].outcome, MappingOutcome::UnknownIncoming);

  // Only a mapping that was applied, and a row whose incoming record is missing, are logged.
  EXPECT_EQ(log, (std::vector<std::string>{"Read Moonsault and Punch from listview.",
                                           "They map to 1 and 1 respectively.",
                                           "Read Gone and Big Boot from listview.",
                                           "ERROR: The latter maps to 0 but I couldn't find the former."}));
}

TEST_F(RunPassesTest, ARenameHoldingALineBreakIsIgnored) {
  move(7, "a Moonsault", "Moonsault");
  const std::vector<AppliedMapping> applied = applyMappingRows(
      RecordKind::Move, {MappingRow{"Moonsault", "Two\r\nLines", kRenameItemNumber}}, incoming, catalogue);
  EXPECT_EQ(applied[0].outcome, MappingOutcome::InvalidName);
  EXPECT_EQ(incoming.IncomingMoveLines[1][1], "a Moonsault");
}

TEST_F(RunPassesTest, DiveRowsUseTheDivesOfTheDatabase) {
  dive(5, "a Plunge", "Plunge");
  const std::vector<AppliedMapping> applied = applyMappings(
      MappingRows{{MappingRow{"Plunge", "Tope", 0}}, {MappingRow{"Plunge", "Tope", 0}}}, incoming, catalogue);
  ASSERT_EQ(applied.size(), 2u);
  EXPECT_EQ(applied[0].kind, RecordKind::Move);
  EXPECT_EQ(applied[0].outcome, MappingOutcome::UnknownExisting);  // no move is called Tope
  EXPECT_EQ(applied[1].kind, RecordKind::Dive);
  EXPECT_EQ(applied[1].outcome, MappingOutcome::Mapped);
  EXPECT_EQ(incoming.IncomingDives[1].ExistingNumber, 2);
}

TEST_F(RunPassesTest, NumberingCountsSelectedNewWrestlersAndNeededNewRecords) {
  wrestler("Fresh", 0, true);
  wrestler("Known", 2, true);
  wrestler("Left Out", 0, false);
  move(7, "a Moonsault", "Moonsault");
  move(8, "an Elbow Drop", "Elbow Drop", 3);
  move(9, "a Spare", "Spare", 0, 0);
  move(10, "a Dropkick", "Dropkick");
  incoming.IncomingMoves[3].ImportNumber = 77;  // stale: not needed, so it is not written
  const RecordCounts totals = numberNewRecords(incoming, RecordCounts{3, 4, 2, 2, 1}, true);
  EXPECT_EQ(totals.wrestlers, 4);
  EXPECT_EQ(totals.moves, 6);
  EXPECT_EQ(totals.dives, 2);
  EXPECT_EQ(incoming.IncomingMoves[1].ImportNumber, 5);
  EXPECT_EQ(incoming.IncomingMoves[2].ImportNumber, 0);
  EXPECT_EQ(incoming.IncomingMoves[3].ImportNumber, 0);
  EXPECT_EQ(incoming.IncomingMoves[4].ImportNumber, 6);
  EXPECT_EQ(
      log, (std::vector<std::string>{"", "Importing wrestlers:", "\tFresh", "",
                                     "Importing moves:", "\ta Moonsault -> 5", "\ta Dropkick -> 6", "",
                                     "Importing dives:", "", "Importing managers:", "", "Importing teams:"}));
  log.clear();
  numberNewRecords(incoming, RecordCounts{3, 4, 2, 2, 1}, false);
  EXPECT_TRUE(log.empty());
}

TEST_F(RunPassesTest, PlanDescribesEveryChange) {
  wrestler("Fresh", 0, true);
  wrestler("Champion", 2, true);
  move(7, "a Moonsault", "Moonsault");
  PreparedImport prepared =
      prepareImport(incoming, catalogue,
                    MappingRows{{MappingRow{"Moonsault", "Sky Fall", kRenameItemNumber}}, {}}, folder.path());
  const std::vector<std::string> lines = describePlan(prepared.plan);
  EXPECT_EQ(lines, (std::vector<std::string>{"Wrestlers added (1):", "  4\tFresh",
                                             "Wrestlers replaced (1):", "  2\tChampion (replaces Champion)",
                                             "Moves added (1):", "  5\tSky Fall",
                                             "Mappings (1):", "  Moonsault renamed to Sky Fall",
                                             "Record counts:", "  wrestlers: 3 -> 4", "  moves: 4 -> 5",
                                             "  dives: 2 -> 2", "  managers: 2 -> 2", "  teams: 1 -> 1"}));
  EXPECT_EQ(describePlan(ImportPlan{}).front(), "Nothing is added or replaced.");
}

TEST_F(RunPassesTest, PreparingWritesNothing) {
  const std::map<std::string, std::string> before = dataFiles();
  const std::string path = writeExport(testsupport::scenarioExport().lines());
  testsupport::openAndSelect(path, catalogue, incoming, {"New Star"});
  const PreparedImport prepared = prepareImport(incoming, catalogue, MappingRows{}, folder.path());
  EXPECT_TRUE(prepared.errors.empty());
  EXPECT_EQ(prepared.newTotals.wrestlers, 4);
  EXPECT_EQ(dataFiles(), before);
}

TEST_F(RunPassesTest, CopyingTheListSelectionFollowsTheFirstWrestlerOfEachName) {
  wrestler("Twin", 0, false);
  wrestler("Twin", 0, false);
  wrestler("Solo", 0, true);
  copyWrestlerSelection({{"M\tTwin", true}, {"M\tTwin", false}, {"F\tSolo", false}, {"M\tNobody", true}},
                        incoming);
  EXPECT_EQ(incoming.IncomingWrestlers[1].ImportNumber, 0);  // the last item of the name wins
  EXPECT_EQ(incoming.IncomingWrestlers[2].ImportNumber, 0);
  EXPECT_EQ(incoming.IncomingWrestlers[3].ImportNumber, 0);
  copyWrestlerSelection({{"M\tTwin", true}}, incoming);
  EXPECT_EQ(incoming.IncomingWrestlers[1].ImportNumber, 1);
  EXPECT_EQ(incoming.IncomingWrestlers[2].ImportNumber, 0);
  EXPECT_EQ(itemName("F\tName"), "Name");
  EXPECT_EQ(itemName("F"), "");
}

TEST_F(RunPassesTest, AnErrorRaisedDuringTheRunEndsItSafely) {
  const std::map<std::string, std::string> before = dataFiles();
  const std::string path = writeExport(testsupport::scenarioExport().lines());
  testsupport::openAndSelect(path, catalogue, incoming, {"New Star"});
  const ImportRunResult result =
      PROCESSIMPORT(incoming, catalogue, MappingRows{}, folder.path(), [](const ImportPlan&) {
        platform::raiseError(platform::kErrDeviceIo);
        return true;
      });
  EXPECT_EQ(result.outcome, RunOutcome::Failed);
  EXPECT_TRUE(reports.empty());
  EXPECT_TRUE(boxTexts().empty());  // the front end shows what the run has to say
  ASSERT_EQ(result.messages.size(), 1u);
  EXPECT_EQ(result.messages[0].form, "MAIN");
  EXPECT_EQ(result.messages[0].text,
            "{S}The import was stopped: error 57 (Device I/O error) in PROCESSI. The database has not been "
            "changed.");
  const std::map<std::string, std::string> now = dataFiles();
  for (const auto& [name, bytes] : before) EXPECT_EQ(now.at(name), bytes) << name;
}

TEST_F(RunPassesTest, ACommitThatCannotPutAFileInPlaceIsUndoneAndReported) {
  const std::map<std::string, std::string> before = dataFiles();
  const std::string path = writeExport(testsupport::scenarioExport().lines());
  testsupport::openAndSelect(path, catalogue, incoming, {"New Star"});
  // The managers' file cannot take a backup: a folder is in the way.
  std::filesystem::create_directory(data("managers.dat.bak"));
  std::filesystem::create_directory(data("managers.dat.bak") / "x");
  const ImportRunResult result =
      testsupport::importAndShow(incoming, catalogue, MappingRows{}, folder.path());
  EXPECT_EQ(result.outcome, RunOutcome::Failed);
  ASSERT_TRUE(result.commit.has_value());
  EXPECT_EQ(result.commit->status, CommitStatus::RolledBack);
  ASSERT_EQ(boxTexts().size(), 2u);
  EXPECT_TRUE(
      boxTexts()[1].starts_with("{S}The import was stopped. The database was not changed. Could not "))
      << boxTexts()[1];
  EXPECT_NE(boxTexts()[1].find("managers.dat"), std::string::npos);
  for (const auto& [name, bytes] : before) EXPECT_EQ(testsupport::readFileBytes(data(name)), bytes) << name;
  EXPECT_TRUE(reports.empty());
}

}  // namespace
}  // namespace imports
