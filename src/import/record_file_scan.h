// One pass over a record file of the game's database as it is on disk: its count line, how many whole
// records follow it and how many lines of a record cut short, where each record begins (what its
// index must say), and the lines of each record the count covers, handed to a visitor. Unlike the
// load, the pass believes nothing: it sees records past the count, a count line that holds no number
// and a file that ends inside a record.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "export/incoming.h"
#include "import/file_steps.h"

namespace imports {

struct RecordFileLayout {
  int32_t linesPerRecord = 1;  // a stable: its lines without members
  bool memberLines = false;    // line 2 holds a member count, and each member takes one line more
  // Lines 1..keptLines of each record are handed to the visitor; the others are only counted.
  int32_t keptLines = 0;
};

struct RecordFileScan {
  bool exists = false;
  std::optional<FileFailure> failure;  // a file operation that failed; what follows it is unknown
  bool hasCountLine = false;           // false for an empty file
  std::string countLine;
  bool countValid = false;            // the count line holds a number of records (0 or more)
  int32_t stated = 0;                 // that number; 0 when the count line holds none
  int32_t records = 0;                // whole records after the count line
  int32_t leftoverLines = 0;          // lines of a record cut short by the end of the file
  std::vector<int64_t> recordStarts;  // 1-based byte position of each record's first line, the cut one too

  // The records the game can use: those the count names that are also whole in the file.
  int32_t usableRecords() const { return stated < records ? stated : records; }
};

// Record `record` (1-based) with its lines 1..keptLines (lines past the end of the file are "").
using RecordVisitor = std::function<void(int32_t record, const exports::RecordLines& lines)>;

// Reads `path` once; `visit` sees each record the count line covers, in file order. File errors are
// caught, never reported: the first one ends the pass and is returned in `failure`.
RecordFileScan scanRecordFile(const std::string& path, const RecordFileLayout& layout,
                              const RecordVisitor& visit);

}  // namespace imports
