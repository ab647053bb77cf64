#include <gtest/gtest.h>

#include "ui/form/control_ids.h"
#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/test_hooks.h"
#include "ui/toolkit/toolkit.h"
#include "wizard_fixture.h"

namespace {

using namespace ui::toolkit;
using uitest::WizardTest;

struct Expected {
  int32_t id;
  ControlKind kind;
  int32_t layer;
  double column, row, width, height;
  std::string text;
};

// The combo boxes' height is that of their open list, so only their place and width are checked.
const std::vector<Expected> kControls = {
    {100, ControlKind::ComboBox, 1, 53, 3.0625, 36, -1, ""},
    {105, ControlKind::ComboBox, 1, 53, 24.6875, 36, -1, ""},
    {110, ControlKind::Button, 1, 1, 0.25, 33, 2, "&Open Export File"},
    {115, ControlKind::OwnerDrawnList, 1, 1, 3, 33, 39.25, ""},
    {120, ControlKind::ListView, 1, 36, 5, 53, 17.375, ""},
    {125, ControlKind::ListView, 1, 36, 26.4375, 53, 12.875, ""},
    {130, ControlKind::ListBox, 1, 91, 3, 33, 11, ""},
    {135, ControlKind::ListBox, 1, 91, 16.4375, 33, 22.8125, ""},
    {140, ControlKind::Label, 1, 45.75, 3.5, 6.625, 1, "Map To:"},
    {145, ControlKind::Label, 1, 45.75, 24.9375, 6.625, 1, "Map To:"},
    {150, ControlKind::Button, 1, 36, 0.25, 53, 2, "&Parse Selection"},
    {155, ControlKind::TextBox, 1, 36.125, 3.6875, 10, 1, ""},
    {160, ControlKind::TextBox, 1, 36, 25.125, 10, 1, ""},
    {165, ControlKind::Label, 1, 1, 42.125, 33, 1.5, "WRESTLERS"},
    {170, ControlKind::Label, 1, 36, 22.375, 53, 1.5, "MOVES"},
    {175, ControlKind::Label, 1, 36, 39.25, 53, 1.5, "DIVES"},
    {180, ControlKind::Label, 1, 91, 14, 33, 1.5, "MANAGERS"},
    {185, ControlKind::Label, 1, 91, 39.25, 33, 1.5, "TAG TEAMS"},
    {190, ControlKind::Button, 1, 91, 0.25, 33, 2, "&Import File"},
    {2, ControlKind::Button, 1, 108, 41.625, 16, 2, "&Quit"},
    {195, ControlKind::Button, 1, 91, 41.625, 16, 2, "&Help"},
    {200, ControlKind::Button, 1, 36, 41.625, 20, 2, "&Batch Import"},
    {205, ControlKind::Button, 2, 108, 41.625, 16, 2, "&Close"},
    {210, ControlKind::ListBox, 2, 1, 3, 67, 39.25, ""},
    {215, ControlKind::Label, 2, 1, 42.125, 67, 1.5, "EXPORT FILES"},
    {220, ControlKind::Button, 2, 1, 0.25, 67, 2, "&Add Export Files"},
    {225, ControlKind::Button, 2, 71, 0.25, 53, 2, "&Import Batch"},
    {230, ControlKind::Label, 2, 71, 3, 53, 1.1875, "Export Files will be imported as-is. Wrestlers which"},
    {235, ControlKind::Label, 2, 71, 4.375, 53, 1.1875, "exist already will be overwritten."},
    {240, ControlKind::ProgressBar, 2, 71, 6, 53, 2, ""},
    {245, ControlKind::TextBox, 2, 71, 9, 53, 32, ""},
    {260, ControlKind::Button, 2, 71, 41.625, 35, 2, "&Undo Last Import"},
    {250, ControlKind::TextBox, 0, 125, 0, 41, 44, ""},
};

class LayoutTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    writeDatabase();
    startWizard();
  }
};

