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
#include "import/list_selection.h"
#include "import/selection.h"

namespace testsupport {

// Parses the export and selects exactly the wrestlers whose list names are given.
inline exports::ParseResult openAndSelect(std::string_view path, const db::Catalogue& catalogue,
                                          exports::IncomingRecords& incoming,
                                          const std::vector<std::string>& selected) {
  exports::ParseResult parsed =
      exports::PARSEEXPORT(path, catalogue, incoming, exports::ParseMode::Interactive);
  for (exports::WrestlerItem& item : parsed.wrestlerItems) {
    item.selected = std::find(selected.begin(), selected.end(), std::string(imports::itemName(item.text))) !=
                    selected.end();
  }
  imports::copyWrestlerSelection(parsed.wrestlerItems, incoming);
  imports::evaluateSelection(incoming);
  return parsed;
}

}  // namespace testsupport
