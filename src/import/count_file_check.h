// Whether "zor.inf" holds the record counts of the database: exactly three number lines, the counts of
// wrestlers, moves and managers, as the import writes them beside the count lines of the record files.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "import/database_findings.h"

namespace imports {

// What one line of the count file must say.
struct ExpectedCount {
  std::string recordFile;        // "moves.dat"
  std::string plural;            // "moves"
  std::string singular;          // "move"
  std::optional<int32_t> count;  // its count line; nothing when that holds no count
};

// Findings for a line that is missing, holds no number or another count than its record file, and for
// lines after the third. A missing count file is no fault: the next import writes it. Appends to
// `findings`.
void checkCountFile(const std::string& path, const std::array<ExpectedCount, 3>& expected,
                    DatabaseFindings& findings);

}  // namespace imports
