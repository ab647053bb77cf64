#include "import/translation.h"

#include <algorithm>
#include <optional>
#include <span>

#include "import/record_lines.h"
#include "platform/text.h"
#include "services/events.h"
#include "services/log.h"

namespace imports {
namespace {

using exports::IncomingRecord;
using exports::RecordLines;

// Records 1..count that exist in both arrays.
int32_t lastIndex(const std::vector<IncomingRecord>& records, const std::vector<RecordLines>& lines,
                  int32_t count) {
  const size_t available = std::min(records.size(), lines.size());
  return std::min<int32_t>(count, static_cast<int32_t>(available) - 1);
}

void remapRanges(RecordKind kind, std::vector<IncomingRecord>& records, std::vector<RecordLines>& lines,
                 int32_t count, std::span<const ReferenceRange> ranges, const IdentifierMap& map,
                 RemapWarnings& warnings) {
  const int32_t last = lastIndex(records, lines, count);
  for (int32_t i = 1; i <= last; ++i) {
    services::keepResponsive();
    const IncomingRecord& record = records[static_cast<size_t>(i)];
    if (record.ImportNumber == 0) continue;
    RecordLines& recordLines = lines[static_cast<size_t>(i)];
    for (const ReferenceRange& range : ranges) {
      if (range.line < 0 || static_cast<size_t>(range.line) >= recordLines.size()) continue;
      RemapResult result = REMAPANDREPLACE(recordLines[static_cast<size_t>(range.line)], range.firstBit,
                                           range.lastBit, map, upperBound(map));
      if (result.outcome != RemapOutcome::Cleared) continue;
      warnings.push_back(RemapWarning{kind, i, record.StoredName, range.line, range.firstBit, range.lastBit,
                                      result.item, result.newNumber});
    }
  }
}

// The map entry of a number written in a team move text; nothing when the map has no such entry.
std::optional<int32_t> teamMoveEntry(std::string_view written, const IdentifierMap& map) {
  const int64_t number = platform::numberValue(written);
  if (number < 0 || number > upperBound(map)) {
    services::LOGM("Error: trying to map item " + std::to_string(number) + " in a map with " +
                   std::to_string(upperBound(map)) + " records.");
    return std::nullopt;
  }
  return map[static_cast<size_t>(number)];
}

}  // namespace

std::string describeWarning(const RemapWarning& warning) {
  return std::string(kindName(warning.kind)) + " " + std::to_string(warning.recordIndex) + " (" +
         warning.recordName + "), field " + std::to_string(warning.field) + " bits " +
         std::to_string(warning.firstBit) + "-" + std::to_string(warning.lastBit) + ": reference " +
         std::to_string(warning.item) + " would become " + std::to_string(warning.number) +
         ", which does not fit; the reference was removed.";
}

void remapMovesInDives(exports::IncomingRecords& incoming, const IdentifierMap& moveMap,
                       RemapWarnings& warnings) {
  remapRanges(RecordKind::Dive, incoming.IncomingDives, incoming.IncomingDiveLines,
              incoming.IncomingDiveCount, diveMoveRanges(), moveMap, warnings);
}

void remapMovesInMoves(exports::IncomingRecords& incoming, const IdentifierMap& moveMap,
                       RemapWarnings& warnings) {
  remapRanges(RecordKind::Move, incoming.IncomingMoves, incoming.IncomingMoveLines,
              incoming.IncomingMoveCount, moveMoveRanges(), moveMap, warnings);
}

void remapMovesInWrestlers(exports::IncomingRecords& incoming, const IdentifierMap& moveMap,
                           RemapWarnings& warnings) {
  remapRanges(RecordKind::Wrestler, incoming.IncomingWrestlers, incoming.IncomingWrestlerLines,
              incoming.IncomingWrestlerCount, wrestlerMoveRanges(), moveMap, warnings);
}

void remapManagersInWrestlers(exports::IncomingRecords& incoming, const IdentifierMap& managerMap,
                              RemapWarnings& warnings) {
  remapRanges(RecordKind::Wrestler, incoming.IncomingWrestlers, incoming.IncomingWrestlerLines,
              incoming.IncomingWrestlerCount, wrestlerManagerRanges(), managerMap, warnings);
}

void remapDivesInWrestlers(exports::IncomingRecords& incoming, const IdentifierMap& diveMap,
                           RemapWarnings& warnings) {
  remapRanges(RecordKind::Wrestler, incoming.IncomingWrestlers, incoming.IncomingWrestlerLines,
              incoming.IncomingWrestlerCount, wrestlerDiveRanges(), diveMap, warnings);
}

std::string translateTeamMoveText(std::string_view text, const IdentifierMap& moveMap) {
  // A marked text ("+!12-7/x") names its moves too: left as it was, such a team would name whatever
  // moves the importing database has under the exporter's numbers.
  std::optional<TeamMoveText> parsed = parseTeamMoveText(text);
  if (!parsed) return std::string(text);

  std::optional<int32_t> first = teamMoveEntry(parsed->first, moveMap);
  std::string result =
      std::string(parsed->marked ? "+!" : "!") + (first ? std::to_string(*first) : parsed->first);
  if (!parsed->hasSecond) return result + parsed->tail;

  // A label (numeric value 0) or a move without a final number keeps its text as written.
  std::optional<int32_t> second = teamMoveEntry(parsed->second, moveMap);
  result += "-" + (second && *second != 0 ? std::to_string(*second) : parsed->second);
  return result + parsed->rest + parsed->tail;
}

void remapMovesInTeams(exports::IncomingRecords& incoming, const IdentifierMap& moveMap, bool logBefore) {
  const int32_t last =
      lastIndex(incoming.IncomingTeams, incoming.IncomingTeamLines, incoming.IncomingTeamCount);
  for (int32_t i = 1; i <= last; ++i) {
    if (incoming.IncomingTeams[static_cast<size_t>(i)].ImportNumber == 0) continue;
    RecordLines& lines = incoming.IncomingTeamLines[static_cast<size_t>(i)];
    if (lines.size() <= 4 || !parseTeamMoveText(lines[4])) continue;
    if (logBefore) services::LOGM("Before: " + lines[4]);
    lines[4] = translateTeamMoveText(lines[4], moveMap);
    services::LOGM("After:  " + lines[4]);
  }
}

RemapWarnings translateReferences(exports::IncomingRecords& incoming, const IdentifierMaps& maps,
                                  const TranslationOptions& options) {
  RemapWarnings warnings;
  auto heading = [&options](std::string_view text) {
    if (!options.logHeadings) return;
    services::LOGM("");
    services::LOGM(text);
  };
  heading("Remapping moves in dives");
  remapMovesInDives(incoming, maps.MoveMap, warnings);
  heading("Remapping moves in moves");
  remapMovesInMoves(incoming, maps.MoveMap, warnings);
  heading("Remapping moves in wrestlers");
  remapMovesInWrestlers(incoming, maps.MoveMap, warnings);
  heading("Remapping managers in wrestlers");
  remapManagersInWrestlers(incoming, maps.ManagerMap, warnings);
  heading("Remapping dives in wrestlers");
  remapDivesInWrestlers(incoming, maps.DiveMap, warnings);
  heading("Remapping moves in teams");
  remapMovesInTeams(incoming, maps.MoveMap, options.logTeamTextBefore);
  return warnings;
}

}  // namespace imports
