// The write-out of an import: each record file is written anew beside the old one ("teams.new" and
// its siblings), the existing records copied line for line, replaced wrestlers written in place and
// the added records appended. The database itself is not touched; the commit puts the new files in
// place. Every file operation is checked: the first failure stops the write-out and is returned, and
// the new files written so far are removed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/catalogue.h"
#include "export/incoming.h"
#include "import/file_steps.h"
#include "import/record_kinds.h"

namespace imports {

// What the write-out needs to know of the loaded database.
struct ExistingDatabase {
  std::string folder;                      // the folder holding "data" ("." in the program)
  RecordCounts counts;                     // the loaded record counts
  std::vector<std::string> wrestlerNames;  // element k: the loaded Name of wrestler k (for the log)
};

// The counts and wrestler names of a loaded catalogue, with the folder it was loaded from.
ExistingDatabase existingDatabaseOf(const db::Catalogue& catalogue, std::string_view folder);

struct WriteOptions {
  bool logHeadings = true;      // "Writing team DB" and its siblings
  bool logReplacements = true;  // "Replacing wrestler ..." and the lines of the replacing wrestler
};

// Writes the new file of one kind with `newTotal` as its count: the existing records, then every
// incoming record of the kind with a nonzero ImportNumber (wrestlers: replacements in place, see
// writeWrestlers). The new file is flushed before it is closed; a failure removes the new file again
// once this write-out has begun it.
std::optional<FileFailure> writeKind(RecordKind kind, const ExistingDatabase& database, int32_t newTotal,
                                     const exports::IncomingRecords& incoming,
                                     const WriteOptions& options = {});

// The wrestler file: existing wrestler k is replaced by the first selected incoming wrestler whose
// ExistingNumber is k (keeping k's picture line 83 unless the new one names an existing file); the
// selected wrestlers with ExistingNumber 0 are appended.
std::optional<FileFailure> writeWrestlers(const ExistingDatabase& database, int32_t newTotal,
                                          const exports::IncomingRecords& incoming,
                                          const WriteOptions& options = {});

// The five write-outs in the run's order: teams, dives, moves, managers, wrestlers. Stops at the
// first failure, and then leaves none of the new files it wrote.
std::optional<FileFailure> writeDatabase(const ExistingDatabase& database, const RecordCounts& newTotals,
                                         const exports::IncomingRecords& incoming,
                                         const WriteOptions& options = {});

// Removes the five new files of a complete write-out that is not put in place.
void removeNewFiles(std::string_view databaseFolder);

}  // namespace imports
