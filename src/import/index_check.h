// Whether an index file of the data folder still fits its record file: one entry per record, each
// the byte position at which the record begins, as the import writes indexes after every change.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "import/database_findings.h"

namespace imports {

struct IndexedFile {
  std::string indexPath;
  std::string indexName;              // "moves.idx"
  std::string recordName;             // "moves.dat"
  std::string recordNoun;             // "move"
  std::vector<int64_t> recordStarts;  // where each record of the record file begins, as it is now
};

// Findings for an index with too many or too few entries and for the first entry that is not where
// its record begins (with how many are wrong). A missing index is no fault: the next import writes
// it. Appends to `findings`.
void checkIndex(const IndexedFile& file, DatabaseFindings& findings);

}  // namespace imports
