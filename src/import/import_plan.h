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
  int32_t index = 0;     // among the incoming records of its kind
  std::string name;      // as the lists show it
  int32_t number = 0;    // its record number after the import
  std::string replaces;  // a replacing wrestler: the name of the wrestler it replaces
};

struct ImportPlan {
  RecordCounts existingCounts;
  RecordCounts newTotals;
  std::vector<PlannedRecord> wrestlersAdded;
  std::vector<PlannedRecord> wrestlersReplaced;
  // Selected wrestlers that are not written: an earlier selected wrestler replaces the same record.
  std::vector<PlannedRecord> wrestlersNotWritten;
  std::vector<PlannedRecord> movesAdded;
  std::vector<PlannedRecord> divesAdded;
  std::vector<PlannedRecord> managersAdded;
  std::vector<PlannedRecord> teamsAdded;
  std::vector<AppliedMapping> mappings;
  RemapWarnings droppedReferences;

  // No record is added or replaced (the files are still rewritten).
  bool changesNothing() const;
};

// The records an import of these numbered incoming records writes, against the loaded database.
ImportPlan planImport(const exports::IncomingRecords& incoming, const ExistingDatabase& database,
                      const RecordCounts& newTotals);

// The plan as lines of text for the user (Windows-1252, like the names in it).
std::vector<std::string> describePlan(const ImportPlan& plan);

}  // namespace imports
