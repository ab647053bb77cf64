#include "import/import_plan.h"

#include <algorithm>
#include <map>

namespace imports {
namespace {

using exports::IncomingRecord;

int32_t lastIndex(const std::vector<IncomingRecord>& records, int32_t count) {
  return std::min<int32_t>(count, static_cast<int32_t>(records.size()) - 1);
}

std::vector<PlannedRecord> addedRecords(const std::vector<IncomingRecord>& records, int32_t count) {
  std::vector<PlannedRecord> added;
  const int32_t last = lastIndex(records, count);
  for (int32_t i = 1; i <= last; ++i) {
    const IncomingRecord& record = records[static_cast<size_t>(i)];
    if (record.ImportNumber != 0) added.push_back(PlannedRecord{i, record.ListName, record.ImportNumber, ""});
  }
  return added;
}

void describeRecords(std::vector<std::string>& lines, const std::string& heading,
                     const std::vector<PlannedRecord>& records) {
  if (records.empty()) return;
  lines.push_back(heading + " (" + std::to_string(records.size()) + "):");
  for (const PlannedRecord& record : records) {
    std::string line = "  " + std::to_string(record.number) + "\t" + record.name;
    if (!record.replaces.empty()) line += " (replaces " + record.replaces + ")";
    lines.push_back(line);
  }
}

std::string totalLine(std::string_view kind, int32_t existing, int32_t total) {
  return "  " + std::string(kind) + ": " + std::to_string(existing) + " -> " + std::to_string(total);
}

}  // namespace

bool ImportPlan::changesNothing() const {
  return wrestlersAdded.empty() && wrestlersReplaced.empty() && movesAdded.empty() && divesAdded.empty() &&
         managersAdded.empty() && teamsAdded.empty();
}

ImportPlan planImport(const exports::IncomingRecords& incoming, const ExistingDatabase& database,
                      const RecordCounts& newTotals) {
  ImportPlan plan;
  plan.existingCounts = database.counts;
  plan.newTotals = newTotals;

  // As the write-out does: existing wrestler k is replaced by the first selected wrestler matching it;
  // the selected new wrestlers are appended in order.
  std::map<int32_t, int32_t> replacing;
  int32_t next = database.counts.wrestlers;
  const int32_t last = lastIndex(incoming.IncomingWrestlers, incoming.IncomingWrestlerCount);
  for (int32_t j = 1; j <= last; ++j) {
    const IncomingRecord& wrestler = incoming.IncomingWrestlers[static_cast<size_t>(j)];
    if (wrestler.ImportNumber == 0) continue;
    const int32_t k = wrestler.ExistingNumber;
    if (k == 0) {
      plan.wrestlersAdded.push_back(PlannedRecord{j, wrestler.ListName, ++next, ""});
      continue;
    }
    const std::string replaced = static_cast<size_t>(k) < database.wrestlerNames.size()
                                     ? database.wrestlerNames[static_cast<size_t>(k)]
                                     : "";
    PlannedRecord record{j, wrestler.ListName, k, replaced};
    if (k > database.counts.wrestlers || !replacing.emplace(k, j).second) {
      plan.wrestlersNotWritten.push_back(record);
    } else {
      plan.wrestlersReplaced.push_back(record);
    }
  }
  plan.movesAdded = addedRecords(incoming.IncomingMoves, incoming.IncomingMoveCount);
  plan.divesAdded = addedRecords(incoming.IncomingDives, incoming.IncomingDiveCount);
  plan.managersAdded = addedRecords(incoming.IncomingManagers, incoming.IncomingManagerCount);
  plan.teamsAdded = addedRecords(incoming.IncomingTeams, incoming.IncomingTeamCount);
  return plan;
}

std::vector<std::string> describePlan(const ImportPlan& plan) {
  std::vector<std::string> lines;
  if (plan.changesNothing()) lines.push_back("Nothing is added or replaced.");
  describeRecords(lines, "Wrestlers added", plan.wrestlersAdded);
  describeRecords(lines, "Wrestlers replaced", plan.wrestlersReplaced);
  describeRecords(lines, "Wrestlers not written (an earlier one replaces the same record)",
                  plan.wrestlersNotWritten);
  describeRecords(lines, "Moves added", plan.movesAdded);
  describeRecords(lines, "Dives added", plan.divesAdded);
  describeRecords(lines, "Managers added", plan.managersAdded);
  describeRecords(lines, "Teams added", plan.teamsAdded);
  if (!plan.mappings.empty()) {
    lines.push_back("Mappings (" + std::to_string(plan.mappings.size()) + "):");
    for (const AppliedMapping& mapping : plan.mappings) lines.push_back("  " + describeMapping(mapping));
  }
  if (!plan.droppedReferences.empty()) {
    lines.push_back("References dropped (" + std::to_string(plan.droppedReferences.size()) + "):");
    for (const RemapWarning& warning : plan.droppedReferences)
      lines.push_back("  " + describeWarning(warning));
  }
  lines.push_back("Record counts:");
  lines.push_back(totalLine("wrestlers", plan.existingCounts.wrestlers, plan.newTotals.wrestlers));
  lines.push_back(totalLine("moves", plan.existingCounts.moves, plan.newTotals.moves));
  lines.push_back(totalLine("dives", plan.existingCounts.dives, plan.newTotals.dives));
  lines.push_back(totalLine("managers", plan.existingCounts.managers, plan.newTotals.managers));
  lines.push_back(totalLine("teams", plan.existingCounts.teams, plan.newTotals.teams));
  return lines;
}

}  // namespace imports
