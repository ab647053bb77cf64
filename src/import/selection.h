// Evaluating a wrestler selection: which incoming moves, dives, managers and tag teams the selected
// wrestlers need, directly or through the records they need. The caller has already copied the
// selection into the wrestlers' ImportNumber (nonzero = selected).
#pragma once

#include <cstdint>
#include <vector>

#include "export/incoming.h"
#include "import/identifier_maps.h"

namespace imports {

// Counters indexed by source number 0..upper bound; only zero versus nonzero matters. Numbers
// outside the table, and 0 (no reference), are not counted.
using ReferenceTable = std::vector<int32_t>;

struct ReferenceTables {
  ReferenceTable moves;
  ReferenceTable dives;
  ReferenceTable managers;
};

// The highest SourceNumber of the moves, dives and managers (0 when there are none).
MaxSourceNumbers findMaxSourceNumbers(const exports::IncomingRecords& incoming);
// Tables of all zero counters, dimensioned by `bounds`.
ReferenceTables makeReferenceTables(const MaxSourceNumbers& bounds);

// Needed = 0 for every move, dive, manager and team.
void clearNeeded(exports::IncomingRecords& incoming);
// A team is needed when its line 1 or line 2 is exactly the StoredName of a selected wrestler.
void markNeededTeams(exports::IncomingRecords& incoming);

// Count the moves, managers and dives that the selected wrestlers name.
void UPDATEWRESTLERMOVES(const exports::IncomingRecords& incoming, ReferenceTable& moves);
void UPDATEWRESTLERMANAGERS(const exports::IncomingRecords& incoming, ReferenceTable& managers);
void UPDATEWRESTLERDIVES(const exports::IncomingRecords& incoming, ReferenceTable& dives);
// Count the moves named by the dives whose counter is nonzero.
void UPDATEDIVES(const exports::IncomingRecords& incoming, ReferenceTable& moves,
                 const ReferenceTable& dives);
// Count the moves named by every team's "!" move text, whether the team is needed or not.
void UPDATETEAMS(const exports::IncomingRecords& incoming, ReferenceTable& moves);
// Count the moves named by the moves whose counter is nonzero; returns how many of those moves named
// at least one move.
int32_t UPDATEMOVES(const exports::IncomingRecords& incoming, ReferenceTable& moves);

// Every record of records 1..count whose counter is nonzero and whose Needed is 0 gets Needed = its
// counter; returns how many records became needed.
int32_t carryTable(const ReferenceTable& table, std::vector<exports::IncomingRecord>& records, int32_t count);

// The whole evaluation: the source-number bounds, the Needed flags of teams, managers, dives and
// moves, the moves named by needed moves repeated until no further move becomes needed.
MaxSourceNumbers evaluateSelection(exports::IncomingRecords& incoming);

// Indexes (incoming order) of the needed records that are not in the database yet: what the
// selection lists for mapping and review.
struct NeededNewRecords {
  std::vector<int32_t> moves;
  std::vector<int32_t> dives;
  std::vector<int32_t> managers;
  std::vector<int32_t> teams;
};
NeededNewRecords neededNewRecords(const exports::IncomingRecords& incoming);

}  // namespace imports
