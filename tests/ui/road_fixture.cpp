#include "road_fixture.h"

#include <algorithm>

#include "export/incoming.h"
#include "support/export_writer.h"
#include "ui/form/control_ids.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/test_hooks.h"

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

void RoadTest::pressInWrestlers(ui::toolkit::Key key, ui::toolkit::KeyModifiers modifiers) {
  ui::toolkit::pressKey("MAIN", key, modifiers);
  settle();
}

void RoadTest::choose(int32_t combo, const std::string& text) {
  const ui::toolkit::ControlState box = state(combo);
  ASSERT_TRUE(box.exists && box.kind == ui::toolkit::ControlKind::ComboBox);
  const auto found = std::find(box.items.begin(), box.items.end(), text);
  ASSERT_NE(found, box.items.end()) << text;
  ui::toolkit::EZ_SELECTITEM("MAIN", combo, static_cast<int32_t>(found - box.items.begin()));
}

void RoadTest::doubleClickRow(int32_t listView, const std::string& name) {
  ASSERT_EQ(state(listView).kind, ui::toolkit::ControlKind::ListView);
  const int32_t row = rowOf(listView, name);
  ASSERT_GE(row, 0) << name;
  ui::toolkit::doubleClickItem("MAIN", listView, row);
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
