// The toolkit's Qt widgets and dialogs: what they show and how they take the mouse.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QListView>
#include <QListWidget>
#include <QMouseEvent>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "toolkit_fixture.h"
#include "ui/toolkit/qt/dialog_parts.h"
#include "ui/toolkit/qt/native.h"
#include "ui/toolkit/qt/qt_text.h"
#include "ui/toolkit/units.h"

namespace {

using namespace ui::toolkit;
using uitest::ToolkitTest;

TEST(TextConversionTest, Windows1252RoundTripsThroughQt) {
  std::string every;
  for (int byte = 1; byte < 256; ++byte) every.push_back(static_cast<char>(byte));
  EXPECT_EQ(fromQt(toQt(every)), every);
  EXPECT_EQ(toQt("\x80\x9F"), QString::fromUtf8("\u20AC\u0178"));
  EXPECT_EQ(fromQt(QString::fromUtf8("\u4E2D")), "?");
  EXPECT_EQ(toQtLines("a\r\nb"), QString("a\nb"));
  EXPECT_EQ(fromQtLines(QString("a\nb")), "a\r\nb");
}

TEST_F(ToolkitTest, AComboBoxListOpensBelowTheBoxNoHigherThanTheFormAsked) {
  makeForm([] { EZ_COMBOBOX(1, 1, 1, 20, 10, "", "ATV"); });
  std::string items;
  for (int i = 0; i < 300; ++i) items += "Move " + std::to_string(i) + "|";
  items.pop_back();
  EZ_ADDITEMS("Test", 1, items);
  auto* combo = qobject_cast<QComboBox*>(controlWidget("Test", 1));
  ASSERT_NE(combo, nullptr);
  combo->showPopup();
  QApplication::processEvents();
  const QWidget* list = combo->view()->window();
  ASSERT_TRUE(list->isVisible());
  EXPECT_LE(list->height(), pixelRect(1, 1, 20, 10).height);
  EXPECT_GT(list->height(), combo->height());
  EXPECT_GE(list->geometry().top(), combo->mapToGlobal(QPoint(0, combo->height())).y() - 1);
  combo->hidePopup();
}

TEST_F(ToolkitTest, ADoubleClickOnAListViewReportsTheRowOrMinusOne) {
  makeForm([] { EZ_LISTVIEW(1, 1, 1, 40, 10, "First{10}|Second{10}", ""); });
  EZ_ADDLVITEM("Test", 1, "one");
  EZ_ADDLVITEM("Test", 1, "two");
  auto* view = dynamic_cast<QTreeWidget*>(controlWidget("Test", 1));
  const QRect second = view->visualItemRect(view->topLevelItem(1));
  for (QPoint at : {second.center(), QPoint(5, view->viewport()->height() - 3)}) {
    QMouseEvent press(QEvent::MouseButtonDblClick, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &press);
  }
  const auto clicks = withCode(kEventDoubleClick);
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0].value, 1);
  EXPECT_EQ(clicks[1].value, -1);
}

TEST_F(ToolkitTest, AnOwnerDrawnListAsksItsItemHeightOnceAndDrawsEachItem) {
  std::vector<std::tuple<int32_t, int32_t, int32_t>> drawn;  // index, selected, height
  answer = [&](int32_t id, int32_t code, int32_t value, int32_t&) {
    if (code == kEventOwnerSize) {
      int32_t width = 0, height = 0;
      EZ_STARTOWNERSIZE("Test", id, value, width, height);
      EXPECT_GT(width, 0);
      EZ_ENDOWNERSIZE("Test", id, value, width, 16);
    } else if (code == kEventOwnerDraw) {
      int32_t dc, width, height, selected, disabled, focus, x, y, index;
      if (EZ_STARTOWNERDRAW("Test", id, value, dc, width, height, selected, disabled, focus) == 0) return;
      EZ_GETODITEM(value, x, y, index);
      EZ_SAVESTATE(dc);
      EZ_DCDRAW(dc, kDrawFilledRectangle, x, y, x + width - 1, y + height - 1, 1, selected ? 27 : 28);
      EZ_DCPRINT(dc, x, y, EZ_GETITEMTEXT("Test", id, index).substr(2), 4, 0);
      EZ_RESTORESTATE(dc);
      drawn.emplace_back(index, selected, height);
    }
  };
  makeForm([] { EZ_ODLISTBOX(1, 1, 1, 20, 10, "", "$AMSTV"); });
  EZ_ADDITEMS("Test", 1, "M\tAlpha|F\tBravo|M\tCharlie");
  EZ_SETSELECT("Test", 1, 1, 1);
  paintForm("Test");
  EXPECT_EQ(withCode(kEventOwnerSize).size(), 1u);
  ASSERT_EQ(drawn.size(), 3u);
  for (const auto& [index, selected, height] : drawn) {
    EXPECT_EQ(selected, index == 1 ? 1 : 0);
    EXPECT_EQ(height, 16);
  }
  auto* list = dynamic_cast<QListWidget*>(controlWidget("Test", 1));
  EXPECT_EQ(list->visualItemRect(list->item(2)).height(), 16);
}

TEST_F(ToolkitTest, FileFiltersBecomeNameFiltersAndMatchEitherCase) {
  EXPECT_EQ(nameFilters("ZOR Export Files|*.zor|All Files|*.*|"),
            (QStringList{"ZOR Export Files (*.zor)", "All Files (*)"}));
  EXPECT_EQ(nameFilters("Texts|*.txt;*.log|"), (QStringList{"Texts (*.txt *.log)"}));

  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("zor-ui-filter-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  for (const char* name : {"lower.zor", "UPPER.ZOR", "other.txt"}) std::ofstream(folder / name) << "x";
  std::unique_ptr<QFileDialog> dialog =
      buildFileDialog(nullptr, "Please select an export file to open.", (folder / "lower.zor").string(),
                      "ZOR Export Files|*.zor|All Files|*.*|", false);
  EXPECT_EQ(dialog->windowTitle(), QString("Please select an export file to open."));
  EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
  auto* view = dialog->findChild<QListView*>("listView");
  ASSERT_NE(view, nullptr);
  QStringList shown;
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 5000) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    shown.clear();
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
      shown << view->model()->index(row, 0, view->rootIndex()).data().toString();
    }
    if (shown.size() >= 2) break;
  }
  shown.sort();
  EXPECT_EQ(shown, (QStringList{"UPPER.ZOR", "lower.zor"}));
  dialog.reset();
  std::filesystem::remove_all(folder);
}

}  // namespace
