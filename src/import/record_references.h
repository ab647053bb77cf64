// The references a record of the game's database holds, read from its lines where the import
// translates them: moves, managers and dives of a wrestler, moves of a move and of a dive, and the
// move numbers of a team's move text. Also the record's name, as the lists show it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "export/incoming.h"
#include "import/record_kinds.h"
#include "import/record_lines.h"

namespace imports {

struct RecordReference {
  RecordKind target = RecordKind::Move;  // a move, dive or manager
  ReferenceRange range{};                // where it sits; a team's move text is line 4 as a whole
  bool inMoveText = false;
  int64_t value = 0;  // never 0: only the references that name a record are listed
};

// The references of a record of `kind` that name a record, in line order. `references` is emptied
// first (it is reused from record to record). Managers name nothing.
void collectReferences(RecordKind kind, const exports::RecordLines& lines,
                       std::vector<RecordReference>& references);

// The move numbers of a team's move text: "!" a "-" b, b when it is a number and not a label. The
// game reads the text after one leading "+" alike, so such a text names its moves too.
std::vector<int64_t> teamMoveNumbers(std::string_view moveText);

// "line 55 bits 16-31", or "line 4" for a move text.
std::string referenceField(const RecordReference& reference);

// The record's name in Windows-1252: a wrestler's or manager's name, a move's or dive's name without
// its article, a team's name or else its members as "Member1/Member2".
std::string recordName(RecordKind kind, const exports::RecordLines& lines);

}  // namespace imports
