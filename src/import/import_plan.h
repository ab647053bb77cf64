// What an import will do, as data, known before anything is written: the wrestlers added (with their
// new numbers) and replaced (with the number each keeps), the moves, dives, managers and teams added
// with their new numbers, the mapping rows as they were applied, and the references dropped because
// their new numbers do not fit. The window shows it with its confirmation; the command line prints it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "export/incoming.h"
#include "import/mapping_rows.h"
#include "import/record_kinds.h"
#include "import/translation.h"
#include "import/writer.h"

namespace imports {

struct PlannedRecord {
  int32_t Index = 0;     // among the incoming records of its kind
  std::string Name;      // as the lists show it
  int32_t Number = 0;    // its record number after the import
  std::string Replaces;  // a replacing wrestler: the name of the wrestler it replaces
};

struct ImportPlan {
  RecordCounts ExistingCounts;
  RecordCounts NewTotals;
  std::vector<PlannedRecord> WrestlersAdded;
  std::vector<PlannedRecord> WrestlersReplaced;
  // Selected wrestlers that are not written: an earlier selected wrestler replaces the same record.
  std::vector<PlannedRecord> WrestlersNotWritten;
  std::vector<PlannedRecord> MovesAdded;
  std::vector<PlannedRecord> DivesAdded;
  std::vector<PlannedRecord> ManagersAdded;
  std::vector<PlannedRecord> TeamsAdded;
  std::vector<AppliedMapping> Mappings;
  RemapWarnings DroppedReferences;

  // No record is added or replaced (the files are still rewritten).
  bool changesNothing() const;
};

// The records an import of these numbered incoming records writes, against the loaded database.
ImportPlan planImport(const exports::IncomingRecords& incoming, const ExistingDatabase& database,
                      const RecordCounts& newTotals);

// The plan as lines of text for the user (Windows-1252, like the names in it).
std::vector<std::string> describePlan(const ImportPlan& plan);

}  // namespace imports
