// What the wizard's lists show: the wrestlers of the open export with their selection, the needed new
// moves and dives as mapping rows, the new managers and tag teams, and the two row counters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/parser.h"
#include "import/import_session.h"
#include "import/mapping_rows.h"

namespace ui {

// The lists after an export was parsed, filled with the form's painting switched off.
void showParsedExport(const exports::ParseResult& parsed);

// The new records the selected wrestlers need: both mapping lists, the manager and team lists and
// the row counters.
void showNeededRecords(const imports::NeededNames& needed);

// Replaces the wrestler list's items. The list keeps them sorted, so each item is selected by its
// text: as the first given item of that text says.
void showWrestlerItems(const std::vector<exports::WrestlerItem>& items);
// Replaces the rows of a mapping list view: column 0 each name, column 1 empty; sorted by column 0.
void showMappingRows(int32_t listView, const std::vector<std::string>& names);
// Replaces the items of a sorted name list.
void showNames(int32_t list, const std::vector<std::string>& names);
// How many moves and dives the import will add, in their counter boxes: the rows of each list view but
// those mapped onto an existing record.
void showRowCounts();

// The wrestler list's items with their selection, in list order.
std::vector<exports::WrestlerItem> readWrestlerItems();
// Column 0, column 1 and the kept number of every row of the move and dive list views.
imports::MappingRows readMappingRows();

}  // namespace ui
