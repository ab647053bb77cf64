// Final record numbers of an import: every new record that is to be written gets the next number after
// the existing records of its kind, in the order of the export file.
#pragma once

#include "export/incoming.h"
#include "import/record_kinds.h"

namespace imports {

// Wrestlers: each selected new wrestler (ImportNumber and IsNew nonzero) is counted. Moves, dives,
// managers and teams: each needed new record gets ImportNumber = its number; every other record's
// ImportNumber is 0 (it is not written). Returns the new total per kind. With `logLines`, logs the
// kinds in the order wrestlers, moves, dives, managers, teams, each after an empty line and its
// heading ("Importing wrestlers:"), one tab-indented line per numbered record.
RecordCounts numberNewRecords(exports::IncomingRecords& incoming, const RecordCounts& existing,
                              bool logLines);

}  // namespace imports
