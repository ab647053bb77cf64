// The import of object and gimmick-match exports: every record whose name the database does not hold
// yet is appended to the database file as it stands; the others are skipped.
//
// Layout: any lines, the marker line, a count line N, then N records in the database file's own
// line layout (objects 40 lines, gimmick matches 7 lines).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "db/catalogue.h"

namespace exports {

inline constexpr std::string_view kObjectsMarker = "[Exported Objects]";
inline constexpr std::string_view kGimmicksMarker = "[Gimmick Matches]";
inline constexpr std::string_view kStagingFile = "import.txx";

// What an export of objects or gimmick matches holds (wrestler exports are the parser's).
enum class ObjectExportKind { Objects, Gimmicks };

enum class ImportOutcome {
  Imported,         // the database file was rewritten and the catalogue reloaded
  Corrupt,          // a count beyond 16 bits, fewer records than announced, a line holding a line break
  DatabaseMissing,  // the kind's database file does not exist
  Failed,           // a file operation failed; the database file is as it was
};

struct ImportResult {
  ImportOutcome outcome = ImportOutcome::Imported;
  int32_t announced = 0;  // the export's count
  int32_t added = 0;      // records appended
  std::string message;    // the text shown to the user
};

// Both take a stream positioned just after the marker line and always close it (the number is set
// to 0). Paths are the game folder followed by "\data\objects.dat" and the like; the staging file is
// the game folder followed by "\import.txx".
ImportResult IMPORTOBJECTS(int32_t& stream, db::Catalogue& catalogue, std::string_view gameFolder);
ImportResult IMPORTGIMMICKS(int32_t& stream, db::Catalogue& catalogue, std::string_view gameFolder);
// On the process-wide catalogue and the program's database folder.
ImportResult IMPORTOBJECTS(int32_t& stream);
ImportResult IMPORTGIMMICKS(int32_t& stream);

// "2 foreign objects have been imported successfully. 1 was already in the database."
std::string importSummary(ObjectExportKind kind, int32_t added, int32_t announced);

}  // namespace exports
