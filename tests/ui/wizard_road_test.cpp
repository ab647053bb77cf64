// The wizard's main job end to end on a generated game folder: open the scenario's export, change the
// selection with the keys, Parse Selection, map a move, rename a dive, Import File, and the files the
// import leaves behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "db/catalogue.h"
#include "db/load_database.h"
#include "road_fixture.h"
#include "services/events.h"
#include "support/export_writer.h"
#include "support/game_records.h"
#include "ui/form/button_style.h"
#include "ui/form/control_ids.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/toolkit.h"

namespace {

namespace fs = std::filesystem;
using namespace ui::toolkit;
using testsupport::numberLine;
using uitest::RoadTest;

using Names = std::vector<std::string>;

class WizardRoadTest : public RoadTest {
 protected:
  // Open, New Star and Champion selected with the keys, Parse Selection, Dropkick mapped onto the
  // database's Kick, the Corkscrew Dive renamed to Twister Dive.
  void walkToImport() {
    openExport(writeScenarioExport());
    focusControl("MAIN", ui::kWrestlerList);
    pressInWrestlers(Key::N, kControlKey);
    EZ_SETATTR("MAIN", ui::kWrestlerList, "IFocus", 1);
    pressInWrestlers(Key::Up, kControlKey);
    click(ui::kParseButton);
    choose(ui::kMapMovesCombo, "Kick");
    doubleClickRow(ui::kMoveListView, "Dropkick");
    choose(ui::kMapDivesCombo, "--- Rename");
    script.texts.push_back("Twister Dive");
    doubleClickRow(ui::kDiveListView, "Corkscrew Dive");
  }

  void expectResetWizard() {
    EXPECT_EQ(ui::wizardState().phase, ui::Phase::NothingOpen);
    for (int32_t id :
         {ui::kWrestlerList, ui::kMoveListView, ui::kManagerList, ui::kDiveListView, ui::kTeamList})
      EXPECT_TRUE(items(id).empty()) << id;
    EXPECT_FALSE(state(ui::kImportButton).enabled);
    EXPECT_FALSE(state(ui::kParseButton).enabled);
    EXPECT_FALSE(state(ui::kWrestlerList).enabled);
    EXPECT_TRUE(state(ui::kBatchButton).enabled);
    paintForm("MAIN");
    EXPECT_EQ(state(ui::kOpenButton).lastDrawn.background, ui::kHighlightBackground);
    EXPECT_EQ(state(ui::kImportButton).lastDrawn.background, ui::kPlainBackground);
  }
};

TEST_F(WizardRoadTest, OpeningListsTheWrestlersPreSelectedAndTheNewRecordsSorted) {
  openExport(writeScenarioExport());
  const std::vector<DialogRecord> dialogs = shown(DialogKind::OpenFile);
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0].title, "Please select an export file to open.");
  EXPECT_EQ(dialogs[0].nameFilters, (std::vector<std::string>{"ZOR Export Files (*.zor)", "All Files (*)"}));

  EXPECT_EQ(items(ui::kWrestlerList), (Names{"F\tNew Star", "M\tChampion", "M\tRookie"}));
  EXPECT_EQ(selected(ui::kWrestlerList), (std::vector<int32_t>{0, 2}));  // not in the database
  EXPECT_EQ(items(ui::kMoveListView), (Names{"Double Suplex", "Dropkick", "Headbutt", "Lariat", "Moonsault",
                                             "Powerbomb", "Shooting Star", "Spike", "Unused Move"}));
  EXPECT_EQ(column1(ui::kMoveListView), Names(9, ""));
  EXPECT_EQ(items(ui::kDiveListView), (Names{"Corkscrew Dive"}));
  EXPECT_EQ(items(ui::kManagerList), (Names{"Manager New"}));
  EXPECT_EQ(items(ui::kTeamList), (Names{"Rookie/Nobody", "Star Power (New Star/Champion)"}));
  EXPECT_EQ(state(ui::kMoveCountBox).text, "9");
  EXPECT_EQ(state(ui::kDiveCountBox).text, "1");
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::ExportListed);
  EXPECT_TRUE(state(ui::kParseButton).enabled);
  EXPECT_TRUE(state(ui::kWrestlerList).enabled);
  EXPECT_FALSE(state(ui::kBatchButton).enabled);
}

