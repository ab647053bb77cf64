// The window's keyboard: the first focus, the order Tab follows, the texts that take no typing, and
// the hidden help panel out of the way.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QWidget>
#include <vector>

#include "ui/form/control_ids.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/state.h"
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

int32_t idOf(const QWidget* widget) {
  for (int32_t id : kAnyControl) {
    if (toolkit::controlWidget(kMainForm, id) == widget) return id;
  }
  return -1;
}

// The controls Tab reaches from `start`, in order, until it comes round again.
std::vector<int32_t> tabRound(int32_t start) {
  std::vector<int32_t> ids;
  QWidget* first = toolkit::controlWidget(kMainForm, start);
  QWidget* widget = first;
  do {
    const int32_t id = idOf(widget);
    if (id >= 0 && widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus) != 0) ids.push_back(id);
    widget = widget->nextInFocusChain();
  } while (widget != nullptr && widget != first);
  return ids;
}

TEST_F(WizardTest, TheKeyboardStartsOnOpenAndTabFollowsTheSteps) {
  writeDatabase();
  startWizard();
  QWidget* window = toolkit::controlWidget(kMainForm, kFormItself);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(idOf(window->focusWidget()), kOpenButton);
  EXPECT_EQ(tabRound(kOpenButton),
            (std::vector<int32_t>{kOpenButton, kWrestlerList, kParseButton, kMapMovesCombo, kMoveListView,
                                  kMapDivesCombo, kDiveListView, kImportButton, kManagerList, kTeamList,
                                  kBatchButton, kHelpButton, kQuitButton}));
}

TEST_F(WizardTest, TheHelpPanelTakesTheKeyboardOnlyWhileShownAndNeitherItNorTheResultsTakeTyping) {
  writeDatabase();
  startWizard();
  for (int32_t id : {kHelpPanel, kBatchResultBox}) {
    auto* box = qobject_cast<QPlainTextEdit*>(toolkit::controlWidget(kMainForm, id));
    ASSERT_NE(box, nullptr) << id;
    EXPECT_TRUE(box->isReadOnly()) << id;
  }
  QWidget* help = toolkit::controlWidget(kMainForm, kHelpPanel);
  EXPECT_EQ(help->focusPolicy(), Qt::NoFocus);
  toolkit::clickButton(kMainForm, kHelpButton);
  settle();
  EXPECT_NE(help->focusPolicy() & Qt::TabFocus, 0);
  toolkit::clickButton(kMainForm, kHelpButton);
  settle();
  EXPECT_EQ(help->focusPolicy(), Qt::NoFocus);
}

}  // namespace
