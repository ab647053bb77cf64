// The batch view: export files added through the multi-select dialog, imported one after the other
// with the progress bar and the status box.
#include <gtest/gtest.h>

#include "batch_fixture.h"
#include "db/catalogue.h"
#include "road_fixture.h"
#include "services/events.h"
#include "support/export_writer.h"
#include "support/game_records.h"
#include "support/import_scenario.h"
#include "ui/form/button_style.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/toolkit.h"

namespace {

using namespace ui::toolkit;
using uitest::BatchViewTest;
using uitest::RoadTest;

using Names = std::vector<std::string>;

TEST_F(BatchViewTest, AddedFilesFollowTheOnesListedAndMayRepeat) {
  addFiles({first, second});
  const std::vector<DialogRecord> dialogs = shown(DialogKind::OpenFiles);
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].title, "Please select export files to add.");
  EXPECT_EQ(dialogs[0].nameFilters, (std::vector<std::string>{"ZOR Export Files (*.zor)", "All Files (*)"}));
  EXPECT_EQ(items(ui::kExportFileList), (Names{first, second}));
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::ExportListed);
  paintForm("MAIN");
  EXPECT_EQ(state(ui::kImportBatchButton).lastDrawn.background, ui::kHighlightBackground);

  addFiles({first});
  EXPECT_EQ(items(ui::kExportFileList), (Names{first, second, first}));
  addFiles({});  // cancelled
  EXPECT_EQ(items(ui::kExportFileList).size(), 3u);
  EXPECT_EQ(READLIST("MAIN", ui::kExportFileList), first + "|" + second + "|" + first + "|");
}

TEST_F(BatchViewTest, ImportBatchImportsEveryFileAndTellsNewestFirst) {
  addFiles({first, second});
  std::vector<int32_t> positions;
  const services::EventPump windowPump = services::setEventPump([this, &positions](int32_t count) {
    positions.push_back(state(ui::kBatchProgress).progress);
    EZ_DOEVENTS(count);
  });
  click(ui::kImportBatchButton);
  services::setEventPump(windowPump);

  EXPECT_EQ(state(ui::kBatchResultBox).text, "Imported: lone-wolf.zor\r\nImported: export.zor\r\n");
  const ControlState bar = state(ui::kBatchProgress);
  EXPECT_EQ(bar.progress, 2);
  EXPECT_EQ(bar.progressLow, 0);
  EXPECT_EQ(bar.progressHigh, 2);
  EXPECT_TRUE(items(ui::kExportFileList).empty());
  // The bar moved while the window went on painting.
  ASSERT_FALSE(positions.empty());
  EXPECT_NE(std::find(positions.begin(), positions.end(), 1), positions.end());
  EXPECT_EQ(positions.back(), 2);
  EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
  EXPECT_TRUE(shown(DialogKind::MessageBox).empty());

  // Every wrestler of the first file (Champion replaced in place), then Lone Wolf.
  EXPECT_EQ(testsupport::fileLines(data("wrestlrs.dat"))[0], " 6 ");
  EXPECT_EQ(testsupport::recordOf(data("wrestlrs.dat"), 120, 6)[0], "Lone Wolf");
  EXPECT_EQ(db::catalogue().WrestlerCount, 6);

  // A second batch adds its lines above the earlier ones.
  addFiles({folder.root().string() + "/missing.zor"});
  click(ui::kImportBatchButton);
  EXPECT_EQ(state(ui::kBatchResultBox).text,
            "Import failed: missing.zor\r\nImported: lone-wolf.zor\r\nImported: export.zor\r\n");
  EXPECT_EQ(state(ui::kBatchProgress).progressHigh, 1);
}

// An export that names a move it does not carry leaves the team pointing past the moves; the window
// says so after the import.
TEST_F(BatchViewTest, AFaultTheImportLeavesIsWarnedAbout) {
  testsupport::WrestlerExportFile file = testsupport::scenarioExport();
  file.teams[0] = testsupport::teamSpec("New Star", "Champion", "Star Power", "!101-900/NeSt").toLines();
  addFiles({writeExport(file.lines(), "damaged.zor")});
  click(ui::kImportBatchButton);
  const std::vector<DialogRecord> boxes = shown(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].icon, DialogIcon::Critical);
  EXPECT_EQ(boxes[0].text.rfind("The import left faults in the database that were not there before:\r\n\r\n"
                                "teams.dat, team 2 (Star Power), line 4: move text",
                                0),
            0u)
      << boxes[0].text;
  EXPECT_NE(boxes[0].text.find("names move 900, but moves.dat holds"), std::string::npos) << boxes[0].text;
}

TEST_F(BatchViewTest, AnEmptyListImportsNothingSaysSoAndLeavesTheBarAlone) {
  const ControlState before = state(ui::kBatchProgress);
  click(ui::kImportBatchButton);
  const std::vector<DialogRecord> boxes = shown(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "There is nothing to import: add the export files first with Add Export Files.");
  EXPECT_EQ(boxes[0].icon, DialogIcon::Information);
  EXPECT_EQ(state(ui::kBatchResultBox).text, "");
  const ControlState after = state(ui::kBatchProgress);
  EXPECT_EQ(after.progress, before.progress);
  EXPECT_EQ(after.progressHigh, before.progressHigh);
}

TEST_F(BatchViewTest, UndoLastImportAsksOnlyWhenItCanThenPutsTheWholeBatchBack) {
  const std::string wrestlersBefore = testsupport::readFileBytes(data("wrestlrs.dat"));
  click(ui::kUndoButton);
  std::vector<DialogRecord> boxes = shown(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u) << "nothing to undo is said without a question";
  EXPECT_EQ(boxes[0].text, "There is no import to undo in this game folder.");
  EXPECT_EQ(boxes[0].icon, DialogIcon::Critical);

  addFiles({first, second});
  click(ui::kImportBatchButton);
  ASSERT_EQ(db::catalogue().WrestlerCount, 6);

  script.shown.clear();
  script.buttons.push_back("No");
  click(ui::kUndoButton);
  boxes = shown(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "Undo the last import (a batch of 2 export files)? Every file it changed is put back as it was "
            "before the batch.");
  EXPECT_EQ(boxes[0].defaultButton, "No");
  EXPECT_EQ(db::catalogue().WrestlerCount, 6);

  script.buttons.push_back("Yes");
  click(ui::kUndoButton);
  boxes = shown(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2].text,
            "The last import (a batch of 2 export files) has been undone: every file it changed is as it "
            "was before the batch.");
  EXPECT_EQ(boxes[2].icon, DialogIcon::Information);
  EXPECT_EQ(testsupport::readFileBytes(data("wrestlrs.dat")), wrestlersBefore);
  EXPECT_EQ(db::catalogue().WrestlerCount, 3);  // reloaded

  script.shown.clear();
  click(ui::kUndoButton);
  boxes = shown(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u) << "an undo already made is said without a question";
  EXPECT_EQ(boxes[0].text, "The last import has already been undone.");
  EXPECT_EQ(boxes[0].icon, DialogIcon::Critical);
}

TEST_F(BatchViewTest, CloseAfterAddingFilesLeadsBackToPhaseZero) {
  addFiles({first});
  click(ui::kCloseButton);
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::NothingOpen);
  EXPECT_TRUE(state(ui::kBatchButton).enabled);
  EXPECT_FALSE(state(ui::kParseButton).enabled);
  EXPECT_TRUE(state(ui::kWrestlerList).visible);
}

}  // namespace
