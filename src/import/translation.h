// The references an import translates, in the order it translates them: moves in the added dives,
// moves in the added moves, moves, managers and dives in the selected wrestlers, moves in the added
// teams' move texts. Only records that will be written (nonzero ImportNumber) are touched.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "export/incoming.h"
#include "import/identifier_maps.h"
#include "import/record_kinds.h"

namespace imports {

// A reference whose new number did not fit its bit range and was cleared to 0.
struct RemapWarning {
  RecordKind kind = RecordKind::Wrestler;  // the record holding the reference
  int32_t recordIndex = 0;                 // its index among the incoming records of its kind
  std::string recordName;                  // its StoredName
  int32_t field = 0;
  int32_t firstBit = 0;
  int32_t lastBit = 0;
  int64_t item = 0;    // the number it held
  int64_t number = 0;  // the number it should have become
};
using RemapWarnings = std::vector<RemapWarning>;

// One line for the user, naming the record, the field and the numbers.
std::string describeWarning(const RemapWarning& warning);

// The rows of the translation; each appends to `warnings`.
void remapMovesInDives(exports::IncomingRecords& incoming, const IdentifierMap& moveMap,
                       RemapWarnings& warnings);
void remapMovesInMoves(exports::IncomingRecords& incoming, const IdentifierMap& moveMap,
                       RemapWarnings& warnings);
void remapMovesInWrestlers(exports::IncomingRecords& incoming, const IdentifierMap& moveMap,
                           RemapWarnings& warnings);
void remapManagersInWrestlers(exports::IncomingRecords& incoming, const IdentifierMap& managerMap,
                              RemapWarnings& warnings);
void remapDivesInWrestlers(exports::IncomingRecords& incoming, const IdentifierMap& diveMap,
                           RemapWarnings& warnings);
// Line 4 of every added team; logs "Before: " (when asked) and "After:  " around each "!" text.
void remapMovesInTeams(exports::IncomingRecords& incoming, const IdentifierMap& moveMap, bool logBefore);

// A team move text with its move numbers translated. Only a text beginning with "!" changes; a
// number outside the map is left as written.
std::string translateTeamMoveText(std::string_view text, const IdentifierMap& moveMap);

struct TranslationOptions {
  bool logHeadings = true;        // "Remapping moves in dives" and its siblings before each row
  bool logTeamTextBefore = true;  // the "Before: " line of each team move text
};

// All six rows in order, with the maps' upper bounds.
RemapWarnings translateReferences(exports::IncomingRecords& incoming, const IdentifierMaps& maps,
                                  const TranslationOptions& options = {});

}  // namespace imports
