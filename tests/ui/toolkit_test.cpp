#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit_fixture.h"
#include "ui/toolkit/dialog_script.h"
#include "ui/toolkit/list_columns.h"
#include "ui/toolkit/test_hooks.h"
#include "ui/toolkit/text.h"
#include "ui/toolkit/toolkit.h"

namespace {

using namespace ui::toolkit;
using uitest::ToolkitTest;

TEST(AcceleratorTableTest, KeysWithCtrlAndShiftPrefixesGiveTheirIds) {
  const auto table = parseAccelerators("^A,9999|^N,9998|$^DOWN,9994|^up,9995|@F4,7|bad|^?,3|");
  ASSERT_EQ(table.size(), 5u);
  const auto keys = [&table](size_t i) { return std::pair{table[i].key, table[i].modifiers}; };
  EXPECT_EQ(keys(0), std::pair(Key::A, kControlKey));
  EXPECT_EQ(table[0].id, 9999);
  EXPECT_EQ(keys(2), std::pair(Key::Down, kControlKey | kShiftKey));
  EXPECT_EQ(keys(3), std::pair(Key::Up, kControlKey));
  EXPECT_EQ(keys(4), std::pair(static_cast<Key>(static_cast<int32_t>(Key::F1) + 3), kAltKey));
  EXPECT_EQ(table[4].id, 7);
}

TEST(ListColumnSpecTest, TitlesAndWidthsAreSplitAtBars) {
  const auto columns = parseListColumns("Move in Export File{25}|Map to Existing Move{25}");
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[0].title, "Move in Export File");
  EXPECT_EQ(columns[0].width, 25);
  EXPECT_EQ(columns[1].title, "Map to Existing Move");
  const auto plain = parseListColumns("Name|Value{8}");
  ASSERT_EQ(plain.size(), 2u);
  EXPECT_EQ(plain[0].width, 0);
  EXPECT_EQ(plain[1].width, 8);
  EXPECT_TRUE(parseListColumns("").empty());
}

TEST(CaptionTest, MnemonicMarkersAreDropped) {
  EXPECT_EQ(withoutMnemonic("&Open && Close"), "Open & Close");
}

TEST_F(ToolkitTest, TheFormOfTheCurrentEventIsMe) {
  std::string caption;
  answer = [&](int32_t id, int32_t code, int32_t, int32_t&) {
    if (id == 5 && code == kEventClick) caption = EZ_GETTEXT("{ME}", 0);
  };
  makeForm([] { EZ_ODBUTTON(5, 1, 1, 10, 2, "&Go", "T"); });
  clickButton("test", 5);
  EXPECT_EQ(caption, "Test form");
}

TEST_F(ToolkitTest, ASortedListKeepsItsItemsInOrderIgnoringCase) {
  makeForm([] {
    EZ_LISTBOX(1, 1, 1, 20, 10, "", "AMSTV");
    EZ_LISTBOX(2, 1, 12, 20, 10, "", "STV");
  });
  EZ_ADDITEMS("Test", 1, "delta|Bravo|alpha|Charlie|bravo");
  EXPECT_EQ(controlState("Test", 1).items,
            (std::vector<std::string>{"alpha", "Bravo", "bravo", "Charlie", "delta"}));
  EZ_ADDITEMS("Test", 2, "b|a||c");
  EXPECT_EQ(controlState("Test", 2).items, (std::vector<std::string>{"b", "a", "", "c"}));
  EZ_ADDITEMS("Test", 2, "");
  EXPECT_EQ(EZ_GETATTR("Test", 2, "ICount"), 4);
  EZ_CLEAR("Test", 2);
  EXPECT_EQ(EZ_GETATTR("Test", 2, "icount"), 0);
}

TEST_F(ToolkitTest, SelectingItemsNeitherMovesTheFocusNorScrolls) {
  makeForm([] { EZ_LISTBOX(1, 1, 1, 20, 5, "", "AMSTV"); });
  std::string items;
  for (int i = 0; i < 40; ++i) items += "item " + std::string(i < 10 ? "0" : "") + std::to_string(i) + "|";
  EZ_ADDITEMS("Test", 1, items.substr(0, items.size() - 1));
  EZ_SETATTR("Test", 1, "TIndex", 12);
  EZ_SETATTR("Test", 1, "IFocus", 14);
  EXPECT_EQ(EZ_GETATTR("Test", 1, "TIndex"), 12);
  EXPECT_EQ(EZ_GETATTR("Test", 1, "IFocus"), 14);
  EXPECT_TRUE(controlState("Test", 1).selected.empty());
  for (int32_t i : {0, 2, 39}) EZ_SETSELECT("Test", 1, i, 1);
  EZ_SETSELECT("Test", 1, 2, 0);
  EXPECT_EQ(controlState("Test", 1).selected, (std::vector<int32_t>{0, 39}));
  EXPECT_EQ(EZ_GETSELECT("Test", 1, 39), 1);
  EXPECT_EQ(EZ_GETSELECT("Test", 1, 2), 0);
  EXPECT_EQ(EZ_GETATTR("Test", 1, "TIndex"), 12);
  EXPECT_EQ(EZ_GETATTR("Test", 1, "IFocus"), 14);
}

