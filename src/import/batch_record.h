// The record a batch keeps so that one undo takes back every file it imported. Each file is a commit
// of its own, whose record names only that file's change, and after which the ".bak" files hold the
// database as it was before that file. So from the second commit on, before each commit (while the
// ".bak" files still hold them) the backups from before the batch are copied to kept names beside them
// (the backup's name & ".batch"), and after it the record of the last change is replaced by one for the
// whole batch, one step per file: as its backup the kept copy (or, for a file the batch changed first
// in its last commit, the ".bak" file itself), the digest of the file before the batch and the digest
// the batch's last commit wrote. A batch of one file keeps its commit's own record and copies nothing.
// A batch that cannot keep its record (a copy fails, another program changed a file between two of its
// files) goes on without it: each later commit is then its own record, labelled so that its undo says
// that it takes back that file only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "import/commit.h"
#include "platform/file_transaction.h"

namespace imports {

// The kept copy of a backup from before the batch is named the backup's name & this suffix.
// (Not ".bak.aside", which a change uses while it runs, nor ".bak1", the game's own rotation.)
inline constexpr std::string_view kKeptCopySuffix = ".batch";

struct BatchRecord {
  int32_t imported = 0;  // files of the batch committed so far
  bool kept = true;      // `record` still holds all of them, and it is the one in place
  // One step per file the batch changed: its backup from before the batch, oldDigest from before the
  // batch, newDigest from its last commit.
  platform::Transaction record;
};

// The label of the batch's next commit: "import" for its first, then "import K".
std::string nextCommitLabel(const BatchRecord& batch);

// Before a commit of the batch, with the lock of that commit held: copies each backup from before the
// batch that the record does not keep yet. "", or why the batch can no longer be undone as a whole.
std::string keepBatchBackups(std::string_view gameFolder, BatchRecord& batch);

// After a commit of the batch, with its lock still held: takes the commit into the batch's record and,
// from the second commit on, puts that record in place of the commit's own. "", or why the batch can
// no longer be undone as a whole.
std::string recordBatchCommit(std::string_view gameFolder, const CommitResult& commit, BatchRecord& batch);

// Whether a backup named by a batch's record is a kept copy (rather than a ".bak" file).
bool isKeptCopy(std::string_view backup);
// The ".bak" file a kept copy was made from.
std::string backupOfKeptCopy(std::string_view keptCopy);

}  // namespace imports
