// The "Open Export File" command once a file has been chosen: an object export is imported at once,
// then a gimmick-match export, and anything else is parsed as a wrestler export. The wizard phase is
// the caller's: it is 1 after a wrestler parse, whatever its outcome.
#pragma once

#include <optional>
#include <string_view>

#include "db/catalogue.h"
#include "export/incoming.h"
#include "export/object_import.h"
#include "export/parser.h"
#include "services/messages.h"

namespace exports {

enum class ExportRoad {
  ObjectsImported,
  GimmicksImported,
  WrestlerExportParsed,
};

struct OpenExportResult {
  ExportRoad road = ExportRoad::WrestlerExportParsed;
  ImportResult import;  // the object or gimmick-match import
  ParseResult parse;    // the wrestler parse
};

OpenExportResult openExportFile(std::string_view path, db::Catalogue& catalogue, IncomingRecords& records,
                                std::string_view gameFolder);
// On the program's database folder.
OpenExportResult openExportFile(std::string_view path, db::Catalogue& catalogue, IncomingRecords& records);

// The box the front end shows about it: the summary of an object or gimmick-match import (after the
// reload of the catalogue), or what a failed parse has to say; nothing after a good parse.
std::optional<services::MessageBoxRequest> messageOf(const OpenExportResult& result);

}  // namespace exports
