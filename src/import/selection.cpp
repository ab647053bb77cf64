#include "import/selection.h"

#include <algorithm>
#include <limits>
#include <span>
#include <string_view>
#include <unordered_set>

#include "import/record_lines.h"
#include "platform/text.h"

namespace imports {
namespace {

using exports::IncomingRecord;
using exports::IncomingRecords;
using exports::RecordLines;

int32_t lastIndex(const std::vector<IncomingRecord>& records, int32_t count) {
  return std::min<int32_t>(count, static_cast<int32_t>(records.size()) - 1);
}

const RecordLines& linesOf(const std::vector<RecordLines>& lines, int32_t index) {
  static const RecordLines kNone;
  return static_cast<size_t>(index) < lines.size() ? lines[static_cast<size_t>(index)] : kNone;
}

void raise(ReferenceTable& table, int64_t number) {
  if (number <= 0 || number >= static_cast<int64_t>(table.size())) return;
  int32_t& counter = table[static_cast<size_t>(number)];
  if (counter < std::numeric_limits<int32_t>::max()) ++counter;
}

int32_t counterAt(const ReferenceTable& table, int32_t number) {
  if (number < 0 || static_cast<size_t>(number) >= table.size()) return 0;
  return table[static_cast<size_t>(number)];
}

// Raises the counters of the references in `ranges`; returns whether any of them was nonzero.
bool countRanges(const RecordLines& lines, std::span<const ReferenceRange> ranges, ReferenceTable& table) {
  bool namedAny = false;
  for (const ReferenceRange& range : ranges) {
    std::optional<int64_t> number = referenceIn(lineValue(lines, range.line), range);
    if (!number || *number == 0) continue;
    namedAny = true;
    raise(table, *number);
  }
  return namedAny;
}

void countSelectedWrestlers(const IncomingRecords& incoming, std::span<const ReferenceRange> ranges,
                            ReferenceTable& table) {
  const int32_t last = lastIndex(incoming.IncomingWrestlers, incoming.IncomingWrestlerCount);
  for (int32_t i = 1; i <= last; ++i) {
    if (incoming.IncomingWrestlers[static_cast<size_t>(i)].ImportNumber == 0) continue;
    countRanges(linesOf(incoming.IncomingWrestlerLines, i), ranges, table);
  }
}

int32_t maxSourceNumber(const std::vector<IncomingRecord>& records, int32_t count) {
  int32_t highest = 0;
  const int32_t last = lastIndex(records, count);
  for (int32_t i = 1; i <= last; ++i)
    highest = std::max(highest, records[static_cast<size_t>(i)].SourceNumber);
  return highest;
}

void clearNeededOf(std::vector<IncomingRecord>& records) {
  for (IncomingRecord& record : records) record.Needed = 0;
}

void listNeededNew(const std::vector<IncomingRecord>& records, int32_t count, std::vector<int32_t>& indexes) {
  const int32_t last = lastIndex(records, count);
  for (int32_t i = 1; i <= last; ++i) {
    const IncomingRecord& record = records[static_cast<size_t>(i)];
    if (record.Needed != 0 && record.ExistingNumber == 0) indexes.push_back(i);
  }
}

}  // namespace

MaxSourceNumbers findMaxSourceNumbers(const IncomingRecords& incoming) {
  MaxSourceNumbers bounds;
  bounds.moves = maxSourceNumber(incoming.IncomingMoves, incoming.IncomingMoveCount);
  bounds.dives = maxSourceNumber(incoming.IncomingDives, incoming.IncomingDiveCount);
  bounds.managers = maxSourceNumber(incoming.IncomingManagers, incoming.IncomingManagerCount);
  return bounds;
}

ReferenceTables makeReferenceTables(const MaxSourceNumbers& bounds) {
  auto table = [](int32_t bound) { return ReferenceTable(static_cast<size_t>(std::max(bound, 0)) + 1, 0); };
  return ReferenceTables{table(bounds.moves), table(bounds.dives), table(bounds.managers)};
}

void clearNeeded(IncomingRecords& incoming) {
  clearNeededOf(incoming.IncomingMoves);
  clearNeededOf(incoming.IncomingDives);
  clearNeededOf(incoming.IncomingManagers);
  clearNeededOf(incoming.IncomingTeams);
}

void markNeededTeams(IncomingRecords& incoming) {
  // Team member lines hold the names as the export file writes them, so they are compared with the
  // wrestlers' names as written too (line 1): the parser converts the wrestlers' list names
  // from code page 437, and an accented member would otherwise never make his team needed.
  std::unordered_set<std::string_view> selected;
  const int32_t lastWrestler = lastIndex(incoming.IncomingWrestlers, incoming.IncomingWrestlerCount);
  for (int32_t i = 1; i <= lastWrestler; ++i) {
    const IncomingRecord& wrestler = incoming.IncomingWrestlers[static_cast<size_t>(i)];
    if (wrestler.ImportNumber != 0) selected.insert(lineText(linesOf(incoming.IncomingWrestlerLines, i), 1));
  }
  const int32_t lastTeam = lastIndex(incoming.IncomingTeams, incoming.IncomingTeamCount);
  for (int32_t i = 1; i <= lastTeam; ++i) {
    const RecordLines& lines = linesOf(incoming.IncomingTeamLines, i);
    if (selected.contains(lineText(lines, 1)) || selected.contains(lineText(lines, 2))) {
      incoming.IncomingTeams[static_cast<size_t>(i)].Needed = 1;
    }
  }
}

void UPDATEWRESTLERMOVES(const IncomingRecords& incoming, ReferenceTable& moves) {
  countSelectedWrestlers(incoming, wrestlerMoveRanges(), moves);
}

void UPDATEWRESTLERMANAGERS(const IncomingRecords& incoming, ReferenceTable& managers) {
  countSelectedWrestlers(incoming, wrestlerManagerRanges(), managers);
}

void UPDATEWRESTLERDIVES(const IncomingRecords& incoming, ReferenceTable& dives) {
  countSelectedWrestlers(incoming, wrestlerDiveRanges(), dives);
}

void UPDATEDIVES(const IncomingRecords& incoming, ReferenceTable& moves, const ReferenceTable& dives) {
  const int32_t last = lastIndex(incoming.IncomingDives, incoming.IncomingDiveCount);
  for (int32_t i = 1; i <= last; ++i) {
    if (counterAt(dives, incoming.IncomingDives[static_cast<size_t>(i)].SourceNumber) == 0) continue;
    countRanges(linesOf(incoming.IncomingDiveLines, i), diveMoveRanges(), moves);
  }
}

void UPDATETEAMS(const IncomingRecords& incoming, ReferenceTable& moves) {
  const int32_t last = lastIndex(incoming.IncomingTeams, incoming.IncomingTeamCount);
  for (int32_t i = 1; i <= last; ++i) {
    std::optional<TeamMoveText> text = parseTeamMoveText(lineText(linesOf(incoming.IncomingTeamLines, i), 4));
    if (!text) continue;
    raise(moves, platform::numberValue(text->first));
    if (text->hasSecond) raise(moves, platform::numberValue(text->second));
  }
}

int32_t UPDATEMOVES(const IncomingRecords& incoming, ReferenceTable& moves) {
  int32_t naming = 0;
  const int32_t last = lastIndex(incoming.IncomingMoves, incoming.IncomingMoveCount);
  for (int32_t i = 1; i <= last; ++i) {
    if (counterAt(moves, incoming.IncomingMoves[static_cast<size_t>(i)].SourceNumber) == 0) continue;
    if (countRanges(linesOf(incoming.IncomingMoveLines, i), moveMoveRanges(), moves)) ++naming;
  }
  return naming;
}

int32_t carryTable(const ReferenceTable& table, std::vector<IncomingRecord>& records, int32_t count) {
  int32_t becameNeeded = 0;
  const int32_t last = lastIndex(records, count);
  for (int32_t i = 1; i <= last; ++i) {
    IncomingRecord& record = records[static_cast<size_t>(i)];
    const int32_t counter = counterAt(table, record.SourceNumber);
    if (counter == 0 || record.Needed != 0) continue;
    record.Needed = counter;
    ++becameNeeded;
  }
  return becameNeeded;
}

MaxSourceNumbers evaluateSelection(IncomingRecords& incoming) {
  const MaxSourceNumbers bounds = findMaxSourceNumbers(incoming);
  ReferenceTables tables = makeReferenceTables(bounds);

  clearNeeded(incoming);
  markNeededTeams(incoming);

  UPDATEWRESTLERMOVES(incoming, tables.moves);
  UPDATEWRESTLERMANAGERS(incoming, tables.managers);
  UPDATEWRESTLERDIVES(incoming, tables.dives);
  carryTable(tables.moves, incoming.IncomingMoves, incoming.IncomingMoveCount);
  carryTable(tables.dives, incoming.IncomingDives, incoming.IncomingDiveCount);
  carryTable(tables.managers, incoming.IncomingManagers, incoming.IncomingManagerCount);

  UPDATEDIVES(incoming, tables.moves, tables.dives);
  carryTable(tables.moves, incoming.IncomingMoves, incoming.IncomingMoveCount);

  UPDATETEAMS(incoming, tables.moves);
  carryTable(tables.moves, incoming.IncomingMoves, incoming.IncomingMoveCount);

  while (UPDATEMOVES(incoming, tables.moves) != 0) {
    if (carryTable(tables.moves, incoming.IncomingMoves, incoming.IncomingMoveCount) == 0) break;
  }
  return bounds;
}

NeededNewRecords neededNewRecords(const IncomingRecords& incoming) {
  NeededNewRecords listed;
  listNeededNew(incoming.IncomingMoves, incoming.IncomingMoveCount, listed.moves);
  listNeededNew(incoming.IncomingDives, incoming.IncomingDiveCount, listed.dives);
  listNeededNew(incoming.IncomingManagers, incoming.IncomingManagerCount, listed.managers);
  listNeededNew(incoming.IncomingTeams, incoming.IncomingTeamCount, listed.teams);
  return listed;
}

}  // namespace imports
