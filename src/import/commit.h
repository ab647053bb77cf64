// Putting the new record files in place. Each target keeps its predecessor as target & ".bak"; the
// commit either replaces every file or, when any step fails, undoes the steps already made so that
// the database, its ".bak" files and the ".new" files are as they were before it. The indexes are
// rebuilt once every file is in place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/file_steps.h"
#include "import/record_kinds.h"

namespace imports {

// While a commit runs, each target's previous backup waits under this name; it is removed when every
// file is in place. (Not ".bak1": the game's own backup rotation uses ".bak1", ".bak2", ...)
inline constexpr std::string_view kAsideSuffix = ".bak.aside";

enum class CommitStatus {
  Committed,           // every new file is in place (see IndexFailures and CleanupFailures)
  RolledBack,          // a step failed; everything is as it was before the commit
  RollbackIncomplete,  // a step failed and undoing failed too: see RollbackFailures
};

struct CommitResult {
  CommitStatus Status = CommitStatus::Committed;
  std::optional<FileFailure> Failure;  // the step that stopped the commit
  std::vector<FileFailure> RollbackFailures;
  // After a commit: indexes that could not be rebuilt (the record files are in place and consistent;
  // rebuildIndexes can be run again), and earlier backups that could not be removed.
  std::vector<FileFailure> IndexFailures;
  std::vector<FileFailure> CleanupFailures;

  bool committed() const { return Status == CommitStatus::Committed; }
  // Committed, with every index rebuilt and nothing left behind.
  bool complete() const { return committed() && IndexFailures.empty() && CleanupFailures.empty(); }
};

// One line for the user saying how the commit ended and which file failed why.
std::string describeCommit(const CommitResult& result);

// "\data\zor.inf.new": the new wrestler, move and manager totals as number lines, flushed.
std::optional<FileFailure> writeCountFile(std::string_view databaseFolder, const RecordCounts& newTotals);

// Puts newPath in the place of target, keeping the previous target as target & ".bak" (a target that
// does not exist gets no backup). All or nothing.
CommitResult BACKUPANDWRITE(std::string_view newPath, std::string_view target);

// Writes, for each record of the record file after its header lines, the 1-based position of its
// first line as a number line.
std::optional<FileFailure> MAKEINDEX(std::string_view recordFile, int32_t linesPerRecord,
                                     std::string_view indexFile, int32_t headerLines);

// The five indexes in the commit's order: moves, wrestlers, managers, teams, dives. Every index is
// attempted; the failures are returned.
std::vector<FileFailure> rebuildIndexes(std::string_view databaseFolder);

// The whole commit: the count file, then wrestlers, moves, dives, managers, teams and zor.inf put in
// place (all or nothing), then the indexes.
CommitResult commitImport(std::string_view databaseFolder, const RecordCounts& newTotals);

}  // namespace imports