TEST_F(ToolkitTest, AComboBoxKeepsNoChoiceUntilOneIsMade) {
  makeForm([] {
    EZ_COMBOBOX(1, 1, 1, 20, 10, "", "ATV");
    EZ_SELECTITEM("Test", 1, 0);
  });
  EXPECT_EQ(controlState("Test", 1).current, -1);
  EZ_ADDITEMS("Test", 1, "--- Rename|Zeta|Alpha");
  EXPECT_EQ(EZ_GETTEXT("Test", 1), "");
  EXPECT_EQ(controlState("Test", 1).items, (std::vector<std::string>{"--- Rename", "Zeta", "Alpha"}));
  EZ_SELECTITEM("Test", 1, 2);
  EXPECT_EQ(EZ_GETTEXT("Test", 1), "Alpha");
  EZ_ADDITEMS("Test", 1, "Beta");
  EXPECT_EQ(EZ_GETTEXT("Test", 1), "Alpha");
  EZ_CLEAR("Test", 1);
  EXPECT_EQ(EZ_GETTEXT("Test", 1), "");
  EXPECT_TRUE(withCode(kEventChange).empty());
}

TEST_F(ToolkitTest, ListViewRowsKeepTheirTextsAndNumbersThroughSorting) {
  makeForm([] { EZ_LISTVIEW(1, 1, 1, 40, 10, "First{10}|Second{10}", "-#STV"); });
  for (const char* name : {"suplex", "Armbar", "piledriver", "armbar"}) EZ_ADDLVITEM("Test", 1, name);
  EZ_SETLVITEM("Test", 1, 0, 1, "mapped");
  EZ_SETLVLONG("Test", 1, 0, 9999);
  EZ_SETLVITEM("Test", 1, 0, 5, "ignored");
  EXPECT_EQ(EZ_GETLVLONG("Test", 1, 1), 0);
  EZ_SORTLV("Test", 1, 0);
  EXPECT_EQ(controlState("Test", 1).items,
            (std::vector<std::string>{"Armbar", "armbar", "piledriver", "suplex"}));
  EXPECT_EQ(EZ_GETLVITEMTEXT("Test", 1, 3, 1), "mapped");
  EXPECT_EQ(EZ_GETLVLONG("Test", 1, 3), 9999);
  EXPECT_EQ(EZ_GETLVITEMTEXT("Test", 1, 9, 0), "");
  EXPECT_EQ(EZ_GETATTR("Test", 1, "ICount"), 4);
  EZ_SORTLV("Test", 1, 0, 1);
  EXPECT_EQ(controlState("Test", 1).items.front(), "suplex");
}

TEST_F(ToolkitTest, AButtonNotDrawnByTheProgramStillPaintsAndRemembersNothing) {
  makeForm([] { EZ_ODBUTTON(5, 1, 1, 10, 2, "&Go", "T"); });
  paintForm("Test");
  EXPECT_FALSE(withCode(kEventOwnerDraw).empty());
  EXPECT_FALSE(controlState("Test", 5).lastDrawn.drawn);
  EXPECT_EQ(controlState("Test", 5).accessibleName, "Go");
}

TEST_F(ToolkitTest, LayersShowAndHideTheirControlsButLayerZeroStays) {
  makeForm([] {
    EZ_SETLAYER(1);
    EZ_LABEL(1, 1, 1, 10, 1, "one", "");
    EZ_SETLAYER(2);
    EZ_LABEL(2, 1, 3, 10, 1, "two", "");
    EZ_SETLAYER(0);
    EZ_LABEL(3, 1, 5, 10, 1, "always", "");
    EZ_DISPLAYLAYER("{ME}", 1, 32);
  });
  EXPECT_TRUE(controlState("Test", 1).visible);
  EXPECT_FALSE(controlState("Test", 2).visible);
  EXPECT_TRUE(controlState("Test", 3).visible);
  EZ_DISPLAYLAYER("TEST", 2, 32);
  EXPECT_FALSE(controlState("Test", 1).visible);
  EXPECT_TRUE(controlState("Test", 2).visible);
  EXPECT_TRUE(controlState("Test", 3).visible);
}

TEST_F(ToolkitTest, MultiLineTextKeepsCrLfLineEnds) {
  makeForm([] {
    EZ_TEXT(1, 1, 1, 30, 10, "", "MSTV");
    EZ_TEXT(2, 1, 12, 10, 1, "", "E");
  });
  EZ_SETTEXT("Test", 1, "Imported: b.zor\r\nImport failed: a.zor\r\n");
  EXPECT_EQ(EZ_GETTEXT("Test", 1), "Imported: b.zor\r\nImport failed: a.zor\r\n");
  EZ_SETTEXT("Test", 2, "12");
  EXPECT_EQ(EZ_GETTEXT("Test", 2), "12");
  EXPECT_TRUE(withCode(kEventChange).empty());
}