TEST_F(LayoutTest, EveryControlHasItsKindLayerPlaceAndText) {
  for (const Expected& expected : kControls) {
    SCOPED_TRACE("control " + std::to_string(expected.id));
    const ControlState state = controlState("MAIN", expected.id);
    ASSERT_TRUE(state.exists);
    EXPECT_EQ(state.kind, expected.kind);
    EXPECT_EQ(state.layer, expected.layer);
    EXPECT_DOUBLE_EQ(state.column, expected.column);
    EXPECT_DOUBLE_EQ(state.row, expected.row);
    EXPECT_DOUBLE_EQ(state.width, expected.width);
    if (expected.height >= 0) {
      EXPECT_DOUBLE_EQ(state.height, expected.height);
    }
    if (expected.id != ui::kHelpPanel) {
      EXPECT_EQ(state.text, expected.text);
    }
  }
  EXPECT_EQ(toolkit().forms.front()->controls.size(), kControls.size());
}

TEST_F(LayoutTest, ControlsAreCreatedInTheOrderOfTheTable) {
  std::vector<int32_t> order;
  for (const auto& control : toolkit().forms.front()->controls) order.push_back(control->id);
  std::vector<int32_t> expected;
  for (const Expected& control : kControls) expected.push_back(control.id);
  EXPECT_EQ(order, expected);
}

TEST_F(LayoutTest, TheWindowIsExactly125By44AndTheHelpPanelLiesOutsideIt) {
  double column, row, width, height;
  EZ_GETPOS("MAIN", 0, column, row, width, height);
  EXPECT_EQ(width, 125);
  EXPECT_EQ(height, 44);
  const ControlState help = controlState("MAIN", ui::kHelpPanel);
  EXPECT_EQ(help.column, 125);
  EXPECT_FALSE(help.visible);
}

TEST_F(LayoutTest, AfterStartTheWizardShowsAndTheBatchViewDoesNot) {
  for (const Expected& expected : kControls) {
    SCOPED_TRACE("control " + std::to_string(expected.id));
    const bool shown = controlState("MAIN", expected.id).visible;
    EXPECT_EQ(shown, expected.layer == 1);
  }
}

TEST_F(LayoutTest, CaptionsAreCentredBoldArialCreamOnNavy) {
  const ControlState caption = controlState("MAIN", ui::kWrestlersLabel);
  EXPECT_EQ(caption.textColour, *paletteColour(22));
  EXPECT_EQ(caption.backColour, *paletteColour(1));
  EXPECT_EQ(caption.fontPoints, 16);
  EXPECT_TRUE(caption.fontBold);
}

TEST_F(LayoutTest, ListsCarryTheirBackgrounds) {
  EXPECT_EQ(controlState("MAIN", ui::kManagerList).backColour, (Rgb{253, 221, 189}));
  EXPECT_EQ(controlState("MAIN", ui::kWrestlerList).backColour, *paletteColour(ui::kTooltipColour));
  EXPECT_EQ(controlState("MAIN", ui::kTeamList).backColour, *paletteColour(30));
  EXPECT_EQ(controlState("MAIN", ui::kMoveListView).backColour, *paletteColour(25));
  EXPECT_EQ(controlState("MAIN", ui::kHelpPanel).textColour, *paletteColour(14));
  EXPECT_EQ(controlState("MAIN", ui::kHelpPanel).backColour, *paletteColour(1));
}

TEST_F(LayoutTest, EveryControlTellsAssistiveTechnologyWhatItIs) {
  const std::vector<std::pair<int32_t, std::string>> names = {
      {ui::kOpenButton, "Open Export File"},
      {ui::kQuitButton, "Quit"},
      {ui::kWrestlerList, "WRESTLERS"},
      {ui::kMoveListView, "MOVES"},
      {ui::kDiveListView, "DIVES"},
      {ui::kManagerList, "MANAGERS"},
      {ui::kTeamList, "TAG TEAMS"},
      {ui::kExportFileList, "EXPORT FILES"},
      {ui::kMapMovesCombo, "Map moves to"},
      {ui::kMoveCountBox, "Moves to import"},
      {ui::kHelpPanel, "Help"},
      {ui::kAddFilesButton, "Add Export Files"},
  };
  for (const auto& [id, name] : names) EXPECT_EQ(controlState("MAIN", id).accessibleName, name) << id;
}

TEST_F(LayoutTest, ALabelTextIsShownAndReadBackInWindows1252) {
  const std::string name = "M\xFCller \x80 \x9C";  // ü, €, œ
  EZ_SETTEXT("MAIN", ui::kWrestlersLabel, name);
  EXPECT_EQ(EZ_GETTEXT("MAIN", ui::kWrestlersLabel), name);
}

}  // namespace
