// The window's controls as the Qt widgets they are.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "ui/form/control_ids.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/toolkit.h"
#include "wizard_fixture.h"

namespace {

using namespace ui::toolkit;
using uitest::WizardTest;

class LayoutWidgetsTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    writeDatabase();
    startWizard();
  }
};

TEST_F(LayoutWidgetsTest, ListViewsHaveTwoHeadedColumnsOf25Units) {
  for (auto [id, what] : {std::pair{ui::kMoveListView, "Move"}, std::pair{ui::kDiveListView, "Dive"}}) {
    auto* view = dynamic_cast<QTreeWidget*>(controlWidget("MAIN", id));
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->columnCount(), 2);
    EXPECT_EQ(view->headerItem()->text(0), QString("%1 in Export File").arg(what));
    EXPECT_EQ(view->headerItem()->text(1), QString("Map to Existing %1").arg(what));
    EXPECT_EQ(view->columnWidth(0), 200);
  }
}

TEST_F(LayoutWidgetsTest, CaptionsAreCentred) {
  EXPECT_TRUE(dynamic_cast<QLabel*>(controlWidget("MAIN", ui::kWrestlersLabel))->alignment() &
              Qt::AlignHCenter);
  EXPECT_TRUE(dynamic_cast<QLabel*>(controlWidget("MAIN", ui::kBatchNoteLine1))->alignment() & Qt::AlignLeft);
}

TEST_F(LayoutWidgetsTest, WrestlerListIsOwnerDrawnAndManyItemsCanBeSelected) {
  auto* list = dynamic_cast<QListWidget*>(controlWidget("MAIN", ui::kWrestlerList));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::MultiSelection);
  EXPECT_NE(dynamic_cast<OwnerDrawDelegate*>(list->itemDelegate()), nullptr);
  auto* files = dynamic_cast<QListWidget*>(controlWidget("MAIN", ui::kExportFileList));
  EXPECT_EQ(files->selectionMode(), QAbstractItemView::SingleSelection);
}

TEST_F(LayoutWidgetsTest, MultiLineTextBoxesShowSeveralLines) {
  EXPECT_NE(dynamic_cast<QPlainTextEdit*>(controlWidget("MAIN", ui::kBatchResultBox)), nullptr);
  EXPECT_NE(dynamic_cast<QPlainTextEdit*>(controlWidget("MAIN", ui::kHelpPanel)), nullptr);
  auto* count = dynamic_cast<QLineEdit*>(controlWidget("MAIN", ui::kMoveCountBox));
  ASSERT_NE(count, nullptr);
  EXPECT_TRUE(count->isReadOnly());
}

TEST_F(LayoutWidgetsTest, ButtonsHaveTheirMnemonicsAndOwnerDrawingChangesNoWidget) {
  auto* open = dynamic_cast<QPushButton*>(controlWidget("MAIN", ui::kOpenButton));
  EXPECT_EQ(open->shortcut(), QKeySequence(Qt::ALT | Qt::Key_O));
  // Owner drawing does not change what the controls are.
  EXPECT_NE(dynamic_cast<QPushButton*>(controlWidget("MAIN", ui::kOpenButton)), nullptr);
  EXPECT_NE(dynamic_cast<QListWidget*>(controlWidget("MAIN", ui::kWrestlerList)), nullptr);
}

TEST_F(LayoutWidgetsTest, ALabelShowsItsWindows1252TextInUnicode) {
  EZ_SETTEXT("MAIN", ui::kWrestlersLabel, "M\xFCller \x80 \x9C");  // ü, €, œ
  auto* label = dynamic_cast<QLabel*>(controlWidget("MAIN", ui::kWrestlersLabel));
  EXPECT_EQ(label->text(), QString::fromUtf8("M\u00FCller \u20AC \u0153"));
}

}  // namespace
