#include "import/mapping_rows.h"

#include <algorithm>

#include "db/lookups.h"
#include "export/parser.h"
#include "import/identifier_maps.h"
#include "platform/text.h"
#include "services/log.h"

namespace imports {
namespace {

using exports::IncomingRecord;
using exports::RecordLines;

struct KindRecords {
  std::vector<IncomingRecord>& records;
  std::vector<RecordLines>& lines;
  int32_t count;
};

KindRecords recordsOf(RecordKind kind, exports::IncomingRecords& incoming) {
  if (kind == RecordKind::Dive) {
    return {incoming.IncomingDives, incoming.IncomingDiveLines, incoming.IncomingDiveCount};
  }
  return {incoming.IncomingMoves, incoming.IncomingMoveLines, incoming.IncomingMoveCount};
}

int32_t findExisting(RecordKind kind, const db::Catalogue& catalogue, std::string_view name) {
  return kind == RecordKind::Dive ? db::FINDDIVE(catalogue, name) : db::FINDMOVE(catalogue, name);
}

// The first incoming record whose ListName is `name`, exactly; 0 when none.
int32_t findIncoming(const KindRecords& kind, std::string_view name) {
  const int32_t last = std::min<int32_t>(kind.count, static_cast<int32_t>(kind.records.size()) - 1);
  for (int32_t i = 1; i <= last; ++i) {
    if (kind.records[static_cast<size_t>(i)].ListName == name) return i;
  }
  return 0;
}

std::string cut(std::string text) {
  if (text.size() > exports::kMaxNameLength) text.resize(exports::kMaxNameLength);
  return text;
}

AppliedMapping applyRow(RecordKind kind, const MappingRow& row, KindRecords records,
                        const db::Catalogue& catalogue) {
  AppliedMapping applied;
  applied.kind = kind;
  applied.row = row;
  applied.target = std::string(platform::trimmed(row.column1));
  const std::string& a = row.column0;
  const std::string& b = applied.target;
  if (b.empty()) {
    applied.outcome = MappingOutcome::Empty;
    return applied;
  }
  int32_t n = 0;
  if (!row.isRename()) {
    n = findExisting(kind, catalogue, b);
    if (n == 0) {
      applied.outcome = MappingOutcome::UnknownExisting;
      return applied;
    }
  }
  const int32_t index = findIncoming(records, a);
  if (index == 0) {
    services::LOGM("Read " + a + " and " + b + " from listview.");
    services::LOGM("ERROR: The latter maps to " + std::to_string(n) + " but I couldn't find the former.");
    applied.outcome = MappingOutcome::UnknownIncoming;
    return applied;
  }
  IncomingRecord& record = records.records[static_cast<size_t>(index)];
  applied.incomingIndex = index;
  if (row.isRename()) {
    // The new name becomes line 1 of the record: a line break in it would split the record.
    if (exports::holdsLineBreak(b)) {
      applied.outcome = MappingOutcome::InvalidName;
      return applied;
    }
    record.ListName = cut(b);
    record.StoredName = cut(ADDARTICLE(b));
    RecordLines& lines = records.lines[static_cast<size_t>(index)];
    if (lines.size() < 2) lines.resize(2);
    lines[1] = record.StoredName;
    applied.outcome = MappingOutcome::Renamed;
    return applied;
  }
  record.IsNew = 0;
  record.ExistingNumber = n;
  services::LOGM("Read " + a + " and " + b + " from listview.");
  services::LOGM("They map to " + std::to_string(index) + " and " + std::to_string(n) + " respectively.");
  applied.outcome = MappingOutcome::Mapped;
  applied.existingNumber = n;
  return applied;
}

}  // namespace

bool mapsOntoExisting(RecordKind kind, const MappingRow& row, const db::Catalogue& catalogue) {
  const std::string_view target = platform::trimmed(row.column1);
  return !row.isRename() && !target.empty() && findExisting(kind, catalogue, target) != 0;
}

std::vector<AppliedMapping> applyMappingRows(RecordKind kind, const std::vector<MappingRow>& rows,
                                             exports::IncomingRecords& incoming,
                                             const db::Catalogue& catalogue) {
  std::vector<AppliedMapping> applied;
  applied.reserve(rows.size());
  for (const MappingRow& row : rows)
    applied.push_back(applyRow(kind, row, recordsOf(kind, incoming), catalogue));
  return applied;
}

std::vector<AppliedMapping> applyMappings(const MappingRows& rows, exports::IncomingRecords& incoming,
                                          const db::Catalogue& catalogue) {
  std::vector<AppliedMapping> applied = applyMappingRows(RecordKind::Move, rows.moves, incoming, catalogue);
  std::vector<AppliedMapping> dives = applyMappingRows(RecordKind::Dive, rows.dives, incoming, catalogue);
  applied.insert(applied.end(), dives.begin(), dives.end());
  return applied;
}

std::string describeMapping(const AppliedMapping& mapping) {
  const std::string kind(kindName(mapping.kind));
  const std::string& name = mapping.row.column0;
  switch (mapping.outcome) {
    case MappingOutcome::Mapped:
      return name + " -> existing " + kind + " " + std::to_string(mapping.existingNumber) + " (" +
             mapping.target + ")";
    case MappingOutcome::Renamed:
      return name + " renamed to " + mapping.target;
    case MappingOutcome::Empty:
      return name + " imported under its own name";
    case MappingOutcome::UnknownExisting:
      return name + " not mapped: there is no " + kind + " named " + mapping.target;
    case MappingOutcome::UnknownIncoming:
      return name + " not mapped: the export holds no " + kind + " of that name";
    case MappingOutcome::InvalidName:
      return name + " not renamed: the new name holds a line break";
  }
  return name;
}

}  // namespace imports
