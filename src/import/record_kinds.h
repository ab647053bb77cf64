// The five record kinds an import writes, with their files in the database folder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "db/number_line.h"

namespace imports {

enum class RecordKind { Wrestler, Team, Move, Manager, Dive };

// "wrestler", "team", "move", "manager", "dive".
std::string_view kindName(RecordKind kind);
// Lines of one record in the database file: 120, 10, 27, 10, 10.
int32_t linesPerRecord(RecordKind kind);

// Paths of a kind's files: the database folder followed by "\data\teams.dat" and its siblings.
std::string databaseFile(std::string_view databaseFolder, RecordKind kind);
std::string newFile(std::string_view databaseFolder, RecordKind kind);
std::string indexFile(std::string_view databaseFolder, RecordKind kind);
// The record-count file and its new companion.
std::string countFile(std::string_view databaseFolder);
std::string newCountFile(std::string_view databaseFolder);

// Per kind a record count: the loaded database's counts, or the totals after an import.
struct RecordCounts {
  int32_t wrestlers = 0;
  int32_t moves = 0;
  int32_t dives = 0;
  int32_t managers = 0;
  int32_t teams = 0;
};
int32_t countOf(const RecordCounts& counts, RecordKind kind);

using db::numberLine;

}  // namespace imports
