// The wizard's road up to the import run, for tests and benchmarks: the interactive parse of an export,
// a wrestler selection by list name, and Parse Selection.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "db/catalogue.h"
#include "export/incoming.h"
#include "export/parser.h"
#include "import/import_run.h"
#include "import/list_selection.h"
#include "import/selection.h"
#include "services/messages.h"

namespace testsupport {

// Shows the boxes a parse or a run left for the user, as a front end does.
inline void showMessages(const std::vector<services::MessageBoxRequest>& messages) {
  for (const services::MessageBoxRequest& message : messages) services::showMessageBox(message);
}

// Asks the plain confirmation question through the message service.
inline bool askToConfirm(const imports::ImportPlan&) {
  return services::showMessageBox(imports::confirmationQuestion()) == 1;
}

// The interactive run as a front end makes it: the confirmation asked, then what the run has to tell
// shown.
inline imports::ImportRunResult importAndShow(exports::IncomingRecords& incoming,
                                              const db::Catalogue& catalogue,
                                              const imports::MappingRows& rows, std::string_view folder,
                                              const imports::ConfirmImport& confirm = askToConfirm) {
  imports::ImportRunResult result = imports::PROCESSIMPORT(incoming, catalogue, rows, folder, confirm);
  showMessages(result.messages);
  return result;
}

// Parses the export and selects exactly the wrestlers whose list names are given.
inline exports::ParseResult openAndSelect(std::string_view path, const db::Catalogue& catalogue,
                                          exports::IncomingRecords& incoming,
                                          const std::vector<std::string>& selected) {
  exports::ParseResult parsed =
      exports::PARSEEXPORT(path, catalogue, incoming, exports::ParseMode::Interactive);
  if (parsed.message) services::showMessageBox(*parsed.message);
  for (exports::WrestlerItem& item : parsed.wrestlerItems) {
    item.selected = std::find(selected.begin(), selected.end(), std::string(imports::itemName(item.text))) !=
                    selected.end();
  }
  imports::copyWrestlerSelection(parsed.wrestlerItems, incoming);
  imports::evaluateSelection(incoming);
  return parsed;
}

}  // namespace testsupport
