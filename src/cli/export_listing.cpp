#include "cli/export_listing.h"

#include <algorithm>

#include "db/codecs.h"
#include "db/record_scan.h"
#include "export/object_import.h"
#include "export/open_export.h"
#include "export/parser.h"
#include "export/streams.h"
#include "memory/heap_blocks.h"
#include "platform/files.h"
#include "platform/text.h"

namespace cli {
namespace {

std::string status(int32_t existing) {
  return existing == 0 ? "new" : std::to_string(existing);
}

void listKind(std::vector<std::string>& lines, std::string_view kind,
              const std::vector<exports::IncomingRecord>& records, int32_t count) {
  const int32_t last = std::min<int32_t>(count, static_cast<int32_t>(records.size()) - 1);
  for (int32_t i = 1; i <= last; ++i) {
    const exports::IncomingRecord& record = records[static_cast<size_t>(i)];
    lines.push_back(std::string(kind) + "\t" + status(record.ExistingNumber) + "\t" + record.ListName);
  }
}

int32_t existingRecord(exports::ExportKind kind, const db::Catalogue& catalogue, std::string_view name) {
  if (kind == exports::ExportKind::Objects) {
    return db::UDTSCANZ(
        catalogue.Objects, [](const db::ForeignObject& o) { return memory::heapText(o.ListName); },
        db::REMOVEARTICLE(name), 1, catalogue.ObjectCount, false);
  }
  return db::UDTSCANZ(
      catalogue.Gimmicks, [](const db::GimmickMatch& g) { return memory::heapText(g.Name); }, name, 1,
      catalogue.GimmickCount, false);
}

}  // namespace

std::vector<std::string> listWrestlerExport(const exports::IncomingRecords& incoming) {
  std::vector<std::string> lines;
  const int32_t last = std::min<int32_t>(incoming.IncomingWrestlerCount,
                                         static_cast<int32_t>(incoming.IncomingWrestlerLines.size()) - 1);
  for (int32_t i = 1; i <= last; ++i) {
    const exports::IncomingRecord& wrestler = incoming.IncomingWrestlers[static_cast<size_t>(i)];
    const exports::RecordLines& recordLines = incoming.IncomingWrestlerLines[static_cast<size_t>(i)];
    const bool female = recordLines.size() > 79 && platform::numberValue(recordLines[79]) == 1;
    lines.push_back("wrestler\t" + status(wrestler.ExistingNumber) + "\t" + (female ? "F" : "M") + "\t" +
                    wrestler.ListName);
  }
  listKind(lines, "team", incoming.IncomingTeams, incoming.IncomingTeamCount);
  listKind(lines, "move", incoming.IncomingMoves, incoming.IncomingMoveCount);
  listKind(lines, "manager", incoming.IncomingManagers, incoming.IncomingManagerCount);
  listKind(lines, "dive", incoming.IncomingDives, incoming.IncomingDiveCount);
  return lines;
}

RecordListing listRecordExport(std::string_view path, exports::ExportKind kind,
                               const db::Catalogue& catalogue) {
  RecordListing listing;
  const bool objects = kind == exports::ExportKind::Objects;
  const int32_t stream =
      exports::openAtMarker(path, objects ? exports::kObjectsMarker : exports::kGimmicksMarker);
  if (stream <= 0) {
    listing.readable = false;
    listing.error = exports::namingFile(exports::kOpenErrorMessage, path);
    return listing;
  }
  const int32_t count = exports::countValue(exports::INPUTCRYPT(stream));
  const int recordLines = objects ? db::kObjectLines : db::kGimmickLines;
  for (int32_t i = 1; i <= count && listing.readable; ++i) {
    std::string name;
    for (int n = 1; n <= recordLines; ++n) {
      if (exports::CRYPTEOF(stream)) {
        listing.readable = false;
        break;
      }
      std::string line = exports::INPUTCRYPT(stream);
      if (exports::holdsLineBreak(line)) listing.readable = false;
      if (n == 1) name = std::move(line);
    }
    if (!listing.readable) break;
    const int32_t existing = existingRecord(kind, catalogue, name);
    if (existing == 0) ++listing.newRecords;
    // Matched as the import matches it, in the file's character set on both sides; shown converted.
    listing.lines.push_back(std::string(objects ? "object" : "gimmick") + "\t" + status(existing) + "\t" +
                            db::REMAPDIACRITICS(name, 0));
  }
  exports::CLOSECRYPT(stream);
  if (count < 0) listing.readable = false;
  if (!listing.readable) listing.error = exports::namingFile(exports::kCorruptFileMessage, path);
  return listing;
}

}  // namespace cli
