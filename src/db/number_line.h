// Numbers on lines of their own in the game's files (record counts, zor.inf, index entries).
#pragma once

#include <cstdint>
#include <string>

namespace db {

// The sign position (blank or "-"), the digits and one trailing blank; the caller adds the line end.
inline std::string numberLine(int64_t value) {
  const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  return (value < 0 ? "-" : " ") + std::to_string(magnitude) + " ";
}

}  // namespace db
