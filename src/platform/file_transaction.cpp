#include "platform/file_transaction.h"
#include "platform/long_work.h"

#include "platform/paths.h"
#include "platform/secure_hash.h"
#include "platform/transaction_journal.h"

namespace platform {
namespace {

using Action = TransactionStep::Action;

// Checked whole-file services: each returns its failure, if any.
class CheckedFiles {
 public:
  explicit CheckedFiles(FileErrorTrap& trap) : trap_(trap) {}

  std::optional<FileFailure> exists(const std::string& path, bool& present) {
    present = fileExists(path);
    return trap_.take("find", path);
  }
  std::optional<FileFailure> remove(const std::string& path) {
    deleteFile(path);
    return trap_.take("delete", path);
  }
  std::optional<FileFailure> removeIfPresent(const std::string& path) {
    bool present = false;
    if (auto failure = exists(path, present)) return failure;
    return present ? remove(path) : std::nullopt;
  }
  std::optional<FileFailure> replace(const std::string& from, const std::string& to) {
    replaceFile(from, to);
    return trap_.take("rename", from, to);
  }
  std::optional<FileFailure> flush(const std::string& folder) {
    flushFolder(folder);
    return trap_.take("flush", folder);
  }
  std::optional<FileFailure> digest(const std::string& path, std::string& value) {
    value = fileDigest(path);
    if (value.empty()) return fileFailure("read", path, kErrDeviceIo);
    return std::nullopt;
  }