TEST_F(ToolkitTest, TheProgressBarTakesRangeAndPosition) {
  makeForm([] { EZ_PROGRESSBAR(1, 1, 1, 30, 2, ""); });
  EZ_SETPBAR("Test", 1, 2, 0, 5);
  const ControlState bar = controlState("Test", 1);
  EXPECT_EQ(bar.progress, 2);
  EXPECT_EQ(bar.progressHigh, 5);
  EZ_SETPBAR("Test", 1, 9, 0, 5);
  EXPECT_EQ(controlState("Test", 1).progress, 5);
}

TEST_F(ToolkitTest, TheClosingEventCanBeCancelledByTheUserButNotByUnload) {
  answer = [](int32_t id, int32_t code, int32_t, int32_t& cancel) {
    if (id == 0 && code == kEventClosing) cancel = 1;
  };
  makeForm([] {});
  closeWindow("Test");
  EXPECT_EQ(liveFormCount(), 1u);
  EZ_UNLOADFORM("Test");
  EXPECT_EQ(liveFormCount(), 0u);
  EXPECT_EQ(withCode(kEventClosing).size(), 2u);
}

TEST_F(ToolkitTest, AWindowClosedDuringAnEventClosesWhenTheEventIsDone) {
  size_t formsDuringEvent = 0;
  answer = [&](int32_t id, int32_t code, int32_t, int32_t&) {
    if (id != 5 || code != kEventClick) return;
    closeWindow("Test");
    formsDuringEvent = liveFormCount();
  };
  makeForm([] { EZ_ODBUTTON(5, 1, 1, 10, 2, "&Go", "T"); });
  clickButton("Test", 5);
  EXPECT_EQ(formsDuringEvent, 1u);
  EXPECT_TRUE(withCode(kEventClosing).empty());
  handlePendingEvents();
  EXPECT_EQ(liveFormCount(), 0u);
  EXPECT_EQ(withCode(kEventClosing).size(), 1u);
}

TEST_F(ToolkitTest, TheMultiSelectDialogGivesOnePathOrTheFolderAndNames) {
  EXPECT_EQ(multiSelectResult({"/games/exports/a.zor"}), "/games/exports/a.zor");
  EXPECT_EQ(multiSelectResult({"/games/exports/a.zor", "/games/exports/b c.zor"}),
            "/games/exports|a.zor|b c.zor");
  EXPECT_EQ(multiSelectResult({}), "");

  script.files.push_back({"/x/one.zor", "/x/two.zor"});
  script.files.push_back({"/x/one.zor", "/x/two.zor"});
  script.files.push_back({});
  std::string buffer(1000000, '\0');
  int32_t size = static_cast<int32_t>(buffer.size());
  EXPECT_EQ(QX_FILEOPENDIALOG(buffer, size, "Please select export files to add.", "ZOR Export Files|*.zor|"),
            18);
  EXPECT_EQ(buffer.substr(0, size), "/x|one.zor|two.zor");
  EXPECT_EQ(script.shown.back().kind, DialogKind::OpenFiles);
  EXPECT_EQ(script.shown.back().title, "Please select export files to add.");

  std::string small(8, '\0');
  int32_t room = 8;
  EXPECT_EQ(QX_FILEOPENDIALOG(small, room, "t", ""), 0);  // does not fit
  int32_t again = 100;
  EXPECT_EQ(QX_FILEOPENDIALOG(buffer, again, "t", ""), 0);  // cancelled
}

TEST_F(ToolkitTest, TheOpenFileDialogAndTheTextInputAnswerFromTheScript) {
  script.files.push_back({"/x/chosen.zor"});
  EXPECT_EQ(EZ_OPENFILE("MAIN", "Please select an export file to open.", "", "ZOR Export Files|*.zor|", "R"),
            "/x/chosen.zor");
  EXPECT_EQ(script.shown.back().nameFilters, (std::vector<std::string>{"ZOR Export Files (*.zor)"}));
  EXPECT_EQ(EZ_OPENFILE("MAIN", "t", "", "", "R"), "");

  script.texts.push_back(std::string("Tiger Driver"));
  script.texts.push_back(std::nullopt);
  EXPECT_EQ(askText("Please enter the move's new name (without the article).", "Title", "Driver"),
            "Tiger Driver");
  EXPECT_EQ(script.shown.back().initialText, "Driver");
  EXPECT_EQ(script.shown.back().text, "Please enter the move's new name (without the article).");
  EXPECT_EQ(askText("p", "t", "initial"), "");
}

}  // namespace
