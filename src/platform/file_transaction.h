// Replacing a set of files in one folder as one change, the way a database commits: the new files
// are complete and on disk first; a journal naming every step is written and flushed (the commit
// point); then the files are renamed into place and the journal is put away. A process that dies at
// any moment leaves either no complete journal (nothing was changed) or a complete one, from which
// recoverTransaction finishes the change, or, when a new file is no longer intact, puts every file
// back. Either way the set is whole again.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_failure.h"

namespace platform {

struct TransactionStep {
  enum class Action { Replace, Remove };
  Action What = Action::Replace;
  std::string NewFile;    // Replace: the complete new file; "" for Remove
  std::string Target;     // the file replaced or removed, named as it is on disk
  std::string Backup;     // the name the replaced target is kept under; "" keeps no backup
  std::string NewDigest;  // filled by the commit: the new file's digest
  std::string OldDigest;  // filled by the commit: the target's digest before; "" when it did not exist
};

struct Transaction {
  std::string Label;  // what the change is ("import", "objects", "undo"), kept with the record
  std::vector<TransactionStep> Steps;
};

// Where a transaction lives. Every name of its steps is a name in Folder.
struct TransactionFiles {
  std::string Folder;
  std::string Journal;  // the journal's name
  std::string Record;   // the name the journal is kept under once the change is made; "" removes it
};

std::string pathIn(const std::string& folder, const std::string& name);
// The name a file of the folder has on disk, found without regard to letter case; `name` itself when
// there is no such file.
std::string nameOnDisk(const std::string& folder, const std::string& name);
// While a change is made, each target's earlier backup (or, for a target kept without a backup, the
// target itself) waits under the target's name and this suffix; it is removed once the change is made.
// (Not ".bak1": the game's own backup rotation uses ".bak1", ".bak2", ...)
inline constexpr std::string_view kAsideSuffix = ".bak.aside";

// Where a step's earlier backup (or, without a backup, its target) waits while the change is made.
std::string asideName(const TransactionStep& step);

enum class TransactionStatus {
  Committed,           // every step is made (see CleanupFailures)
  RolledBack,          // a step failed; every file is as it was before
  RollbackIncomplete,  // a step failed and so did putting things back: the next recovery repairs it
};

struct TransactionResult {
  TransactionStatus Status = TransactionStatus::Committed;
  std::optional<FileFailure> Failure;  // the step that stopped the change
  std::vector<FileFailure> RollbackFailures;
  // After a change: set-aside files or the journal that could not be tidied away (the next recovery
  // does it).
  std::vector<FileFailure> CleanupFailures;

  bool committed() const { return Status == TransactionStatus::Committed; }
  // Committed, with nothing left behind.
  bool complete() const { return committed() && CleanupFailures.empty(); }
};

// Makes the change. The new files must be complete and flushed; the digests are filled in here.
TransactionResult commitTransaction(const TransactionFiles& files, Transaction transaction);

enum class RecoveryAction {
  Nothing,        // no journal
  DiscardedTorn,  // a journal that was never completed: the change had not begun; it was removed
  RolledForward,  // the change was finished
  RolledBack,     // the change could not be finished (see Reason); every file was put back
  Failed,         // neither could be done (see Failure); the journal stays
};

struct RecoveryResult {
  RecoveryAction Action = RecoveryAction::Nothing;
  std::string Label;                   // of the journal found
  std::optional<FileFailure> Reason;   // RolledBack: why the change could not be finished
  std::optional<FileFailure> Failure;  // Failed: what went wrong
  // A file of the set was renamed or removed (not only set-aside files and the journal tidied away).
  bool ChangedFiles = false;
};

// Looks for a journal left by a change that did not end, and makes the files one whole set again.
RecoveryResult recoverTransaction(const TransactionFiles& files);

// The last change made, as its kept journal (the Record file) describes it; nothing when there is no
// record, it is damaged, or it could not be read (then `failure` says why).
std::optional<Transaction> readTransactionRecord(const TransactionFiles& files,
                                                 std::optional<FileFailure>& failure);

}  // namespace platform
