// The wrestler list's keys and drawing, and mapping or renaming rows of the list views.
#include <gtest/gtest.h>

#include "road_fixture.h"
#include "support/game_records.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/export_lists.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/toolkit.h"
#include "ui/wrestlers/main_shortcuts.h"
#include "ui/wrestlers/wrestler_item_style.h"
#include "ui/wrestlers/wrestler_selection.h"
#include "wrestler_list_fixture.h"

namespace {

using namespace ui::toolkit;
using uitest::RoadTest;
using uitest::WrestlerListTest;

using Names = std::vector<std::string>;
using Indexes = std::vector<int32_t>;

Indexes range(int32_t from, int32_t to) {
  Indexes indexes;
  for (int32_t i = from; i <= to; ++i) indexes.push_back(i);
  return indexes;
}

TEST(WrestlerItemStyleTest, TheFirstMatchingRuleChoosesTheColoursAndSelectedItemsAreBold) {
  struct Case {
    char letter;
    bool selected, disabled, focus;
    int32_t text, background;
  };
  for (const Case& c : {Case{'M', false, true, true, 0, 31}, Case{'F', true, true, false, 0, 31},
                        Case{'M', false, false, true, 15, 3}, Case{'F', true, false, true, 14, 3},
                        Case{'M', true, false, false, 9, 27}, Case{'F', true, false, false, 9, 28},
                        Case{'M', false, false, false, 0, 27}, Case{'F', false, false, false, 0, 28},
                        Case{'X', false, false, false, 0, 28}}) {
    const ui::WrestlerItemStyle style = ui::wrestlerItemStyle(c.letter, c.selected, c.disabled, c.focus);
    EXPECT_EQ(style.text, c.text) << c.letter << c.selected << c.disabled << c.focus;
    EXPECT_EQ(style.background, c.background) << c.letter << c.selected << c.disabled << c.focus;
    EXPECT_EQ(style.bold, c.selected);
  }
}

TEST(WrestlerSelectionTest, EachModeChangesItsItemsAndLeavesTheOthers) {
  EXPECT_EQ(ui::selectionAfter(ui::kSelectAll, 3, 0, 0), 1);
  EXPECT_EQ(ui::selectionAfter(ui::kSelectNone, 3, 0, 1), 0);
  EXPECT_EQ(ui::selectionAfter(ui::kInvertSelection, 3, 0, 1), 0);
  EXPECT_EQ(ui::selectionAfter(ui::kInvertSelection, 3, 0, 0), 1);
  EXPECT_EQ(ui::selectionAfter(ui::kSelectDownwards, 5, 5, 0), 1);
  EXPECT_EQ(ui::selectionAfter(ui::kSelectDownwards, 4, 5, 0), 0);
  EXPECT_EQ(ui::selectionAfter(ui::kSelectUpwards, 5, 5, 0), 1);
  EXPECT_EQ(ui::selectionAfter(ui::kSelectUpwards, 6, 5, 0), 0);
  EXPECT_EQ(ui::selectionAfter(ui::kDeselectDownwards, 5, 5, 1), 0);
  EXPECT_EQ(ui::selectionAfter(ui::kDeselectDownwards, 4, 5, 1), 1);
  EXPECT_EQ(ui::selectionAfter(ui::kDeselectUpwards, 5, 5, 1), 0);
  EXPECT_EQ(ui::selectionAfter(ui::kDeselectUpwards, 6, 5, 1), 1);
  EXPECT_EQ(ui::selectionAfter(7, 1, 0, 1), 1);
}

TEST_F(WrestlerListTest, AShortcutWithTheFocusElsewhereDoesNothing) {
  openExport(writeScenarioExport());
  focusControl("MAIN", ui::kTeamList);
  for (Key key : {Key::A, Key::N, Key::I}) pressInWrestlers(key, kControlKey);
  pressInWrestlers(Key::Down, kControlKey | kShiftKey);
  EXPECT_EQ(selected(ui::kWrestlerList), (Indexes{0, 2}));
  EXPECT_EQ(EZ_GETFOCUSID("MAIN"), ui::kTeamList);
}

TEST_F(WrestlerListTest, CtrlAAndCtrlNSelectAllAndNone) {
  openExport(writeScenarioExport());
  focusItem(1);
  pressInWrestlers(Key::A, kControlKey);
  EXPECT_EQ(selected(ui::kWrestlerList), (Indexes{0, 1, 2}));
  pressInWrestlers(Key::N, kControlKey);
  EXPECT_TRUE(selected(ui::kWrestlerList).empty());
  EXPECT_EQ(EZ_GETATTR("MAIN", ui::kWrestlerList, "IFocus"), 1);
}

TEST_F(WrestlerListTest, CtrlIInvertsItemsZeroAndTwoOfThree) {
  openExport(writeScenarioExport());
  ASSERT_EQ(selected(ui::kWrestlerList), (Indexes{0, 2}));
  focusItem(0);
  pressInWrestlers(Key::I, kControlKey);
  EXPECT_EQ(selected(ui::kWrestlerList), (Indexes{1}));
}

TEST_F(WrestlerListTest, CtrlDownOnTheFirstSelectsAllAndCtrlShiftUpOnTheLastDeselectsAll) {
  openManyWrestlers(6);
  focusItem(0);
  pressInWrestlers(Key::N, kControlKey);
  pressInWrestlers(Key::Down, kControlKey);
  EXPECT_EQ(selected(ui::kWrestlerList), range(0, 5));
  EZ_SETATTR("MAIN", ui::kWrestlerList, "IFocus", 5);
  pressInWrestlers(Key::Up, kControlKey | kShiftKey);
  EXPECT_TRUE(selected(ui::kWrestlerList).empty());
}

TEST_F(WrestlerListTest, TheDirectedKeysChangeOnlyTheirSideOfTheCurrentItem) {
  openManyWrestlers(6);
  focusItem(2);
  pressInWrestlers(Key::Down, kControlKey | kShiftKey);
  EXPECT_EQ(selected(ui::kWrestlerList), range(0, 1));
  EZ_SETATTR("MAIN", ui::kWrestlerList, "IFocus", 3);
  pressInWrestlers(Key::Down, kControlKey);
  EXPECT_EQ(selected(ui::kWrestlerList), (Indexes{0, 1, 3, 4, 5}));
  EZ_SETATTR("MAIN", ui::kWrestlerList, "IFocus", 1);
  pressInWrestlers(Key::Up, kControlKey | kShiftKey);
  EXPECT_EQ(selected(ui::kWrestlerList), range(3, 5));
  EZ_SETATTR("MAIN", ui::kWrestlerList, "IFocus", 4);
  pressInWrestlers(Key::Up, kControlKey);
  EXPECT_EQ(selected(ui::kWrestlerList), range(0, 5));
}

TEST_F(WrestlerListTest, CtrlIInALongListNeitherScrollsNorMovesTheFocus) {
  openManyWrestlers(120);
  focusItem(0);
  EZ_SETATTR("MAIN", ui::kWrestlerList, "TIndex", 30);
  EZ_SETATTR("MAIN", ui::kWrestlerList, "IFocus", 45);
  EZ_SETSELECT("MAIN", ui::kWrestlerList, 50, 0);
  const int32_t top = EZ_GETATTR("MAIN", ui::kWrestlerList, "TIndex");
  ASSERT_EQ(top, 30);
  pressInWrestlers(Key::I, kControlKey);
  EXPECT_EQ(selected(ui::kWrestlerList), (Indexes{50}));
  EXPECT_EQ(EZ_GETATTR("MAIN", ui::kWrestlerList, "TIndex"), top);
  EXPECT_EQ(EZ_GETATTR("MAIN", ui::kWrestlerList, "IFocus"), 45);
  EXPECT_EQ(EZ_GETFOCUSID("MAIN"), ui::kWrestlerList);
}

TEST_F(RoadTest, ANameListShowsAnEmptyNameWhereverItStands) {
  ui::showNames(ui::kManagerList, {"", "Bulldog Manager", "Agent"});
  EXPECT_EQ(items(ui::kManagerList), (Names{"", "Agent", "Bulldog Manager"}));
  ui::showNames(ui::kManagerList, {"Agent", "", "Bulldog Manager"});
  EXPECT_EQ(items(ui::kManagerList), (Names{"", "Agent", "Bulldog Manager"}));
  ui::showNames(ui::kTeamList, {});
  EXPECT_TRUE(items(ui::kTeamList).empty());
}

class MappingTest : public RoadTest {
 protected:
  void SetUp() override {
    RoadTest::SetUp();
    openExport(writeScenarioExport());
    click(ui::kParseButton);
  }
  int32_t number(int32_t listView, const std::string& name) {
    return EZ_GETLVLONG("MAIN", listView, rowOf(listView, name));
  }
  std::string mapping(int32_t listView, const std::string& name) {
    return column1(listView).at(static_cast<size_t>(rowOf(listView, name)));
  }
};

TEST_F(MappingTest, NothingChosenInTheComboBoxMapsNothing) {
  doubleClickRow(ui::kMoveListView, "Moonsault");
  EXPECT_EQ(mapping(ui::kMoveListView, "Moonsault"), "");
  EXPECT_TRUE(shown(DialogKind::TextInput).empty());
  injectEvent("MAIN", ui::kMoveListView, kEventDoubleClick, -1);
  choose(ui::kMapMovesCombo, "Kick");
  injectEvent("MAIN", ui::kMoveListView, kEventDoubleClick, -1);
  injectEvent("MAIN", ui::kMoveListView, kEventListViewNotify, 0);
  for (const std::string& text : column1(ui::kMoveListView)) EXPECT_EQ(text, "");
}

TEST_F(MappingTest, RenameAsksWithTheRowsNameThenAMappingReplacesTheNewName) {
  choose(ui::kMapMovesCombo, "--- Rename");
  script.texts.push_back("Big Moonsault");
  doubleClickRow(ui::kMoveListView, "Moonsault");
  const std::vector<DialogRecord> asked = shown(DialogKind::TextInput);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "Please enter the move's new name (without the article).");
  EXPECT_EQ(asked[0].title, "ZOR 7 SE Export File Wizard, Build 1.630");
  EXPECT_EQ(asked[0].initialText, "Moonsault");
  EXPECT_EQ(mapping(ui::kMoveListView, "Moonsault"), "Big Moonsault");
  EXPECT_EQ(number(ui::kMoveListView, "Moonsault"), 9999);

