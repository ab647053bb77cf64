// Line-level helpers of the record loaders: whole numbers, bit ranges, skipped lines, the
// provenance stamp and the "|"/"="-separated fields of settings-style lines.
#pragma once

#include <cstdint>
#include <string_view>

#include "db/codecs.h"
#include "db/record_text.h"
#include "platform/text.h"

namespace db {

// The next line as a whole 32-bit number.
int32_t readWhole(int fileNumber);
// Reads and drops `count` lines.
void skipLines(int fileNumber, int count);

// Bits first..last of a packed number; the loaders' ranges are narrower than 32 bits.
inline int32_t bitRange(int32_t value, int32_t first, int32_t last) {
  return static_cast<int32_t>(GETBITS(value, first, last));
}

// Origin, Creator, Created and Modified as every loader sets them.
template <class Record>
void stampProvenance(Record& record) {
  record.Created = MAKEDATE(2003, 1, 1, 0, 0, 0);
  record.Modified = DATETIME();
  record.Origin = memory::NEWSTRING(kLegacyOrigin);
  record.Creator = memory::NEWSTRING(kImporterCreator);
}

using platform::delimitedPart;

}  // namespace db
