#include <gtest/gtest.h>

#include <filesystem>

#include "db/catalogue.h"
#include "memory/heap_blocks.h"
#include "services/program.h"
#include "ui/form/control_ids.h"
#include "ui/help/help.h"
#include "ui/startup/callbacks.h"
#include "ui/startup/start_up.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/test_hooks.h"
#include "ui/toolkit/toolkit.h"
#include "wizard_fixture.h"

namespace {

using namespace ui::toolkit;
using uitest::WizardTest;

constexpr std::string_view kTitle = "ZOR 7 SE Export File Wizard, Build 1.630";

TEST_F(WizardTest, TheDatabaseIsLoadedBeforeTheWindowExists) {
  writeDatabase();
  startWizard();
  ASSERT_TRUE(moveCountAtDesign.has_value());
  EXPECT_EQ(*catalogueLoadedAtDesign, 1);
  EXPECT_EQ(*moveCountAtDesign, 3);
  EXPECT_EQ(liveFormCount(), 1u);
  EXPECT_EQ(services::program().title, kTitle);
  EXPECT_EQ(services::program().versionMarker, "#PVERSION#1.630#");
  EXPECT_EQ(services::program().databaseFolder, ".");
}

TEST_F(WizardTest, AFailingLoadIsReportedBeforeTheWindowAndTheWindowStillComes) {
  writeDatabase();
  folder.remove("data/moves.dat");
  startWizard();
  ASSERT_GE(script.shown.size(), 2u);
  const DialogRecord& report = script.shown.front();
  EXPECT_EQ(report.kind, DialogKind::ErrorReport);
  EXPECT_EQ(report.formsOpen, 0u);
  EXPECT_EQ(
      report.text.rfind("Untrapped Error #53 (File not found)\r\nhas occurred following execution of ", 0),
      0u);
  EXPECT_EQ(script.shown[1].text.rfind("Untrapped Error #52 (Bad file name or number)", 0), 0u);
  EXPECT_TRUE(terminations.empty());
  EXPECT_EQ(liveFormCount(), 1u);
  EXPECT_EQ(db::catalogue().MoveCount, 0);
}

TEST_F(WizardTest, AnInterruptedImportIsRepairedAndToldBeforeTheLoad) {
  writeDatabase();
  // A journal that was being written when the process died: nothing had been changed yet.
  folder.writeLines("data/zor.journal", {"ZOR file transaction 1", "label import", "replace|teams.new|"});
  startWizard();
  ASSERT_FALSE(script.shown.empty());
  const DialogRecord& told = script.shown.front();
  EXPECT_EQ(told.kind, DialogKind::MessageBox);
  EXPECT_EQ(told.formsOpen, 0u);
  EXPECT_EQ(told.title, kTitle);
  EXPECT_EQ(told.icon, DialogIcon::Information);
  EXPECT_EQ(
      told.text.rfind("A change of the game's database was interrupted before it had changed anything.", 0),
      0u)
      << told.text;
  EXPECT_FALSE(std::filesystem::exists(folder.data("zor.journal")));
  EXPECT_EQ(db::catalogue().MoveCount, 3);
  EXPECT_EQ(liveFormCount(), 1u);
}

TEST_F(WizardTest, TheCaptionBecomesTheProgramTitleWhenTheFormHasLoaded) {
  writeDatabase();
  startWizard();
  const auto loaded = eventsWithCode(kEventLoaded);
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_EQ(loaded.front().captionBefore, "ZOR 7 SE Export File Wizard");
  EXPECT_EQ(EZ_GETTEXT("MAIN", 0), kTitle);
}

TEST_F(WizardTest, FormEventsArriveInLifeCycleOrder) {
  writeDatabase();
  startWizard();
  std::vector<int32_t> formCodes;
  for (const auto& event : events) {
    if (event.id == 0) formCodes.push_back(event.code);
  }
  EXPECT_EQ(formCodes, (std::vector<int32_t>{kEventLoading, kEventLoaded, kEventStarted}));
  EXPECT_EQ(events.front().form, "MAIN");
}

TEST_F(WizardTest, StartUpSetsTheToolkitUpAsTheProgramNeedsIt) {
  writeDatabase();
  startWizard();
  EXPECT_EQ(toolkit().imageFolder, "Graphics");
  EXPECT_EQ(toolkit().commandEvents, 0);
  ASSERT_TRUE(paletteColour(ui::kPeachColour).has_value());
  EXPECT_EQ(*paletteColour(ui::kPeachColour), (Rgb{253, 221, 189}));
  const std::optional<FontSpec> buttonFont = fontSpec(ui::kButtonFont);
  ASSERT_TRUE(buttonFont.has_value());
  EXPECT_EQ(buttonFont->face, "Arial");
  EXPECT_EQ(buttonFont->points, 16);
  EXPECT_EQ(buttonFont->properties, "BV");
}

TEST_F(WizardTest, TheStartedFormShowsTheHelpTextExactly) {
  writeDatabase();
  startWizard();
  const std::string help = EZ_GETTEXT("MAIN", ui::kHelpPanel);
  EXPECT_EQ(help, ui::helpText());
  size_t lines = 1;
  for (size_t at = help.find("\r\n"); at != std::string::npos; at = help.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 26u);
  EXPECT_FALSE(help.ends_with("\r\n"));
  EXPECT_NE(help.find("CTRL+I inverts your selection. \r\n"), std::string::npos);
  EXPECT_NE(help.find("from the current one downwards, \r\nCTRL+SHIFT+UP"), std::string::npos);
  EXPECT_NE(help.find("Click \"Import File\" to import the selection."), std::string::npos);
}

TEST_F(WizardTest, TheMapToComboBoxesListRenameAndTheDatabaseNamesWithNothingChosen) {
  writeDatabase();
  startWizard();
  const ControlState moves = controlState("MAIN", ui::kMapMovesCombo);
  EXPECT_EQ(moves.items, (std::vector<std::string>{"--- Rename", "Piledriver", "Suplex", "Dropkick"}));
  const ControlState dives = controlState("MAIN", ui::kMapDivesCombo);
  EXPECT_EQ(dives.items, (std::vector<std::string>{"--- Rename", "Plancha", "Senton Bomb"}));
  EXPECT_EQ(moves.current, -1);
  EXPECT_EQ(EZ_GETTEXT("MAIN", ui::kMapMovesCombo), "");
}

TEST_F(WizardTest, AnEmptyDatabaseLeavesOnlyRenameInTheComboBoxes) {
  folder.writeEmptyDatabase();
  startWizard();
  EXPECT_EQ(controlState("MAIN", ui::kMapMovesCombo).items, (std::vector<std::string>{"--- Rename"}));
}

TEST_F(WizardTest, FormNamesAreComparedWithoutRegardToLetterCase) {
  writeDatabase();
  startWizard();
  std::string form = "main";
  int32_t id = ui::kHelpButton, code = kEventClick, value = 0, cancel = 0;
  ui::startup::EZ_EVENT(form, id, code, value, cancel);
  double column, row, width, height;
  EZ_GETPOS("Main", 0, column, row, width, height);
  EXPECT_EQ(width, 166);
  EXPECT_EQ(EZ_GETTEXT("mAiN", 0), kTitle);
}

TEST_F(WizardTest, EventsOfOtherFormsChangeNothing) {
  writeDatabase();
  startWizard();
  for (std::string form : {"{MSGBOX}", "{APP}", "OTHER"}) {
    int32_t id = ui::kHelpButton, code = kEventClick, value = 0, cancel = 0;
    ui::startup::EZ_EVENT(form, id, code, value, cancel);
    id = ui::kQuitButton;
    ui::startup::EZ_EVENT(form, id, code, value, cancel);
  }
  double column, row, width, height;
  EZ_GETPOS("MAIN", 0, column, row, width, height);
  EXPECT_EQ(width, 125);
  EXPECT_EQ(liveFormCount(), 1u);
}

TEST_F(WizardTest, ClosingTheWindowReleasesTheHeapToo) {
  writeDatabase();
  const platform::HeapHandle outer = memory::HEAPBEGIN();
  startWizard();
  closeWindow("MAIN");
  EXPECT_EQ(liveFormCount(), 0u);
  EXPECT_EQ(memory::heapState().current, outer);
  EXPECT_EQ(eventsWithCode(kEventClosing).size(), 1u);
  memory::HEAPEND();
}

}  // namespace
