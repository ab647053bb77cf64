#include "export/open_export.h"

#include "export/streams.h"
#include "platform/files.h"
#include "services/program.h"

namespace exports {

namespace {

// Opens the file and searches for the marker; the stream is returned only when the marker was
// found with lines after it, otherwise it is closed and 0 returned.
int32_t openAtMarker(std::string_view path, std::string_view marker) {
  const int32_t stream = OPENCRYPT(path);
  FISEEK(stream, marker);
  if (!CRYPTEOF(stream)) return stream;
  if (stream > 0) CLOSECRYPT(stream);
  return 0;
}

}  // namespace

OpenExportResult openExportFile(std::string_view path, db::Catalogue& catalogue, IncomingRecords& records,
                                std::string_view gameFolder) {
  OpenExportResult result;
  if (platform::fileExists(path)) {
    if (int32_t stream = openAtMarker(path, kObjectsMarker); stream > 0) {
      result.road = ExportRoad::ObjectsImported;
      result.import = IMPORTOBJECTS(stream, catalogue, gameFolder);
      return result;
    }
    if (int32_t stream = openAtMarker(path, kGimmicksMarker); stream > 0) {
      result.road = ExportRoad::GimmicksImported;
      result.import = IMPORTGIMMICKS(stream, catalogue, gameFolder);
      return result;
    }
  }
  result.road = ExportRoad::WrestlerExportParsed;
  result.parse = PARSEEXPORT(path, catalogue, records, ParseMode::Interactive);
  return result;
}

std::optional<services::MessageBoxRequest> messageOf(const OpenExportResult& result) {
  if (result.road != ExportRoad::WrestlerExportParsed) return services::informationBox(result.import.message);
  return result.parse.message;
}

OpenExportResult openExportFile(std::string_view path, db::Catalogue& catalogue, IncomingRecords& records) {
  return openExportFile(path, catalogue, records, services::program().databaseFolder);
}

}  // namespace exports