 private:
  FileErrorTrap& trap_;
};

struct StepPaths {
  std::string New, Target, Backup, Aside;
};

StepPaths pathsOf(const TransactionFiles& files, const TransactionStep& step) {
  return StepPaths{
      step.NewFile.empty() ? "" : pathIn(files.Folder, step.NewFile), pathIn(files.Folder, step.Target),
      step.Backup.empty() ? "" : pathIn(files.Folder, step.Backup), pathIn(files.Folder, asideName(step))};
}

// Fills the digests and clears set-aside files a broken earlier change may have left.
std::optional<FileFailure> prepare(const TransactionFiles& files, Transaction& transaction,
                                   CheckedFiles& checked) {
  for (TransactionStep& step : transaction.Steps) {
    longWorkStep();
    const StepPaths paths = pathsOf(files, step);
    bool present = false;
    if (step.What == Action::Replace) {
      if (auto failure = checked.exists(paths.New, present)) return failure;
      if (!present) return fileFailure("find", paths.New, kErrFileNotFound);
      if (auto failure = checked.digest(paths.New, step.NewDigest)) return failure;
    }
    if (auto failure = checked.exists(paths.Target, present)) return failure;
    step.OldDigest.clear();
    if (present) {
      if (auto failure = checked.digest(paths.Target, step.OldDigest)) return failure;
    }
    if (auto failure = checked.removeIfPresent(paths.Aside)) return failure;
  }
  return std::nullopt;
}

std::vector<FileFailure> removeAsides(const TransactionFiles& files, const Transaction& transaction,
                                      CheckedFiles& checked) {
  std::vector<FileFailure> failures;
  for (const TransactionStep& step : transaction.Steps) {
    if (auto failure = checked.removeIfPresent(pathsOf(files, step).Aside)) failures.push_back(*failure);
  }
  return failures;
}

// Puts the journal away once every step is made: kept as the record of the change, or removed.
std::optional<FileFailure> closeJournal(const TransactionFiles& files, CheckedFiles& checked) {
  const std::string journal = pathIn(files.Folder, files.Journal);
  if (auto failure = files.Record.empty() ? checked.remove(journal)
                                          : checked.replace(journal, pathIn(files.Folder, files.Record))) {
    return failure;
  }
  return checked.flush(files.Folder);
}

// Whether a step is made, or can still be made, from what is on disk now.
enum class StepState { Made, Makeable, Broken };

StepState stateOf(const TransactionFiles& files, const TransactionStep& step, CheckedFiles& checked,
                  std::optional<FileFailure>& why) {
  const StepPaths paths = pathsOf(files, step);
  bool present = false;
  if (step.What == Action::Remove) return StepState::Makeable;
  if ((why = checked.exists(paths.New, present))) return StepState::Broken;
  std::string digest;
  if (present) {
    if ((why = checked.digest(paths.New, digest))) return StepState::Broken;
    if (digest == step.NewDigest) return StepState::Makeable;
    why = fileFailure("check", paths.New, kErrDeviceIo);
    why->Description = "the file is not the one the change wrote";
    return StepState::Broken;
  }
  if ((why = checked.exists(paths.Target, present))) return StepState::Broken;
  if (present && !(why = checked.digest(paths.Target, digest)) && digest == step.NewDigest) {
    return StepState::Made;
  }
  if (!why) why = fileFailure("find", paths.New, kErrFileNotFound);
  return StepState::Broken;
}

// Makes a step, or finishes it from whatever point an earlier attempt had reached: the earlier
// backup steps aside, the target becomes the backup (or steps aside itself), the new file becomes the
// target. A target that does not exist has nothing to back up, and an earlier backup of it stays.
// `changed` is set when a file of the set moves.
std::optional<FileFailure> finishStep(const TransactionFiles& files, const TransactionStep& step,
                                      CheckedFiles& checked, bool& changed) {
  const StepPaths paths = pathsOf(files, step);
  bool hasTarget = false;
  if (auto failure = checked.exists(paths.Target, hasTarget)) return failure;
  if (step.What == Action::Remove) {
    changed |= hasTarget;
    return hasTarget ? checked.replace(paths.Target, paths.Aside) : std::nullopt;
  }
  bool hasNew = false;
  if (auto failure = checked.exists(paths.New, hasNew)) return failure;
  if (!hasNew) return std::nullopt;  // made
  changed = true;
  if (hasTarget) {
    if (!paths.Backup.empty()) {
      bool hasBackup = false;
      if (auto failure = checked.exists(paths.Backup, hasBackup)) return failure;
      if (hasBackup) {
        if (auto failure = checked.replace(paths.Backup, paths.Aside)) return failure;
      }
      if (auto failure = checked.replace(paths.Target, paths.Backup)) return failure;
    } else if (auto failure = checked.replace(paths.Target, paths.Aside)) {
      return failure;
    }
  }
  return checked.replace(paths.New, paths.Target);
}

// Undoes a step from whatever point the change had reached (it may not have begun).
std::optional<FileFailure> undoStep(const TransactionFiles& files, const TransactionStep& step,
                                    CheckedFiles& checked) {
  const StepPaths paths = pathsOf(files, step);
  bool hasTarget = false;
  bool hasAside = false;
  if (auto failure = checked.exists(paths.Target, hasTarget)) return failure;
  if (auto failure = checked.exists(paths.Aside, hasAside)) return failure;
  if (step.What == Action::Remove) {
    return !hasTarget && hasAside ? checked.replace(paths.Aside, paths.Target) : std::nullopt;
  }
  bool hasNew = false;
  if (auto failure = checked.exists(paths.New, hasNew)) return failure;
  if (!hasNew && hasTarget) {
    std::string digest;
    if (auto failure = checked.digest(paths.Target, digest)) return failure;
    if (digest == step.NewDigest) {
      if (auto failure = checked.replace(paths.Target, paths.New)) return failure;
      hasTarget = false;
    }
  }
  const bool hadTarget = !step.OldDigest.empty();
  if (!hasTarget && hadTarget) {
    const std::string& kept = paths.Backup.empty() ? paths.Aside : paths.Backup;
    bool present = false;
    if (auto failure = checked.exists(kept, present)) return failure;
    if (present) {
      if (auto failure = checked.replace(kept, paths.Target)) return failure;
    }
  }
  if (!paths.Backup.empty()) {
    if (auto failure = checked.exists(paths.Aside, hasAside)) return failure;
    if (hasAside) return checked.replace(paths.Aside, paths.Backup);
  }
  return std::nullopt;
}

// Undoes the steps, the last first; every step is tried. Returns what could not be undone.
std::vector<FileFailure> undoSteps(const TransactionFiles& files, const std::vector<TransactionStep>& steps,
                                   size_t count, CheckedFiles& checked) {
  std::vector<FileFailure> failures;
  for (size_t i = count; i-- > 0;) {
    if (auto failure = undoStep(files, steps[i], checked)) failures.push_back(*failure);
  }
  return failures;
}

RecoveryResult failedRecovery(RecoveryResult result, FileFailure failure) {
  result.Action = RecoveryAction::Failed;
  result.Failure = std::move(failure);
  return result;
}

}  // namespace

std::string pathIn(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const char last = folder.back();
  return last == '\\' || last == '/' ? folder + name : folder + "\\" + name;
}

std::string nameOnDisk(const std::string& folder, const std::string& name) {
  return std::string(fileNameOf(nativePath(pathIn(folder, name))));
}

std::string asideName(const TransactionStep& step) {
  return step.Target + std::string(kAsideSuffix);
}

TransactionResult commitTransaction(const TransactionFiles& files, Transaction transaction) {
  FileErrorTrap trap;
  CheckedFiles checked(trap);
  TransactionResult result;
  const std::string journal = pathIn(files.Folder, files.Journal);

  result.Failure = prepare(files, transaction, checked);
  if (result.Failure) {
    result.Status = TransactionStatus::RolledBack;
    return result;
  }
  result.Failure = writeJournal(journal, transaction);
  if (!result.Failure) result.Failure = checked.flush(files.Folder);
  if (result.Failure) {
    // Before the commit point nothing was begun; a journal written in part would be discarded by the
    // next recovery anyway. One that cannot be removed may be whole, though (only its closing or the
    // flush of the folder failed): the next start would then finish the change, so it is not undone.
    if (auto left = checked.removeIfPresent(journal)) {
      result.RollbackFailures.push_back(*left);
      result.Status = TransactionStatus::RollbackIncomplete;
      return result;
    }
    result.Status = TransactionStatus::RolledBack;
    return result;
  }

  bool moved = false;
  for (size_t i = 0; i < transaction.Steps.size(); ++i) {
    longWorkStep();
    result.Failure = finishStep(files, transaction.Steps[i], checked, moved);
    if (!result.Failure) continue;
    result.RollbackFailures = undoSteps(files, transaction.Steps, i + 1, checked);
    // A journal that stays would have the next start finish the change that was just undone.
    if (result.RollbackFailures.empty()) {
      if (auto failure = checked.remove(journal)) result.RollbackFailures.push_back(*failure);
    }
    if (result.RollbackFailures.empty()) checked.flush(files.Folder);  // for durability only
    result.Status = result.RollbackFailures.empty() ? TransactionStatus::RolledBack
                                                    : TransactionStatus::RollbackIncomplete;
    return result;
  }

  // Every target is in place. What follows only tidies up: if it fails, the complete journal lets
  // the next recovery finish it.
  if (auto failure = checked.flush(files.Folder)) result.CleanupFailures.push_back(*failure);
  for (FileFailure& failure : removeAsides(files, transaction, checked)) {
    result.CleanupFailures.push_back(std::move(failure));
  }
  if (result.CleanupFailures.empty()) {
    if (auto failure = closeJournal(files, checked)) result.CleanupFailures.push_back(*failure);
  }
  return result;
}

RecoveryResult recoverTransaction(const TransactionFiles& files) {
  FileErrorTrap trap;
  CheckedFiles checked(trap);
  RecoveryResult result;
  const std::string journal = pathIn(files.Folder, files.Journal);
  bool present = false;
  if (auto failure = checked.exists(journal, present)) return failedRecovery(result, *failure);
  if (!present) return result;

  JournalRead read = readJournal(journal);
  if (read.Failure) return failedRecovery(result, *read.Failure);
  if (!read.Complete) {
    result.Action = RecoveryAction::DiscardedTorn;
    if (auto failure = checked.remove(journal)) return failedRecovery(result, *failure);
    if (auto failure = checked.flush(files.Folder)) return failedRecovery(result, *failure);
    return result;
  }
  const Transaction& transaction = read.Journal;
  result.Label = transaction.Label;

  // Forward when every step is made or can still be made; otherwise everything goes back.
  bool forward = true;
  for (const TransactionStep& step : transaction.Steps) {
    std::optional<FileFailure> why;
    if (stateOf(files, step, checked, why) == StepState::Broken) {
      forward = false;
      result.Reason = why;
      break;
    }
  }
  if (forward) {
    for (const TransactionStep& step : transaction.Steps) {
      if (auto failure = finishStep(files, step, checked, result.ChangedFiles)) {
        return failedRecovery(result, *failure);
      }
    }
    if (auto failure = checked.flush(files.Folder)) return failedRecovery(result, *failure);
    for (const FileFailure& failure : removeAsides(files, transaction, checked)) {
      return failedRecovery(result, failure);
    }
    if (auto failure = closeJournal(files, checked)) return failedRecovery(result, *failure);
    result.Action = RecoveryAction::RolledForward;
    return result;
  }

  result.ChangedFiles = true;
  const std::vector<FileFailure> failures =
      undoSteps(files, transaction.Steps, transaction.Steps.size(), checked);
  if (!failures.empty()) return failedRecovery(result, failures.front());
  if (auto failure = checked.flush(files.Folder)) return failedRecovery(result, *failure);
  if (auto failure = checked.remove(journal)) return failedRecovery(result, *failure);
  if (auto failure = checked.flush(files.Folder)) return failedRecovery(result, *failure);
  result.Action = RecoveryAction::RolledBack;
  return result;
}

std::optional<Transaction> readTransactionRecord(const TransactionFiles& files,
                                                 std::optional<FileFailure>& failure) {
  failure.reset();
  if (files.Record.empty()) return std::nullopt;
  const std::string record = pathIn(files.Folder, files.Record);
  FileErrorTrap trap;
  const bool present = fileExists(record);
  if ((failure = trap.take("find", record)) || !present) return std::nullopt;
  JournalRead read = readJournal(record);
  if ((failure = read.Failure) || !read.Complete) return std::nullopt;
  return std::move(read.Journal);
}

}  // namespace platform
