// The mapping lists of an import: rows of the move and dive list views, each naming an incoming record
// (column 0, its ListName) and either an existing record to merge it into or a new name for it
// (column 1). The rows are applied one after the other; each finds its incoming record by the ListName
// that record has at that moment, so a rename changes what a later row with the old name finds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/catalogue.h"
#include "export/incoming.h"
#include "import/record_kinds.h"

namespace imports {

// The item number of a row whose column 1 is a new name.
inline constexpr int32_t kRenameItemNumber = 9999;

struct MappingRow {
  std::string column0;
  std::string column1;
  int32_t itemNumber = 0;

  bool isRename() const { return itemNumber == kRenameItemNumber; }
};

struct MappingRows {
  std::vector<MappingRow> moves;
  std::vector<MappingRow> dives;
};

enum class MappingOutcome {
  Mapped,           // merged into the existing record ExistingNumber
  Renamed,          // imported under the new name
  Empty,            // column 1 is empty: imported under its own name
  UnknownExisting,  // no existing record has the name in column 1; ignored
  UnknownIncoming,  // no incoming record has the name in column 0; ignored
  InvalidName,      // the new name holds a line break and cannot be written; ignored
};

struct AppliedMapping {
  RecordKind kind = RecordKind::Move;
  MappingRow row;
  std::string target;  // column 1 without its leading and trailing blanks
  MappingOutcome outcome = MappingOutcome::Empty;
  int32_t incomingIndex = 0;   // the incoming record changed, 0 when none
  int32_t existingNumber = 0;  // Mapped: the record merged into
};

// Applies the rows of one list (moves with FINDMOVE and the incoming moves, dives with FINDDIVE and
// the incoming dives) in order and logs what was read. Returns one entry per row.
std::vector<AppliedMapping> applyMappingRows(RecordKind kind, const std::vector<MappingRow>& rows,
                                             exports::IncomingRecords& incoming,
                                             const db::Catalogue& catalogue);

// Whether a row merges its incoming record into an existing record, so that it adds no record of its
// own (a row naming no incoming record is not looked at: the lists only hold incoming names).
bool mapsOntoExisting(RecordKind kind, const MappingRow& row, const db::Catalogue& catalogue);

// Passes 1 and 2 of a run: the move rows, then the dive rows.
std::vector<AppliedMapping> applyMappings(const MappingRows& rows, exports::IncomingRecords& incoming,
                                          const db::Catalogue& catalogue);

// "Elbow Drop -> existing move 12 (Big Elbow)" and the like, for the user.
std::string describeMapping(const AppliedMapping& mapping);

}  // namespace imports
