// Putting the new record files in place as one change. The count file and the five indexes are
// written beside the new record files first (the indexes from the new files, so that an index is
// never stale); then the eleven files replace the database's in one file transaction: each target
// keeps its predecessor as its name on disk & ".bak", and a process that dies at any point leaves a
// journal from which the next start makes the set whole again. A step that fails undoes the steps
// already made.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/database_guard.h"
#include "import/file_steps.h"
#include "import/record_kinds.h"
#include "platform/file_transaction.h"

namespace imports {

using platform::kAsideSuffix;

// The outcome of a commit is the outcome of its file transaction.
using CommitStatus = platform::TransactionStatus;
using CommitResult = platform::TransactionResult;

// One line for the user saying how the commit ended and which file failed why.
std::string describeCommit(const CommitResult& result);

// "\data\zor.inf.new": the new wrestler, move and manager totals as number lines, flushed. A failure
// leaves no half-written file.
std::optional<FileFailure> writeCountFile(std::string_view databaseFolder, const RecordCounts& newTotals);

// Puts newPath in the place of target, keeping the previous target as target & ".bak" (a target that
// does not exist gets no backup). All or nothing; the journal is kept beside the target.
CommitResult BACKUPANDWRITE(std::string_view newPath, std::string_view target);

// Writes, for each record of the record file after its header lines, the 1-based position of its
// first line as a number line. The index is flushed to the disk; a failure once the index was
// opened removes it again.
std::optional<FileFailure> MAKEINDEX(std::string_view recordFile, int32_t linesPerRecord,
                                     std::string_view indexFile, int32_t headerLines);

// The whole commit of an import: the count file and the indexes of the new files, then wrestlers,
// moves, dives, managers, teams, zor.inf and the indexes of moves, wrestlers, managers, teams and dives
// put in place (all or nothing), the change labelled `label`. The caller holds the database lock. A
// commit that changed nothing removes the count file and the indexes it wrote; the new record files
// are the caller's.
CommitResult commitImport(std::string_view databaseFolder, const RecordCounts& newTotals,
                          std::string_view label = db::kWrestlerImportChange);

}  // namespace imports
