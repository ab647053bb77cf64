#include <gtest/gtest.h>

#include <algorithm>

#include "ui/form/button_style.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/test_hooks.h"
#include "ui/toolkit/toolkit.h"
#include "wizard_fixture.h"

namespace {

using namespace ui::toolkit;
using uitest::WizardTest;

class PhaseTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    writeDatabase();
    startWizard();
  }

  DrawnStyle drawnStyle(int32_t id) {
    paintForm("MAIN");
    return controlState("MAIN", id).lastDrawn;
  }
  bool highlighted(int32_t id) {
    const DrawnStyle style = drawnStyle(id);
    EXPECT_TRUE(style.drawn) << id;
    EXPECT_EQ(style.font, ui::kButtonFont) << id;
    return style.background == ui::kHighlightBackground && style.text == ui::kHighlightText;
  }
  bool plain(int32_t id) {
    const DrawnStyle style = drawnStyle(id);
    return style.drawn && style.background == ui::kPlainBackground && style.text == ui::kPlainText;
  }
  bool enabled(int32_t id) { return controlState("MAIN", id).enabled; }
  void setPhase(int32_t phase) {
    ui::wizardState().phase = static_cast<ui::Phase>(phase);
    ui::UPDATEPHASE();
  }
};

TEST_F(PhaseTest, AtStartOnlyOpenExportFileIsHighlighted) {
  EXPECT_TRUE(highlighted(ui::kOpenButton));
  EXPECT_TRUE(plain(ui::kParseButton));
  EXPECT_TRUE(plain(ui::kImportButton));
  EXPECT_FALSE(enabled(ui::kParseButton));
  EXPECT_FALSE(enabled(ui::kImportButton));
  EXPECT_FALSE(enabled(ui::kWrestlerList));
  EXPECT_TRUE(enabled(ui::kBatchButton));
  EXPECT_TRUE(enabled(ui::kOpenButton));
}

TEST_F(PhaseTest, FixedButtonsKeepTheirColours) {
  for (int32_t id : {ui::kQuitButton, ui::kHelpButton}) {
    const DrawnStyle style = drawnStyle(id);
    EXPECT_EQ(style.background, ui::kQuietBackground) << id;
    EXPECT_EQ(style.text, 0) << id;
  }
  EXPECT_EQ(drawnStyle(ui::kBatchButton).background, ui::kBatchBackground);
  setPhase(2);
  EXPECT_EQ(drawnStyle(ui::kQuitButton).background, ui::kQuietBackground);
}

TEST_F(PhaseTest, EachPhaseEnablesAndHighlightsItsStep) {
  setPhase(1);
  EXPECT_TRUE(enabled(ui::kParseButton));
  EXPECT_FALSE(enabled(ui::kImportButton));
  EXPECT_TRUE(enabled(ui::kWrestlerList));
  EXPECT_FALSE(enabled(ui::kBatchButton));
  EXPECT_TRUE(highlighted(ui::kParseButton));
  EXPECT_TRUE(plain(ui::kOpenButton));

  setPhase(2);
  EXPECT_FALSE(enabled(ui::kParseButton));
  EXPECT_TRUE(enabled(ui::kImportButton));
  EXPECT_FALSE(enabled(ui::kWrestlerList));
  EXPECT_FALSE(enabled(ui::kBatchButton));
  EXPECT_TRUE(highlighted(ui::kImportButton));
  EXPECT_TRUE(plain(ui::kParseButton));

  setPhase(0);
  EXPECT_TRUE(enabled(ui::kBatchButton));
  EXPECT_TRUE(highlighted(ui::kOpenButton));
}

TEST_F(PhaseTest, APhaseOutsideTheStepsKeepsTheEnabledStatesButRedraws) {
  setPhase(1);
  setPhase(7);
  EXPECT_TRUE(enabled(ui::kParseButton));
  EXPECT_TRUE(enabled(ui::kWrestlerList));
  EXPECT_TRUE(plain(ui::kParseButton));
  EXPECT_TRUE(plain(ui::kOpenButton));
}

TEST_F(PhaseTest, TheNeverDisabledControlsStayEnabledInEveryPhase) {
  for (int32_t phase : {0, 1, 2}) {
    setPhase(phase);
    for (int32_t id : {ui::kOpenButton, ui::kMoveListView, ui::kDiveListView, ui::kMapMovesCombo,
                       ui::kMapDivesCombo, ui::kHelpButton, ui::kQuitButton}) {
      EXPECT_TRUE(enabled(id)) << "control " << id << " in phase " << phase;
    }
  }
}

TEST_F(PhaseTest, BatchImportShowsTheBatchViewAndCloseReturnsInPhaseZero) {
  clickButton("MAIN", ui::kBatchButton);
  EXPECT_TRUE(controlState("MAIN", ui::kExportFileList).visible);
  EXPECT_TRUE(controlState("MAIN", ui::kCloseButton).visible);
  EXPECT_FALSE(controlState("MAIN", ui::kWrestlerList).visible);
  EXPECT_FALSE(controlState("MAIN", ui::kQuitButton).visible);
  EXPECT_TRUE(highlighted(ui::kAddFilesButton));
  EXPECT_TRUE(plain(ui::kImportBatchButton));
  EXPECT_EQ(drawnStyle(ui::kCloseButton).background, ui::kQuietBackground);

  ui::wizardState().phase = ui::Phase::ExportListed;  // files were added
  EXPECT_TRUE(highlighted(ui::kImportBatchButton));

  clickButton("MAIN", ui::kCloseButton);
  EXPECT_EQ(ui::wizardState().phase, ui::Phase::NothingOpen);
  EXPECT_TRUE(controlState("MAIN", ui::kWrestlerList).visible);
  EXPECT_FALSE(controlState("MAIN", ui::kExportFileList).visible);
  EXPECT_TRUE(enabled(ui::kBatchButton));
  EXPECT_TRUE(highlighted(ui::kOpenButton));
}

TEST_F(PhaseTest, ButtonsIgnoreEventsOtherThanClickAndOwnerDraw) {
  injectEvent("MAIN", ui::kHelpButton, kEventDoubleClick, 0);
  injectEvent("MAIN", ui::kBatchButton, kEventChange, 0);
  injectEvent("MAIN", ui::kQuitButton, kEventDoubleClick, 0);
  EXPECT_EQ(ui::wizardState().helpShown, 0);
  EXPECT_FALSE(controlState("MAIN", ui::kExportFileList).visible);
  EXPECT_EQ(liveFormCount(), 1u);
}

TEST_F(PhaseTest, ShortcutKeysArriveAsEventsOfTheirIds) {
  setPhase(1);
  focusControl("MAIN", ui::kWrestlerList);
  events.clear();
  pressKey("MAIN", Key::A, kControlKey);
  pressKey("MAIN", Key::Down, kControlKey | kShiftKey);
  pressKey("MAIN", Key::Up, kControlKey);
  pressKey("MAIN", Key::B, kControlKey);
  std::vector<int32_t> ids;
  for (const auto& event : events) ids.push_back(event.id);
  EXPECT_EQ(ids, (std::vector<int32_t>{9999, 9994, 9995}));
  EXPECT_EQ(EZ_GETFOCUSID("MAIN"), ui::kWrestlerList);
}

}  // namespace
