#include "ui/steps/import_check.h"

#include <string>

#include "import/database_check.h"
#include "services/messages.h"
#include "services/program.h"
#include "ui/form/control_ids.h"

namespace ui {

namespace {

// More would not fit a message box; the command line lists them all.
constexpr size_t kFindingsShown = 10;

}  // namespace

imports::DatabaseFindings checkBeforeImport() {
  return imports::checkDatabase(services::program().databaseFolder);
}

void warnAboutNewFaults(const imports::DatabaseFindings& before) {
  const imports::DatabaseFindings added =
      imports::newFindings(before, imports::checkDatabase(services::program().databaseFolder));
  if (added.empty()) return;
  std::string text = "{S}The import left faults in the database that were not there before:\r\n";
  for (size_t i = 0; i < added.size() && i < kFindingsShown; ++i) text += "\r\n" + added[i].text;
  if (added.size() > kFindingsShown) {
    text += "\r\n... and " + std::to_string(added.size() - kFindingsShown) + " more.";
  }
  text +=
      "\r\n\r\n\"zor-import check\" lists every fault; \"Undo Last Import\" in the batch view puts the "
      "database back as it was.";
  services::showMessageBox(kMainForm, text, services::program().title, "OK");
}

}  // namespace ui
