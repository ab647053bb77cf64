// Reading the text lines of incoming records: line n of a record, its value as a packed 32-bit
// number, and the reference ranges packed into the lines of each kind. The selection evaluation and
// the reference translation read references through the same tables, so every reference that is
// translated is one the selection has seen.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "export/incoming.h"

namespace imports {

// Line n of a record's lines; "" when the record has no such line.
std::string_view lineText(const exports::RecordLines& lines, int line);
// Line n read as a number and held as 32 bits (the low 32 bits of the value read).
int32_t lineValue(const exports::RecordLines& lines, int line);

// A reference packed into bits firstBit..lastBit of line `line`.
struct ReferenceRange {
  int32_t line;
  int32_t firstBit;
  int32_t lastBit;
};

// In the order the translation visits them.
std::span<const ReferenceRange> wrestlerMoveRanges();     // moves named by a wrestler
std::span<const ReferenceRange> wrestlerManagerRanges();  // managers named by a wrestler
std::span<const ReferenceRange> wrestlerDiveRanges();     // dives named by a wrestler
std::span<const ReferenceRange> diveMoveRanges();         // moves named by a dive
std::span<const ReferenceRange> moveMoveRanges();         // moves named by a move

// The reference in `range` of a line holding `value`; nothing when the whole line is -1 (the
// marker of an unset line, which names nothing). Ranges reaching bit 31 give unsigned numbers.
std::optional<int64_t> referenceIn(int32_t value, const ReferenceRange& range);

// The numbered form of a team's move text: "!" a "-" b, usually followed by "/" and the performer.
// The game reads a text marked with one "+" in front ("+!12-7/x") alike.
struct TeamMoveText {
  bool marked = false;  // the text began with "+"
  std::string first;    // a, as written
  bool hasSecond = false;
  std::string second;  // b (up to a further "-"), as written
  std::string rest;    // whatever follows b in front of the "/" (a further "-" part), as written
  std::string tail;    // from the first "/" on, "/" included; "" when there is none
};
// Nothing unless the text begins with "!" or "+!"; the "+" and leading "!" characters are dropped.
std::optional<TeamMoveText> parseTeamMoveText(std::string_view text);

}  // namespace imports
