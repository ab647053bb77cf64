// The wizard started on the import scenario's game folder (see support/import_scenario.h), with the
// steps of the road as the user takes them: open a file through the dialog, press keys in the
// wrestler list, click, double-click a row, answer the questions.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/import_scenario.h"
#include "ui/toolkit/test_hooks.h"
#include "wizard_fixture.h"

namespace uitest {

class RoadTest : public WizardTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes an export into the game folder (enciphered unless told otherwise) and returns its path.
  std::string writeExport(const testsupport::ExportLines& lines, const std::string& name = "export.zor",
                          bool enciphered = true);
  std::string writeScenarioExport() { return writeExport(testsupport::scenarioExport().lines()); }

  // Open Export File, the dialog answered with `path`.
  void openExport(const std::string& path);
  void click(int32_t id);
  void pressInWrestlers(ui::toolkit::Key key, ui::toolkit::KeyModifiers modifiers);
  // Chooses an item of a Map To combo box by its text, as the user does.
  void choose(int32_t combo, const std::string& text);
  // Double-clicks the row of a list view whose column 0 is `name` (the mouse on the row).
  void doubleClickRow(int32_t listView, const std::string& name);

  ui::toolkit::ControlState state(int32_t id) const { return ui::toolkit::controlState("MAIN", id); }
  std::vector<std::string> items(int32_t id) const { return state(id).items; }
  std::vector<int32_t> selected(int32_t id) const { return state(id).selected; }
  int32_t rowOf(int32_t listView, const std::string& name) const;
  std::vector<std::string> column1(int32_t listView) const;

  // The dialogs shown since the script was last cleared, of one kind.
  std::vector<ui::toolkit::DialogRecord> shown(ui::toolkit::DialogKind kind) const;

  std::filesystem::path data(const std::string& name) const { return folder.data(name); }
  std::vector<std::string> lines(const std::string& name) const;
  std::map<std::string, std::string> dataFiles() const;
};

}  // namespace uitest
