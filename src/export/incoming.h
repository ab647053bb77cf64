// The records of the export file being imported: per kind a header array and a parallel array of
// the records' text lines, both indexed from 1 (element 0 is unused), filled by the export parser and
// consumed by the selection evaluation and the import runs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/lines_per_record.h"

namespace exports {

// Names are cut to this many bytes (the original fixed 256-byte fields).
inline constexpr size_t kMaxNameLength = 255;

// The names are in Windows-1252: converted once from the record's name lines (code page 437) as the
// catalogue's names are, or typed by the user as a move's or dive's new name. The lines stay as the
// file holds them; they are what the import writes.
struct IncomingRecord {
  int32_t SourceNumber = 0;
  std::string StoredName;
  std::string ListName;
  int32_t ExistingNumber = 0;
  int32_t IsNew = 0;
  int32_t ImportNumber = 0;
  int32_t Needed = 0;
};

// Lines of one record: index n is line n (line 0 is the export's record number for moves, managers
// and dives, and stays empty for wrestlers and teams).
using RecordLines = std::vector<std::string>;

// Wrestlers take lines 1..kWrestlerLines, teams 1..kTeamLines; moves, managers and dives 0..kMoveLines,
// 0..kManagerLines, 0..kDiveLines.
using db::kDiveLines;
using db::kManagerLines;
using db::kMoveLines;
using db::kTeamLines;
using db::kWrestlerLines;

struct IncomingRecords {
  std::vector<IncomingRecord> IncomingWrestlers;
  std::vector<RecordLines> IncomingWrestlerLines;
  int32_t IncomingWrestlerCount = 0;

  std::vector<IncomingRecord> IncomingTeams;
  std::vector<RecordLines> IncomingTeamLines;
  int32_t IncomingTeamCount = 0;

  std::vector<IncomingRecord> IncomingMoves;
  std::vector<RecordLines> IncomingMoveLines;
  int32_t IncomingMoveCount = 0;

  std::vector<IncomingRecord> IncomingManagers;
  std::vector<RecordLines> IncomingManagerLines;
  int32_t IncomingManagerCount = 0;

  std::vector<IncomingRecord> IncomingDives;
  std::vector<RecordLines> IncomingDiveLines;
  int32_t IncomingDiveCount = 0;
};

// The process-wide instance the window and the runs share.
IncomingRecords& incoming();

}  // namespace exports
