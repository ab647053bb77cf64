#include "import/record_references.h"

#include <span>

#include "db/codecs.h"
#include "platform/text.h"

namespace imports {
namespace {

constexpr int kNameLine = 1;
constexpr int kTeamMember1Line = 1;
constexpr int kTeamMember2Line = 2;
constexpr int kTeamNameLine = 3;
constexpr int kTeamMoveTextLine = 4;

void collectRanges(const exports::RecordLines& lines, std::span<const ReferenceRange> ranges,
                   RecordKind target, std::vector<RecordReference>& references) {
  int lastLine = -1;
  int32_t value = 0;
  for (const ReferenceRange& range : ranges) {
    // Ranges of one line follow each other; the line is read once for them.
    if (range.line != lastLine) {
      value = lineValue(lines, range.line);
      lastLine = range.line;
    }
    const std::optional<int64_t> number = referenceIn(value, range);
    if (number && *number != 0) references.push_back(RecordReference{target, range, false, *number});
  }
}

// A text of the game's files in the program's character set.
std::string fromFile(std::string_view text) {
  return db::REMAPDIACRITICS(text, 0);
}

}  // namespace

void collectReferences(RecordKind kind, const exports::RecordLines& lines,
                       std::vector<RecordReference>& references) {
  references.clear();
  switch (kind) {
    case RecordKind::Wrestler:
      collectRanges(lines, wrestlerMoveRanges(), RecordKind::Move, references);
      collectRanges(lines, wrestlerManagerRanges(), RecordKind::Manager, references);
      collectRanges(lines, wrestlerDiveRanges(), RecordKind::Dive, references);
      break;
    case RecordKind::Move:
      collectRanges(lines, moveMoveRanges(), RecordKind::Move, references);
      break;
    case RecordKind::Dive:
      collectRanges(lines, diveMoveRanges(), RecordKind::Move, references);
      break;
    case RecordKind::Team:
      for (int64_t number : teamMoveNumbers(lineText(lines, kTeamMoveTextLine))) {
        references.push_back(
            RecordReference{RecordKind::Move, ReferenceRange{kTeamMoveTextLine, 0, 0}, true, number});
      }
      break;
    case RecordKind::Manager:
      break;
  }
}

std::vector<int64_t> teamMoveNumbers(std::string_view moveText) {
  const std::optional<TeamMoveText> parsed = parseTeamMoveText(moveText);
  std::vector<int64_t> numbers;
  if (!parsed) return numbers;
  if (const int64_t first = platform::numberValue(parsed->first); first != 0) numbers.push_back(first);
  // A second part whose value is 0 is a label, not a move.
  if (parsed->hasSecond) {
    if (const int64_t second = platform::numberValue(parsed->second); second != 0) numbers.push_back(second);
  }
  return numbers;
}

std::string referenceField(const RecordReference& reference) {
  std::string field = "line " + std::to_string(reference.range.line);
  if (reference.inMoveText) return field;
  return field + " bits " + std::to_string(reference.range.firstBit) + "-" +
         std::to_string(reference.range.lastBit);
}

std::string recordName(RecordKind kind, const exports::RecordLines& lines) {
  switch (kind) {
    case RecordKind::Wrestler:
    case RecordKind::Manager:
      return fromFile(lineText(lines, kNameLine));
    case RecordKind::Move:
    case RecordKind::Dive:
      return db::REMOVEARTICLE(fromFile(lineText(lines, kNameLine)));
    case RecordKind::Team: {
      const std::string name = fromFile(lineText(lines, kTeamNameLine));
      if (!name.empty()) return name;
      if (lineText(lines, kTeamMember1Line).empty() && lineText(lines, kTeamMember2Line).empty()) return "";
      return fromFile(lineText(lines, kTeamMember1Line)) + "/" + fromFile(lineText(lines, kTeamMember2Line));
    }
  }
  return "";
}

}  // namespace imports