  choose(ui::kMapMovesCombo, "Suplex");
  doubleClickRow(ui::kMoveListView, "Moonsault");
  EXPECT_EQ(mapping(ui::kMoveListView, "Moonsault"), "Suplex");
  EXPECT_EQ(number(ui::kMoveListView, "Moonsault"), 0);
  EXPECT_EQ(shown(DialogKind::TextInput).size(), 1u);
}

TEST_F(MappingTest, ACancelledRenameTurnsTheRowBackIntoAnImportUnderItsOwnName) {
  choose(ui::kMapDivesCombo, "--- Rename");
  script.texts.push_back("Twister Dive");
  doubleClickRow(ui::kDiveListView, "Corkscrew Dive");
  script.texts.push_back(std::nullopt);
  doubleClickRow(ui::kDiveListView, "Corkscrew Dive");
  EXPECT_EQ(mapping(ui::kDiveListView, "Corkscrew Dive"), " ");
  EXPECT_EQ(number(ui::kDiveListView, "Corkscrew Dive"), 0);
  EXPECT_EQ(shown(DialogKind::TextInput).back().text,
            "Please enter the move's new name (without the article).");
}

TEST_F(MappingTest, ParseSelectionAgainDiscardsTheMappings) {
  choose(ui::kMapMovesCombo, "Kick");
  doubleClickRow(ui::kMoveListView, "Dropkick");
  ASSERT_EQ(mapping(ui::kMoveListView, "Dropkick"), "Kick");
  ui::REFRESHDISPLAY();
  EXPECT_EQ(mapping(ui::kMoveListView, "Dropkick"), "");
  EXPECT_EQ(number(ui::kMoveListView, "Dropkick"), 0);
}

}  // namespace
