#include "export/open_export.h"

#include "export/streams.h"
#include "platform/files.h"

namespace exports {

int32_t openAtMarker(std::string_view path, std::string_view marker) {
  const int32_t stream = OPENCRYPT(path);
  FISEEK(stream, marker);
  if (!CRYPTEOF(stream)) return stream;
  if (stream > 0) CLOSECRYPT(stream);
  return 0;
}

ExportKind exportKindOf(std::string_view path) {
  if (!platform::fileExists(path)) return ExportKind::Wrestlers;
  const int32_t stream = OPENCRYPT(path);
  if (stream <= 0) return ExportKind::Wrestlers;
  bool objectsSeen = false;
  bool gimmicksSeen = false;
  bool gimmicks = false;
  ExportKind kind = ExportKind::Wrestlers;
  while (!CRYPTEOF(stream)) {
    const std::string line = INPUTCRYPT(stream);
    if (!objectsSeen && isMarkerLine(line, kObjectsMarker)) {
      objectsSeen = true;
      if (!CRYPTEOF(stream)) {
        kind = ExportKind::Objects;
        break;
      }
    } else if (!gimmicksSeen && isMarkerLine(line, kGimmicksMarker)) {
      gimmicksSeen = true;
      gimmicks = !CRYPTEOF(stream);
    }
  }
  CLOSECRYPT(stream);
  if (kind == ExportKind::Wrestlers && gimmicks) kind = ExportKind::Gimmicks;
  return kind;
}

OpenExportResult openExportFile(std::string_view path, db::Catalogue& catalogue, IncomingRecords& records,
                                std::string_view gameFolder) {
  // One pass learns what the file holds; only an object or gimmick-match export is opened again.
  return openExportFile(path, exportKindOf(path), catalogue, records, gameFolder);
}

OpenExportResult openExportFile(std::string_view path, ExportKind kind, db::Catalogue& catalogue,
                                IncomingRecords& records, std::string_view gameFolder) {
  OpenExportResult result;
  if (kind == ExportKind::Objects) {
    if (int32_t stream = openAtMarker(path, kObjectsMarker); stream > 0) {
      result.road = ExportRoad::ObjectsImported;
      result.import = IMPORTOBJECTS(stream, catalogue, gameFolder);
      return result;
    }
  } else if (kind == ExportKind::Gimmicks) {
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

}  // namespace exports
