// Files dropped on the window, and the export named when the wizard was started: opened as Open
// Export File opens them, or added to the batch list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/incoming.h"
#include "road_fixture.h"
#include "support/export_writer.h"
#include "support/import_scenario.h"
#include "ui/form/control_ids.h"
#include "ui/startup/start_up.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/test_hooks.h"
#include "wizard_fixture.h"

namespace {

using namespace ui::toolkit;
using Names = std::vector<std::string>;
using uitest::RoadTest;
using uitest::WizardTest;

TEST_F(RoadTest, AFileDroppedOnTheWizardIsOpenedAsOpenExportFileWould) {
  const std::string path = writeScenarioExport();
  ASSERT_TRUE(dropFiles("MAIN", {path, path + ".other"}, ui::kWrestlerList));
  settle();
  EXPECT_TRUE(shown(DialogKind::OpenFile).empty()) << "no dialog: the file was chosen by dropping it";
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::ExportListed);
  EXPECT_EQ(items(ui::kWrestlerList).size(), 3u);
  EXPECT_EQ(exports::incoming().IncomingWrestlerCount, 3);
}

TEST_F(RoadTest, FilesDroppedOnTheBatchViewAreAddedToItsList) {
  const std::string first = writeScenarioExport();
  const std::string second = writeExport(testsupport::scenarioExport().lines(), "second.zor");
  click(ui::kBatchButton);
  ASSERT_TRUE(dropFiles("MAIN", {first, second}, ui::kExportFileList));
  settle();
  EXPECT_EQ(items(ui::kExportFileList), (Names{first, second}));
  EXPECT_EQ(ui::wizardState().batchFiles, (Names{first, second}));
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::ExportListed);
  EXPECT_EQ(exports::incoming().IncomingWrestlerCount, 0) << "nothing is opened on the batch view";
}

TEST_F(RoadTest, ADragWithoutFilesIsNotTaken) {
  EXPECT_FALSE(dropFiles("MAIN", {}));
  settle();
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::NothingOpen);
}

TEST_F(WizardTest, TheExportNamedAtTheStartIsOpenedOnceTheWindowIsUp) {
  testsupport::writeScenarioDatabase(folder);
  const std::filesystem::path path = folder.root() / "named.zor";
  testsupport::writeFileBytes(path, testsupport::plainExportBytes(testsupport::scenarioExport().lines()));
  ui::startup::startRequest().exportFile = path.string();
  startWizard();
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::ExportListed);
  EXPECT_EQ(exports::incoming().IncomingWrestlerCount, 3);
  EXPECT_EQ(ui::startup::startRequest().exportFile, "") << "opened once";
  exports::incoming() = exports::IncomingRecords{};
}

}  // namespace
