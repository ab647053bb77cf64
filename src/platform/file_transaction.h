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
  Action what = Action::Replace;
  std::string newFile;    // Replace: the complete new file; "" for Remove
  std::string target;     // the file replaced or removed, named as it is on disk
  std::string backup;     // the name the replaced target is kept under; "" keeps no backup
  std::string newDigest;  // filled by the commit: the new file's digest
  std::string oldDigest;  // filled by the commit: the target's digest before; "" when it did not exist
};

struct Transaction {
  std::string label;  // what the change is ("import", "objects", "undo"), kept with the record
  std::vector<TransactionStep> steps;
};

// Where a transaction lives. Every name of its steps is a name in `folder`.
struct TransactionFiles {
  std::string folder;
  std::string journal;  // the journal's name
  std::string record;   // the name the journal is kept under once the change is made; "" removes it
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
  Committed,           // every step is made (see cleanupFailures)
  RolledBack,          // a step failed; every file is as it was before
  RollbackIncomplete,  // a step failed and so did putting things back: the next recovery repairs it
};

struct TransactionResult {
  TransactionStatus status = TransactionStatus::Committed;
  std::optional<FileFailure> failure;  // the step that stopped the change
  std::vector<FileFailure> rollbackFailures;
  // After a change: set-aside files or the journal that could not be tidied away (the next recovery
  // does it).
  std::vector<FileFailure> cleanupFailures;

  bool committed() const { return status == TransactionStatus::Committed; }
  // Committed, with nothing left behind.
  bool complete() const { return committed() && cleanupFailures.empty(); }
};

// Makes the change. The new files must be complete and flushed; the digests are filled in here.
TransactionResult commitTransaction(const TransactionFiles& files, Transaction transaction);

enum class RecoveryAction {
  Nothing,        // no journal
  DiscardedTorn,  // a journal that was never completed: the change had not begun; it was removed
  RolledForward,  // the change was finished
  RolledBack,     // the change could not be finished (see reason); every file was put back
  Failed,         // neither could be done (see failure); the journal stays
};

struct RecoveryResult {
  RecoveryAction action = RecoveryAction::Nothing;
  std::string label;                   // of the journal found
  std::optional<FileFailure> reason;   // RolledBack: why the change could not be finished
  std::optional<FileFailure> failure;  // Failed: what went wrong
  // A file of the set was renamed or removed (not only set-aside files and the journal tidied away).
  bool changedFiles = false;
};

// Looks for a journal left by a change that did not end, and makes the files one whole set again.
RecoveryResult recoverTransaction(const TransactionFiles& files);

// The last change made, as its kept journal (the record file) describes it; nothing when there is no
// record, it is damaged, or it could not be read (then `failure` says why).
std::optional<Transaction> readTransactionRecord(const TransactionFiles& files,
                                                 std::optional<FileFailure>& failure);

// Puts `record` in the place of the record file as a whole: written and flushed under the record's
// name & ".new", renamed over it, the folder flushed. A record that cannot be put in place leaves the
// earlier one as it was, or (when only the flush of the folder failed) the new one in place.
std::optional<FileFailure> writeTransactionRecord(const TransactionFiles& files, const Transaction& record);

}  // namespace platform
