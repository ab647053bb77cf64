// Helpers shared by every record kind: reading a heap-string field, releasing one, and the
// provenance texts that the loaders give every record.
#pragma once

#include <string_view>

#include "memory/heap_blocks.h"

namespace db {

inline constexpr std::string_view kLegacyOrigin = "Legacy ZOR Data";
inline constexpr std::string_view kImporterCreator = "ZOR 7 For Windows Importer";

// A record's text field as text ("" when the field holds no text).
inline std::string_view text(const char* field) {
  return memory::heapText(field);
}

// Returns the field's block to the heap and clears the field, so a record released twice is harmless.
inline void releaseText(memory::HeapString& field) {
  memory::FREEARRAY(field);
  field = nullptr;
}

}  // namespace db
