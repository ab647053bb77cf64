#include "import/record_kinds.h"

#include "db/lines_per_record.h"

namespace imports {
namespace {

std::string_view baseName(RecordKind kind) {
  switch (kind) {
    case RecordKind::Wrestler:
      return "wrestlrs";
    case RecordKind::Team:
      return "teams";
    case RecordKind::Move:
      return "moves";
    case RecordKind::Manager:
      return "managers";
    case RecordKind::Dive:
      return "dives";
  }
  return "";
}

std::string dataPath(std::string_view databaseFolder, RecordKind kind, std::string_view extension) {
  return std::string(databaseFolder) + "\\data\\" + std::string(baseName(kind)) + std::string(extension);
}

}  // namespace

std::string_view kindName(RecordKind kind) {
  switch (kind) {
    case RecordKind::Wrestler:
      return "wrestler";
    case RecordKind::Team:
      return "team";
    case RecordKind::Move:
      return "move";
    case RecordKind::Manager:
      return "manager";
    case RecordKind::Dive:
      return "dive";
  }
  return "";
}

int32_t linesPerRecord(RecordKind kind) {
  switch (kind) {
    case RecordKind::Wrestler:
      return db::kWrestlerLines;
    case RecordKind::Move:
      return db::kMoveLines;
    case RecordKind::Team:
      return db::kTeamLines;
    case RecordKind::Manager:
      return db::kManagerLines;
    case RecordKind::Dive:
      return db::kDiveLines;
  }
  return 0;
}

std::string databaseFile(std::string_view databaseFolder, RecordKind kind) {
  return dataPath(databaseFolder, kind, ".dat");
}

std::string newFile(std::string_view databaseFolder, RecordKind kind) {
  return dataPath(databaseFolder, kind, ".new");
}

std::string indexFile(std::string_view databaseFolder, RecordKind kind) {
  return dataPath(databaseFolder, kind, ".idx");
}

std::string countFile(std::string_view databaseFolder) {
  return std::string(databaseFolder) + "\\data\\zor.inf";
}

std::string newCountFile(std::string_view databaseFolder) {
  return countFile(databaseFolder) + ".new";
}

int32_t countOf(const RecordCounts& counts, RecordKind kind) {
  switch (kind) {
    case RecordKind::Wrestler:
      return counts.wrestlers;
    case RecordKind::Team:
      return counts.teams;
    case RecordKind::Move:
      return counts.moves;
    case RecordKind::Manager:
      return counts.managers;
    case RecordKind::Dive:
      return counts.dives;
  }
  return 0;
}

}  // namespace imports