TEST_F(WizardRoadTest, ParseSelectionListsWhatTheSelectedWrestlersNeed) {
  openExport(writeScenarioExport());
  focusControl("MAIN", ui::kWrestlerList);
  pressInWrestlers(Key::N, kControlKey);
  EZ_SETATTR("MAIN", ui::kWrestlerList, "IFocus", 1);
  pressInWrestlers(Key::Up, kControlKey);
  EXPECT_EQ(selected(ui::kWrestlerList), (std::vector<int32_t>{0, 1}));
  click(ui::kParseButton);

  // Headbutt only Rookie needs; Spike comes with Rookie's team text, which counts for every team.
  EXPECT_EQ(items(ui::kMoveListView), (Names{"Double Suplex", "Dropkick", "Lariat", "Moonsault", "Powerbomb",
                                             "Shooting Star", "Spike"}));
  EXPECT_EQ(items(ui::kDiveListView), (Names{"Corkscrew Dive"}));
  EXPECT_EQ(items(ui::kManagerList), (Names{"Manager New"}));
  EXPECT_EQ(items(ui::kTeamList), (Names{"Star Power (New Star/Champion)"}));
  EXPECT_EQ(state(ui::kMoveCountBox).text, "7");
  EXPECT_EQ(state(ui::kDiveCountBox).text, "1");
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::SelectionParsed);
  EXPECT_FALSE(state(ui::kWrestlerList).enabled);
  EXPECT_TRUE(state(ui::kImportButton).enabled);
  paintForm("MAIN");
  EXPECT_EQ(state(ui::kImportButton).lastDrawn.background, ui::kHighlightBackground);
  EXPECT_EQ(state(ui::kParseButton).lastDrawn.background, ui::kPlainBackground);
}

