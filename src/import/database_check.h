// A check of a game folder's database as it is on disk, without loading it into a catalogue: every
// move, dive and manager number a record holds (where the import translates them, team move texts
// included) must name a record of its file, every record file must hold as many records as its count
// line says, "zor.inf" must hold the counts of wrestlers, moves and managers, and each index of the
// five files an import writes must say where each record begins. Each file is read once.
#pragma once

#include <string_view>

#include "import/database_findings.h"

namespace imports {

// The findings, file by file in the order moves, dives, managers, wrestlers, teams, stables, objects,
// gimmick matches, referees, each file's own before its records' and its index's, then "zor.inf".
// Nothing is reported and nothing is written: a file that cannot be read is a finding.
DatabaseFindings checkDatabase(std::string_view gameFolder);

}  // namespace imports
