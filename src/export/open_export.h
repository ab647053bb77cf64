// The "Open Export File" command once a file has been chosen: an object export is imported at once,
// then a gimmick-match export, and anything else is parsed as a wrestler export. The wizard phase is
// the caller's.
#pragma once

#include <cstdint>
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

// What an export holds, as Open Export File tells: objects when "[Exported Objects]" is found with
// lines after it, else gimmick matches likewise, else wrestlers. Only the first of each marker
// counts, and one pass over the file answers both.
enum class ExportKind { Wrestlers, Objects, Gimmicks };
ExportKind exportKindOf(std::string_view path);

// Opens the file and seeks the marker: the stream, positioned after it, when the marker was found with
// lines after it; otherwise 0 (and the file is closed).
int32_t openAtMarker(std::string_view path, std::string_view marker);

struct OpenExportResult {
  ExportRoad road = ExportRoad::WrestlerExportParsed;
  ImportResult import;  // the object or gimmick-match import
  ParseResult parse;    // the wrestler parse
};

OpenExportResult openExportFile(std::string_view path, db::Catalogue& catalogue, IncomingRecords& records,
                                std::string_view gameFolder);
// The same for a file whose kind is known already (exportKindOf), which spares a pass over it.
OpenExportResult openExportFile(std::string_view path, ExportKind kind, db::Catalogue& catalogue,
                                IncomingRecords& records, std::string_view gameFolder);

// The box the front end shows about it: the summary of an object or gimmick-match import (after the
// reload of the catalogue), or what a failed parse has to say; nothing after a good parse.
std::optional<services::MessageBoxRequest> messageOf(const OpenExportResult& result);

}  // namespace exports
