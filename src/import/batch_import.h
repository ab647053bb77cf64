// The batch import: each export file of a list is imported as it is, one after the other, without any
// question: every wrestler selected (wrestlers already in the database are replaced), no mapping, the
// commit at once, and the catalogue reloaded so that the next file is imported against the database
// as the previous one left it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "db/catalogue.h"
#include "export/incoming.h"
#include "export/parser.h"
#include "import/import_run.h"

namespace imports {

inline constexpr int32_t kSilentImported = 0;
inline constexpr int32_t kSilentNotOpened =
    -1;  // not opened as an export (cannot open, corrupt): nothing written
inline constexpr int32_t kSilentStopped = -2;  // stopped by a failure: the database as it was

struct SilentImportResult {
  int32_t code = kSilentImported;
  exports::ParseOutcome parse = exports::ParseOutcome::Parsed;
  ImportRunResult run;  // when the file was parsed
  std::string problem;  // why the file was not imported, or what its commit left undone; "" when nothing
};

// Imports one export file into the database in `databaseFolder` and reloads `catalogue` from it. A
// file of a batch keeps the batch's record, for one undo of the whole batch.
SilentImportResult silentImport(std::string_view path, db::Catalogue& catalogue,
                                exports::IncomingRecords& incoming, std::string_view databaseFolder,
                                BatchRecord* batch = nullptr);
// On the process-wide catalogue, incoming records and database folder: 0 imported, nonzero not.
int32_t SILENTIMPORT(std::string_view path);

// The name a status line shows for a path: the text after its last "\" or "/"; a path without either
// is shown whole up to 20 characters, longer as its first 10 characters, "..." and its last 10.
std::string batchShortName(std::string_view path);

// What a status line says of a file before its short name: "Imported: " or "Import failed: ".
std::string_view batchStatusPrefix(const SilentImportResult& result);

struct BatchFile {
  std::string path;
  std::string statusLine;  // "Imported: " or "Import failed: " and the short name
  SilentImportResult result;
};

struct BatchResult {
  std::vector<BatchFile> files;  // in the order imported
  std::string statusText;  // the status lines, newest first, each followed by CR LF, then the earlier text
};

// Told the position (0 before the first file, then i after file i) of `count` files and the status
// text as it is then.
using BatchProgress = std::function<void(int32_t position, int32_t count, std::string_view statusText)>;

// Imports the files in order. `statusText` is the status box's text before the batch; an empty list
// does nothing (the progress is not told). After each file the window processes pending events. The
// record of the last change is then that of the whole batch, so that one undo takes back every file
// it imported.
BatchResult importBatch(const std::vector<std::string>& paths, std::string_view statusText,
                        db::Catalogue& catalogue, exports::IncomingRecords& incoming,
                        std::string_view databaseFolder, const BatchProgress& progress = {});
// On the process-wide catalogue, incoming records and database folder.
BatchResult importBatch(const std::vector<std::string>& paths, std::string_view statusText,
                        const BatchProgress& progress = {});

}  // namespace imports
