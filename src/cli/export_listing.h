// What an export file holds, one record per line for "show": kind, "new" or the number of the
// existing record it matches, "F"/"M" for wrestlers, the name; fields separated by tabs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db/catalogue.h"
#include "export/incoming.h"
#include "export/open_export.h"

namespace cli {

// Every incoming record of a parsed wrestler export: wrestlers, teams, moves, managers, dives.
std::vector<std::string> listWrestlerExport(const exports::IncomingRecords& incoming);

struct RecordListing {
  bool readable = true;  // false: the file could not be opened or is damaged; error says why
  std::string error;
  std::vector<std::string> lines;
  int32_t newRecords = 0;
};

// The records of an object or gimmick-match export, matched against the catalogue as their import
// matches them. Nothing is written.
RecordListing listRecordExport(std::string_view path, exports::ExportKind kind,
                               const db::Catalogue& catalogue);

}  // namespace cli
