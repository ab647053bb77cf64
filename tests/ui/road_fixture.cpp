#include "road_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QTreeWidget>

#include "export/incoming.h"
#include "support/export_writer.h"
#include "ui/form/control_ids.h"
#include "ui/toolkit/state.h"

namespace uitest {

void RoadTest::SetUp() {
  WizardTest::SetUp();
  testsupport::writeScenarioDatabase(folder);
  exports::incoming() = exports::IncomingRecords{};
  startWizard();
}

void RoadTest::TearDown() {
  exports::incoming() = exports::IncomingRecords{};
  WizardTest::TearDown();
}

std::string RoadTest::writeExport(const testsupport::ExportLines& lines, const std::string& name,
                                  bool enciphered) {
  const std::filesystem::path path = folder.root() / name;
  testsupport::writeFileBytes(
      path, enciphered ? testsupport::encipheredExportBytes(lines, testsupport::exportKeys(7))
                       : testsupport::plainExportBytes(lines));
  return path.string();
}

void RoadTest::openExport(const std::string& path) {
  script.files.push_back({path});
  click(ui::kOpenButton);
}

void RoadTest::click(int32_t id) {
  ui::toolkit::clickButton("MAIN", id);
  settle();
}

void RoadTest::pressInWrestlers(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  ui::toolkit::pressKey("MAIN", key, modifiers);
  settle();
}

void RoadTest::choose(int32_t combo, const std::string& text) {
  auto* box = dynamic_cast<QComboBox*>(ui::toolkit::controlWidget("MAIN", combo));
  ASSERT_NE(box, nullptr);
  const int index = box->findText(QString::fromLatin1(text.c_str()));
  ASSERT_GE(index, 0) << text;
  box->setCurrentIndex(index);
}

void RoadTest::doubleClickRow(int32_t listView, const std::string& name) {
  auto* view = dynamic_cast<QTreeWidget*>(ui::toolkit::controlWidget("MAIN", listView));
  ASSERT_NE(view, nullptr);
  const int32_t row = rowOf(listView, name);
  ASSERT_GE(row, 0) << name;
  const QPoint point = view->visualItemRect(view->topLevelItem(row)).center();
  QMouseEvent press(QEvent::MouseButtonPress, point, view->viewport()->mapToGlobal(point), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, point, view->viewport()->mapToGlobal(point), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &release);
  QMouseEvent twice(QEvent::MouseButtonDblClick, point, view->viewport()->mapToGlobal(point), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &twice);
  QMouseEvent done(QEvent::MouseButtonRelease, point, view->viewport()->mapToGlobal(point), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &done);
  settle();
}

int32_t RoadTest::rowOf(int32_t listView, const std::string& name) const {
  const std::vector<std::string> rows = items(listView);
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i] == name) return static_cast<int32_t>(i);
  }
  return -1;
}

std::vector<std::string> RoadTest::column1(int32_t listView) const {
  std::vector<std::string> texts;
  for (const std::vector<std::string>& row : state(listView).rows)
    texts.push_back(row.size() > 1 ? row[1] : "");
  return texts;
}

std::vector<ui::toolkit::DialogRecord> RoadTest::shown(ui::toolkit::DialogKind kind) const {
  std::vector<ui::toolkit::DialogRecord> found;
  for (const ui::toolkit::DialogRecord& record : script.shown) {
    if (record.kind == kind) found.push_back(record);
  }
  return found;
}

std::vector<std::string> RoadTest::lines(const std::string& name) const {
  return testsupport::fileLines(data(name));
}

std::map<std::string, std::string> RoadTest::dataFiles() const {
  return testsupport::folderFiles(folder.root() / "data");
}

}  // namespace uitest