TEST_F(WizardRoadTest, ImportAnsweredYesWritesTheSelectionWithTheMappingAndTheNewName) {
  const std::map<std::string, std::string> before = dataFiles();
  walkToImport();
  EXPECT_EQ(column1(ui::kMoveListView)[static_cast<size_t>(rowOf(ui::kMoveListView, "Dropkick"))], "Kick");
  EXPECT_EQ(column1(ui::kDiveListView), (Names{"Twister Dive"}));
  // The counters follow the mapping: the mapped Dropkick adds no move, the renamed dive is still added.
  EXPECT_EQ(state(ui::kMoveCountBox).text, "6");
  EXPECT_EQ(state(ui::kDiveCountBox).text, "1");
  script.buttons.push_back("Yes");
  script.shown.clear();
  click(ui::kImportButton);

  const std::vector<DialogRecord> boxes = shown(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 2u);
  const DialogRecord& question = boxes[0];
  EXPECT_EQ(question.text.rfind("Please confirm that you wish to import the selected data.", 0), 0u)
      << question.text;
  EXPECT_EQ(question.text,
            "Please confirm that you wish to import the selected data.\r\n\r\n"
            "The import adds 1 wrestler, 6 moves, 1 dive, 1 manager and 1 tag team. It replaces 1 wrestler "
            "already in the database.");
  EXPECT_EQ(question.icon, DialogIcon::Question);
  EXPECT_EQ(question.defaultButton, "No");
  EXPECT_EQ(question.answer, "Yes");
  EXPECT_EQ(question.title, "ZOR 7 SE Export File Wizard, Build 1.630");
  EXPECT_NE(question.details.find("Moves added (6):"), std::string::npos) << question.details;
  EXPECT_GE(question.detailRows, 15) << "the details are readable without scrolling every few lines";
  EXPECT_NE(question.details.find("Dropkick -> existing move 2 (Kick)"), std::string::npos);
  EXPECT_NE(question.details.find("Corkscrew Dive renamed to Twister Dive"), std::string::npos);
  EXPECT_EQ(boxes[1].text, "The selected wrestlers were imported successfully.");
  EXPECT_EQ(boxes[1].icon, DialogIcon::Information);

  // Wrestlers 4 New Star (added) and 2 Champion (replaced); Dropkick is the database's Kick, so six
  // new moves: Moonsault 5, Powerbomb 6, Lariat 7, Double Suplex 8, Spike 9, Shooting Star 10.
  EXPECT_EQ(lines("zor.inf"), (Names{" 4 ", " 10 ", " 3 "}));
  EXPECT_EQ(lines("wrestlrs.dat")[0], " 4 ");
  EXPECT_EQ(lines("moves.dat")[0], " 10 ");
  EXPECT_EQ(lines("dives.dat")[0], " 3 ");
  EXPECT_EQ(lines("managers.dat")[0], " 3 ");
  EXPECT_EQ(lines("teams.dat")[0], " 2 ");
  const Names star = testsupport::recordOf(data("wrestlrs.dat"), 120, 4);
  ASSERT_EQ(star.size(), 120u);
  EXPECT_EQ(star[0], "New Star");
  EXPECT_EQ(star[2], "5");
  EXPECT_EQ(star[3], "3");
  EXPECT_EQ(star[54], std::to_string(2 | (6 << 16)));  // the mapped reference: Dropkick -> Kick
  EXPECT_EQ(star[83], "3");                            // the renamed dive, added as dive 3
  EXPECT_EQ(testsupport::recordOf(data("wrestlrs.dat"), 120, 2)[2], "7");
  Names moveNames;
  for (int k = 1; k <= 10; ++k) moveNames.push_back(testsupport::recordOf(data("moves.dat"), 27, k)[0]);
  EXPECT_EQ(moveNames, (Names{"a Punch", "a Kick", "an Elbow Drop", "a Suplex", "a Moonsault", "a Powerbomb",
                              "a Lariat", "a Double Suplex", "a Spike", "a Shooting Star"}));
  const Names dive = testsupport::recordOf(data("dives.dat"), 10, 3);
  EXPECT_EQ(dive[0], "a Twister Dive");
  EXPECT_EQ(dive[2], "6");  // its move, the Powerbomb
  EXPECT_EQ(testsupport::recordOf(data("teams.dat"), 10, 2)[3], "!5-8/NeSt");
  EXPECT_EQ(testsupport::readFileBytes(data("wrestlrs.dat.bak")), before.at("wrestlrs.dat"));

  expectResetWizard();
  EXPECT_EQ(state(ui::kMoveCountBox).text, "6");  // the counters are not reset
  EXPECT_EQ(db::catalogue().WrestlerCount, 4);
  EXPECT_EQ(db::catalogue().MoveCount, 10);
  EXPECT_EQ(db::catalogue().DiveCount, 3);
}

TEST_F(WizardRoadTest, ImportAnsweredNoLeavesTheDatabaseAsItWasAndResetsTheWizard) {
  walkToImport();
  // Changed behind the wizard's back: only a reload of the database sees it.
  folder.writeObjects({testsupport::objectSpec("a Steel Chair")});
  const std::map<std::string, std::string> before = dataFiles();
  ASSERT_EQ(db::catalogue().ObjectCount, 0);
  script.buttons.push_back("No");
  script.shown.clear();
  click(ui::kImportButton);

  const std::vector<DialogRecord> boxes = shown(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].answer, "No");
  EXPECT_EQ(dataFiles(), before);  // nor is any new file left beside the database
  expectResetWizard();
  EXPECT_EQ(db::catalogue().ObjectCount, 1);
  EXPECT_EQ(db::catalogue().MoveCount, 4);
}

