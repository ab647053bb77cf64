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
    std::string line = "  " + std::to_string(record.Number) + "\t" + record.Name;
    if (!record.Replaces.empty()) line += " (replaces " + record.Replaces + ")";
    lines.push_back(line);
  }
}

std::string totalLine(std::string_view kind, int32_t existing, int32_t total) {
  return "  " + std::string(kind) + ": " + std::to_string(existing) + " -> " + std::to_string(total);
}

}  // namespace

bool ImportPlan::changesNothing() const {
  return WrestlersAdded.empty() && WrestlersReplaced.empty() && MovesAdded.empty() && DivesAdded.empty() &&
         ManagersAdded.empty() && TeamsAdded.empty();
}

ImportPlan planImport(const exports::IncomingRecords& incoming, const ExistingDatabase& database,
                      const RecordCounts& newTotals) {
  ImportPlan plan;
  plan.ExistingCounts = database.Counts;
  plan.NewTotals = newTotals;

  // As the write-out does: existing wrestler k is replaced by the first selected wrestler matching it;
  // the selected new wrestlers are appended in order.
  std::map<int32_t, int32_t> replacing;
  int32_t next = database.Counts.Wrestlers;
  const int32_t last = lastIndex(incoming.IncomingWrestlers, incoming.IncomingWrestlerCount);
  for (int32_t j = 1; j <= last; ++j) {
    const IncomingRecord& wrestler = incoming.IncomingWrestlers[static_cast<size_t>(j)];
    if (wrestler.ImportNumber == 0) continue;
    const int32_t k = wrestler.ExistingNumber;
    if (k == 0) {
      plan.WrestlersAdded.push_back(PlannedRecord{j, wrestler.ListName, ++next, ""});
      continue;
    }
    const std::string replaced = static_cast<size_t>(k) < database.WrestlerNames.size()
                                     ? database.WrestlerNames[static_cast<size_t>(k)]
                                     : "";
    PlannedRecord record{j, wrestler.ListName, k, replaced};
    if (k > database.Counts.Wrestlers || !replacing.emplace(k, j).second) {
      plan.WrestlersNotWritten.push_back(record);
    } else {
      plan.WrestlersReplaced.push_back(record);
    }
  }
  plan.MovesAdded = addedRecords(incoming.IncomingMoves, incoming.IncomingMoveCount);
  plan.DivesAdded = addedRecords(incoming.IncomingDives, incoming.IncomingDiveCount);
  plan.ManagersAdded = addedRecords(incoming.IncomingManagers, incoming.IncomingManagerCount);
  plan.TeamsAdded = addedRecords(incoming.IncomingTeams, incoming.IncomingTeamCount);
  return plan;
}

std::vector<std::string> describePlan(const ImportPlan& plan) {
  std::vector<std::string> lines;
  if (plan.changesNothing()) lines.push_back("Nothing is added or replaced.");
  describeRecords(lines, "Wrestlers added", plan.WrestlersAdded);
  describeRecords(lines, "Wrestlers replaced", plan.WrestlersReplaced);
  describeRecords(lines, "Wrestlers not written (an earlier one replaces the same record)",
                  plan.WrestlersNotWritten);
  describeRecords(lines, "Moves added", plan.MovesAdded);
  describeRecords(lines, "Dives added", plan.DivesAdded);
  describeRecords(lines, "Managers added", plan.ManagersAdded);
  describeRecords(lines, "Teams added", plan.TeamsAdded);
  if (!plan.Mappings.empty()) {
    lines.push_back("Mappings (" + std::to_string(plan.Mappings.size()) + "):");
    for (const AppliedMapping& mapping : plan.Mappings) lines.push_back("  " + describeMapping(mapping));
  }
  if (!plan.DroppedReferences.empty()) {
    lines.push_back("References dropped (" + std::to_string(plan.DroppedReferences.size()) + "):");
    for (const RemapWarning& warning : plan.DroppedReferences)
      lines.push_back("  " + describeWarning(warning));
  }
  lines.push_back("Record counts:");
  lines.push_back(totalLine("wrestlers", plan.ExistingCounts.Wrestlers, plan.NewTotals.Wrestlers));
  lines.push_back(totalLine("moves", plan.ExistingCounts.Moves, plan.NewTotals.Moves));
  lines.push_back(totalLine("dives", plan.ExistingCounts.Dives, plan.NewTotals.Dives));
  lines.push_back(totalLine("managers", plan.ExistingCounts.Managers, plan.NewTotals.Managers));
  lines.push_back(totalLine("teams", plan.ExistingCounts.Teams, plan.NewTotals.Teams));
  return lines;
}

}  // namespace imports
