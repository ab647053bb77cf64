// The window's keyboard: the first focus, the order Tab follows, the texts that take no typing, and
// the hidden help panel out of the way.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "ui/form/control_ids.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/test_hooks.h"
#include "wizard_fixture.h"

namespace {

using namespace ui;
using uitest::WizardTest;

constexpr int32_t kAnyControl[] = {
    kQuitButton,        kMapMovesCombo,  kMapDivesCombo, kOpenButton,  kWrestlerList,   kMoveListView,
    kDiveListView,      kManagerList,    kTeamList,      kParseButton, kMoveCountBox,   kDiveCountBox,
    kImportButton,      kHelpButton,     kBatchButton,   kCloseButton, kExportFileList, kAddFilesButton,
    kImportBatchButton, kBatchResultBox, kHelpPanel,     kUndoButton};

// The controls Tab reaches from `start`, in order, until it comes round again.
std::vector<int32_t> tabRound(int32_t start) {
  std::vector<int32_t> ids;
  for (int32_t id : toolkit::tabRound(kMainForm, start)) {
    if (std::find(std::begin(kAnyControl), std::end(kAnyControl), id) != std::end(kAnyControl))
      ids.push_back(id);
  }
  return ids;
}

TEST_F(WizardTest, TheKeyboardStartsOnOpenAndTabFollowsTheSteps) {
  writeDatabase();
  startWizard();
  ASSERT_EQ(toolkit::liveFormCount(), 1u);
  EXPECT_EQ(toolkit::EZ_GETFOCUSID(kMainForm), kOpenButton);
  EXPECT_EQ(tabRound(kOpenButton),
            (std::vector<int32_t>{kOpenButton, kWrestlerList, kParseButton, kMapMovesCombo, kMoveListView,
                                  kMapDivesCombo, kDiveListView, kImportButton, kManagerList, kTeamList,
                                  kBatchButton, kHelpButton, kQuitButton}));
}

TEST_F(WizardTest, TheHelpPanelTakesTheKeyboardOnlyWhileShownAndNeitherItNorTheResultsTakeTyping) {
  writeDatabase();
  startWizard();
  for (int32_t id : {kHelpPanel, kBatchResultBox}) {
    const toolkit::ControlState box = toolkit::controlState(kMainForm, id);
    ASSERT_TRUE(box.exists && box.multiLine) << id;
    EXPECT_TRUE(box.readOnly) << id;
  }
  EXPECT_FALSE(toolkit::controlState(kMainForm, kHelpPanel).focusable);
  toolkit::clickButton(kMainForm, kHelpButton);
  settle();
  EXPECT_TRUE(toolkit::controlState(kMainForm, kHelpPanel).tabStop);
  toolkit::clickButton(kMainForm, kHelpButton);
  settle();
  EXPECT_FALSE(toolkit::controlState(kMainForm, kHelpPanel).focusable);
}

}  // namespace