TEST_F(WizardRoadTest, ASecondImportClickDuringTheRunHasNoEffect) {
  walkToImport();
  int pumps = 0;
  const services::EventPump windowPump = services::setEventPump([&pumps](int32_t count) {
    if (++pumps == 1) {
      clickButton("MAIN", ui::kImportButton);
      injectEvent("MAIN", ui::kImportButton, kEventClick, 0);
    }
    EZ_DOEVENTS(count);
  });
  script.buttons.push_back("Yes");
  script.shown.clear();
  click(ui::kImportButton);
  services::setEventPump(windowPump);

  EXPECT_GT(pumps, 0);  // the window was kept painting during the write-out
  const std::vector<DialogRecord> boxes = shown(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 2u);  // one question, one success: one run
  EXPECT_EQ(lines("wrestlrs.dat")[0], " 4 ");
  EXPECT_FALSE(fs::exists(data("wrestlrs.dat.bak1")));
}

// A file that cannot be listed leaves the wizard where it was: after an import nothing is open, so
// there is nothing to parse or import; with an export open, it stays open as it was.
TEST_F(WizardRoadTest, AFailedOpenLeavesThePhaseAsItWas) {
  walkToImport();
  script.buttons.push_back("Yes");
  click(ui::kImportButton);
  const std::map<std::string, std::string> imported = dataFiles();

  const std::string notAnExport = writeExport({"just some text"}, "notes.zor", false);
  script.shown.clear();
  openExport(notAnExport);
  ASSERT_EQ(shown(DialogKind::MessageBox).size(), 1u);
  EXPECT_EQ(shown(DialogKind::MessageBox)[0].text,
            "File couldn't be identified as a ZOR export file.\r\n" + notAnExport);
  expectResetWizard();
  EXPECT_EQ(dataFiles(), imported);

  openExport(writeScenarioExport());
  click(ui::kParseButton);
  const Names moves = items(ui::kMoveListView);
  openExport(notAnExport);
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::SelectionParsed);
  EXPECT_TRUE(state(ui::kImportButton).enabled);
  EXPECT_EQ(items(ui::kMoveListView), moves);
  EXPECT_EQ(items(ui::kWrestlerList).size(), 3u);
}

TEST_F(WizardRoadTest, CancellingTheFileDialogChangesNothing) {
  openExport(writeScenarioExport());
  click(ui::kParseButton);
  script.files.push_back({});
  click(ui::kOpenButton);
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::SelectionParsed);
  EXPECT_EQ(items(ui::kWrestlerList).size(), 3u);
  EXPECT_FALSE(items(ui::kMoveListView).empty());
}

TEST_F(WizardRoadTest, AnObjectExportIsImportedAtOnceAndLeavesThePhase) {
  folder.writeObjects({testsupport::objectSpec("a Steel Chair")});
  db::LOADDBS(db::catalogue(), ".", 1, 0, {});
  testsupport::ExportLines lines{"ZOR 7 SE Object Export", "[Exported Objects]", "3"};
  for (const char* name : {"a Steel Chair", "a Wooden Table", "a Ladder"}) {
    const Names record = testsupport::objectSpec(name).toLines();
    lines.insert(lines.end(), record.begin(), record.end());
  }
  const std::string objects = writeExport(lines, "objects.ZOR");
  script.shown.clear();
  openExport(objects);
  const std::vector<DialogRecord> boxes = shown(DialogKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "2 foreign objects have been imported successfully. 1 was already in the database.");
  EXPECT_EQ(boxes[0].icon, DialogIcon::Information);
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::NothingOpen);
  EXPECT_FALSE(state(ui::kParseButton).enabled);
  EXPECT_EQ(this->lines("objects.dat")[0], " 3 ");
  EXPECT_EQ(db::catalogue().ObjectCount, 3);

  // With a wrestler export open, the lists and the phase stay as they are.
  openExport(writeScenarioExport());
  openExport(objects);
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::ExportListed);
  EXPECT_EQ(items(ui::kWrestlerList).size(), 3u);
  EXPECT_EQ(shown(DialogKind::MessageBox).back().text,
            "0 foreign objects have been imported successfully. 3 were already in the database.");
}

}  // namespace
