// The wrestler export parser: reads the five sections of a wrestler export into the incoming record
// arrays, matches every incoming record by name against the catalogue, and returns what the window
// lists. The interactive parse and the batch parse are one procedure with a mode.
//
// Layout (each marker found by FISEEK, so any lines may precede it; sections in this order):
//   "[Exported Wrestlers]"  count line, then records of 120 lines (1..120)
//   "[Exported Teams]"      records of 10 lines up to one whose first line is empty; no count line
//   "[Exported Moves]"      count line, then records of 28 lines (0..27)
//   "[Exported Managers]"   count line, then records of 11 lines (0..10)
//   "[Exported Dives]"      count line, then records of 11 lines (0..10)
// Line 0 of moves, managers and dives is the record's number in the exporting database.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/catalogue.h"
#include "export/incoming.h"
#include "services/messages.h"

namespace exports {

inline constexpr std::string_view kWrestlersMarker = "[Exported Wrestlers]";
inline constexpr std::string_view kTeamsMarker = "[Exported Teams]";
inline constexpr std::string_view kMovesMarker = "[Exported Moves]";
inline constexpr std::string_view kManagersMarker = "[Exported Managers]";
inline constexpr std::string_view kDivesMarker = "[Exported Dives]";

inline constexpr std::string_view kCorruptFileMessage = "This file is corrupt or not a ZOR export file.";
inline constexpr std::string_view kOpenErrorMessage = "Error opening file.";
inline constexpr std::string_view kNotIdentifiedMessage =
    "{S}File couldn't be identified as a ZOR export file.";

// A message about one export file: the text, then on a line of its own the file as the program shows
// paths, so that the user learns which of the files tried it was.
std::string namingFile(std::string_view text, std::string_view path);

// No record number can exceed 16 bits, so a larger count (or record number) marks a damaged file.
inline constexpr int64_t kMaxRecordCount = 65535;

enum class ParseMode {
  Interactive,  // messages, list data
  Batch,        // silent, every wrestler selected (ImportNumber 1), no list data
};

enum class ParseOutcome {
  Parsed,
  Corrupt,      // digest mismatch, a count or record number beyond 16 bits, a line holding a line break
  CannotOpen,   // the stream layer could not open the file
  NotAnExport,  // no "[Exported Wrestlers]" line (interactive parse only)
};

struct WrestlerItem {
  std::string text;  // "F" or "M", a tab, then the wrestler's ListName
  bool selected = false;
};

// What the window shows after a parse; empty unless an interactive parse succeeded. The name lists
// are in incoming order; the window sorts them.
struct ParseResult {
  ParseOutcome outcome = ParseOutcome::Parsed;
  std::vector<WrestlerItem> wrestlerItems;
  std::vector<std::string> newMoves;
  std::vector<std::string> newDives;
  std::vector<std::string> newManagers;
  std::vector<std::string> newTeams;
  int32_t moveRowCount = 0;  // shown in the move counter box
  int32_t diveRowCount = 0;  // shown in the dive counter box
  // What the interactive parse has to tell the user about a failure, naming the file; the front end
  // shows it.
  std::optional<services::MessageBoxRequest> message;
};

// Parses `fileName` into `records`. The arrays are replaced only when the parse succeeds; on any
// failure they keep their contents. The interactive parse describes every failure in `message`.
ParseResult PARSEEXPORT(std::string_view fileName, const db::Catalogue& catalogue, IncomingRecords& records,
                        ParseMode mode = ParseMode::Interactive);
// The interactive parse on the process-wide catalogue and incoming arrays.
ParseResult PARSEEXPORT(std::string_view fileName);

// True when a line holds a byte that ends a line or a text file (CR, LF, 26): such a line cannot be
// written to a database file as one line, so a record holding one marks a damaged file.
bool holdsLineBreak(std::string_view line);

// The value of a count line: a decimal number, "" and non-numeric text giving 0, negative values
// counting as 0. -1 when the count exceeds kMaxRecordCount.
int32_t countValue(std::string_view line);

}  // namespace exports
