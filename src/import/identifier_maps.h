// Identifier maps: the translation from an export's record numbers (source numbers) to the final
// record numbers in the receiving database, and the rewriting of a reference packed into a bit
// range of a numeric record line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "export/incoming.h"

namespace imports {

// Entry s is the final number of the incoming record with source number s, 0 when there is none.
// Indexed 0..MaxSourceNumber; entry 0 is always 0 (no reference).
using IdentifierMap = std::vector<int32_t>;

// The highest source number per referenced kind among the incoming records (0 when none).
struct MaxSourceNumbers {
  int32_t moves = 0;
  int32_t dives = 0;
  int32_t managers = 0;
};

struct IdentifierMaps {
  IdentifierMap MoveMap;
  IdentifierMap DiveMap;
  IdentifierMap ManagerMap;
};

// A map of entries 0..maxSourceNumber, all 0 (a negative bound gives the single entry 0).
IdentifierMap makeIdentifierMap(int32_t maxSourceNumber);
// The highest index of the map.
int32_t upperBound(const IdentifierMap& map);

// Fills the map from records 1..count: entry SourceNumber = ImportNumber when nonzero, else
// ExistingNumber; later records win. Source numbers outside 1..upper bound have no entry.
void POPULATE(IdentifierMap& map, const std::vector<exports::IncomingRecord>& records, int32_t count);

// The three maps dimensioned by `bounds` and filled in the run's order: dives, moves, managers.
IdentifierMaps buildIdentifierMaps(const exports::IncomingRecords& incoming, const MaxSourceNumbers& bounds);

// "s -> entry" for every s from 1 whose entry is nonzero (the run's map listing).
std::vector<std::string> mapEntryLines(const IdentifierMap& map);

// Replaces bits firstBit..lastBit (0 <= firstBit <= lastBit <= 31) of value with newValue, which is
// not masked to the width of the range.
void REPLACEBITS(int32_t& value, int32_t firstBit, int32_t lastBit, int64_t newValue);

enum class RemapOutcome {
  Unchanged,  // -1 line, reference 0, or the map keeps the number
  Replaced,
  NotInMap,  // the reference is above the map's upper bound; logged and left as it is
  Cleared,   // the new number does not fit the range; the reference was set to 0
};

struct RemapResult {
  RemapOutcome outcome = RemapOutcome::Unchanged;
  int64_t item = 0;       // the reference read from the range
  int64_t newNumber = 0;  // its map entry (Replaced, Cleared)
};

// Translates the reference in bits firstBit..lastBit of the numeric line `fieldText` through the map
// and writes the line back as a signed 32-bit decimal when it changes.
RemapResult REMAPANDREPLACE(std::string& fieldText, int32_t firstBit, int32_t lastBit,
                            const IdentifierMap& map, int32_t mapUpperBound);

// "an " & name when the name begins with a vowel (a, e, i, o, u in either case), otherwise "a " & name.
std::string ADDARTICLE(std::string_view name);

// The 32 bits of value, most significant first.
std::string binary32(int32_t value);

}  // namespace imports
