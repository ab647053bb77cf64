#include "import/numbering.h"

#include <algorithm>
#include <string>
#include <vector>

#include "services/log.h"

namespace imports {
namespace {

using exports::IncomingRecord;

int32_t lastIndex(const std::vector<IncomingRecord>& records, int32_t count) {
  return std::min<int32_t>(count, static_cast<int32_t>(records.size()) - 1);
}

int32_t numberWrestlers(const std::vector<IncomingRecord>& wrestlers, int32_t count, int32_t existing,
                        bool logLines) {
  if (logLines) {
    services::LOGM("");
    services::LOGM("Importing wrestlers:");
  }
  int32_t counter = existing;
  const int32_t last = lastIndex(wrestlers, count);
  for (int32_t i = 1; i <= last; ++i) {
    const IncomingRecord& wrestler = wrestlers[static_cast<size_t>(i)];
    if (wrestler.ImportNumber == 0 || wrestler.IsNew == 0) continue;
    ++counter;
    if (logLines) services::LOGM("\t" + wrestler.StoredName);
  }
  return counter;
}

int32_t numberKind(std::string_view heading, std::vector<IncomingRecord>& records, int32_t count,
                   int32_t existing, bool logLines) {
  if (logLines) {
    services::LOGM("");
    services::LOGM(heading);
  }
  int32_t counter = existing;
  const int32_t last = lastIndex(records, count);
  for (int32_t i = 1; i <= last; ++i) {
    IncomingRecord& record = records[static_cast<size_t>(i)];
    if (record.Needed == 0 || record.IsNew == 0) {
      record.ImportNumber = 0;
      continue;
    }
    record.ImportNumber = ++counter;
    if (logLines) services::LOGM("\t" + record.StoredName + " -> " + std::to_string(counter));
  }
  return counter;
}

}  // namespace

RecordCounts numberNewRecords(exports::IncomingRecords& incoming, const RecordCounts& existing,
                              bool logLines) {
  RecordCounts totals;
  totals.wrestlers = numberWrestlers(incoming.IncomingWrestlers, incoming.IncomingWrestlerCount,
                                     existing.wrestlers, logLines);
  totals.moves = numberKind("Importing moves:", incoming.IncomingMoves, incoming.IncomingMoveCount,
                            existing.moves, logLines);
  totals.dives = numberKind("Importing dives:", incoming.IncomingDives, incoming.IncomingDiveCount,
                            existing.dives, logLines);
  totals.managers = numberKind("Importing managers:", incoming.IncomingManagers,
                               incoming.IncomingManagerCount, existing.managers, logLines);
  totals.teams = numberKind("Importing teams:", incoming.IncomingTeams, incoming.IncomingTeamCount,
                            existing.teams, logLines);
  return totals;
}

}  // namespace imports
