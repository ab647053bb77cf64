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
  std::string newFile, target, backup, aside;
};

StepPaths pathsOf(const TransactionFiles& files, const TransactionStep& step) {
  return StepPaths{
      step.newFile.empty() ? "" : pathIn(files.folder, step.newFile), pathIn(files.folder, step.target),
      step.backup.empty() ? "" : pathIn(files.folder, step.backup), pathIn(files.folder, asideName(step))};
}

// Fills the digests and clears set-aside files a broken earlier change may have left.
std::optional<FileFailure> prepare(const TransactionFiles& files, Transaction& transaction,
                                   CheckedFiles& checked) {
  for (TransactionStep& step : transaction.steps) {
    longWorkStep();
    const StepPaths paths = pathsOf(files, step);
    bool present = false;
    if (step.what == Action::Replace) {
      if (auto failure = checked.exists(paths.newFile, present)) return failure;
      if (!present) return fileFailure("find", paths.newFile, kErrFileNotFound);
      if (auto failure = checked.digest(paths.newFile, step.newDigest)) return failure;
    }
    if (auto failure = checked.exists(paths.target, present)) return failure;
    step.oldDigest.clear();
    if (present) {
      if (auto failure = checked.digest(paths.target, step.oldDigest)) return failure;
    }
    if (auto failure = checked.removeIfPresent(paths.aside)) return failure;
  }
  return std::nullopt;
}

std::vector<FileFailure> removeAsides(const TransactionFiles& files, const Transaction& transaction,
                                      CheckedFiles& checked) {
  std::vector<FileFailure> failures;
  for (const TransactionStep& step : transaction.steps) {
    if (auto failure = checked.removeIfPresent(pathsOf(files, step).aside)) failures.push_back(*failure);
  }
  return failures;
}

// Puts the journal away once every step is made: kept as the record of the change, or removed.
std::optional<FileFailure> closeJournal(const TransactionFiles& files, CheckedFiles& checked) {
  const std::string journal = pathIn(files.folder, files.journal);
  if (auto failure = files.record.empty() ? checked.remove(journal)
                                          : checked.replace(journal, pathIn(files.folder, files.record))) {
    return failure;
  }
  return checked.flush(files.folder);
}

// Whether a step is made, or can still be made, from what is on disk now.
enum class StepState { Made, Makeable, Broken };

StepState stateOf(const TransactionFiles& files, const TransactionStep& step, CheckedFiles& checked,
                  std::optional<FileFailure>& why) {
  const StepPaths paths = pathsOf(files, step);
  bool present = false;
  if (step.what == Action::Remove) return StepState::Makeable;
  if ((why = checked.exists(paths.newFile, present))) return StepState::Broken;
  std::string digest;
  if (present) {
    if ((why = checked.digest(paths.newFile, digest))) return StepState::Broken;
    if (digest == step.newDigest) return StepState::Makeable;
    why = fileFailure("check", paths.newFile, kErrDeviceIo);
    why->description = "the file is not the one the change wrote";
    return StepState::Broken;
  }
  if ((why = checked.exists(paths.target, present))) return StepState::Broken;
  if (present && !(why = checked.digest(paths.target, digest)) && digest == step.newDigest) {
    return StepState::Made;
  }
  if (!why) why = fileFailure("find", paths.newFile, kErrFileNotFound);
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
  if (auto failure = checked.exists(paths.target, hasTarget)) return failure;
  if (step.what == Action::Remove) {
    changed |= hasTarget;
    return hasTarget ? checked.replace(paths.target, paths.aside) : std::nullopt;
  }
  bool hasNew = false;
  if (auto failure = checked.exists(paths.newFile, hasNew)) return failure;
  if (!hasNew) return std::nullopt;  // made
  changed = true;
  if (hasTarget) {
    if (!paths.backup.empty()) {
      bool hasBackup = false;
      if (auto failure = checked.exists(paths.backup, hasBackup)) return failure;
      if (hasBackup) {
        if (auto failure = checked.replace(paths.backup, paths.aside)) return failure;
      }
      if (auto failure = checked.replace(paths.target, paths.backup)) return failure;
    } else if (auto failure = checked.replace(paths.target, paths.aside)) {
      return failure;
    }
  }
  return checked.replace(paths.newFile, paths.target);
}

// Undoes a step from whatever point the change had reached (it may not have begun).
std::optional<FileFailure> undoStep(const TransactionFiles& files, const TransactionStep& step,
                                    CheckedFiles& checked) {
  const StepPaths paths = pathsOf(files, step);
  bool hasTarget = false;
  bool hasAside = false;
  if (auto failure = checked.exists(paths.target, hasTarget)) return failure;
  if (auto failure = checked.exists(paths.aside, hasAside)) return failure;
  if (step.what == Action::Remove) {
    return !hasTarget && hasAside ? checked.replace(paths.aside, paths.target) : std::nullopt;
  }
  bool hasNew = false;
  if (auto failure = checked.exists(paths.newFile, hasNew)) return failure;
  if (!hasNew && hasTarget) {
    std::string digest;
    if (auto failure = checked.digest(paths.target, digest)) return failure;
    if (digest == step.newDigest) {
      if (auto failure = checked.replace(paths.target, paths.newFile)) return failure;
      hasTarget = false;
    }
  }
  const bool hadTarget = !step.oldDigest.empty();
  if (!hasTarget && hadTarget) {
    const std::string& kept = paths.backup.empty() ? paths.aside : paths.backup;
    bool present = false;
    if (auto failure = checked.exists(kept, present)) return failure;
    if (present) {
      if (auto failure = checked.replace(kept, paths.target)) return failure;
    }
  }
  if (!paths.backup.empty()) {
    if (auto failure = checked.exists(paths.aside, hasAside)) return failure;
    if (hasAside) return checked.replace(paths.aside, paths.backup);
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
  result.action = RecoveryAction::Failed;
  result.failure = std::move(failure);
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
  return step.target + std::string(kAsideSuffix);
}

TransactionResult commitTransaction(const TransactionFiles& files, Transaction transaction) {
  FileErrorTrap trap;
  CheckedFiles checked(trap);
  TransactionResult result;
  const std::string journal = pathIn(files.folder, files.journal);

  result.failure = prepare(files, transaction, checked);
  if (result.failure) {
    result.status = TransactionStatus::RolledBack;
    return result;
  }
  result.failure = writeJournal(journal, transaction);
  if (!result.failure) result.failure = checked.flush(files.folder);
  if (result.failure) {
    // Before the commit point nothing was begun; a journal written in part would be discarded by the
    // next recovery anyway. One that cannot be removed may be whole, though (only its closing or the
    // flush of the folder failed): the next start would then finish the change, so it is not undone.
    if (auto left = checked.removeIfPresent(journal)) {
      result.rollbackFailures.push_back(*left);
      result.status = TransactionStatus::RollbackIncomplete;
      return result;
    }
    result.status = TransactionStatus::RolledBack;
    return result;
  }

  bool moved = false;
  for (size_t i = 0; i < transaction.steps.size(); ++i) {
    longWorkStep();
    result.failure = finishStep(files, transaction.steps[i], checked, moved);
    if (!result.failure) continue;
    result.rollbackFailures = undoSteps(files, transaction.steps, i + 1, checked);
    // A journal that stays would have the next start finish the change that was just undone.
    if (result.rollbackFailures.empty()) {
      if (auto failure = checked.remove(journal)) result.rollbackFailures.push_back(*failure);
    }
    if (result.rollbackFailures.empty()) checked.flush(files.folder);  // for durability only
    result.status = result.rollbackFailures.empty() ? TransactionStatus::RolledBack
                                                    : TransactionStatus::RollbackIncomplete;
    return result;
  }

  // Every target is in place. What follows only tidies up: if it fails, the complete journal lets
  // the next recovery finish it.
  if (auto failure = checked.flush(files.folder)) result.cleanupFailures.push_back(*failure);
  for (FileFailure& failure : removeAsides(files, transaction, checked)) {
    result.cleanupFailures.push_back(std::move(failure));
  }
  if (result.cleanupFailures.empty()) {
    if (auto failure = closeJournal(files, checked)) result.cleanupFailures.push_back(*failure);
  }
  return result;
}

RecoveryResult recoverTransaction(const TransactionFiles& files) {
  FileErrorTrap trap;
  CheckedFiles checked(trap);
  RecoveryResult result;
  const std::string journal = pathIn(files.folder, files.journal);
  bool present = false;
  if (auto failure = checked.exists(journal, present)) return failedRecovery(result, *failure);
  if (!present) return result;

  JournalRead read = readJournal(journal);
  if (read.failure) return failedRecovery(result, *read.failure);
  if (!read.complete) {
    result.action = RecoveryAction::DiscardedTorn;
    if (auto failure = checked.remove(journal)) return failedRecovery(result, *failure);
    if (auto failure = checked.flush(files.folder)) return failedRecovery(result, *failure);
    return result;
  }
  const Transaction& transaction = read.journal;
  result.label = transaction.label;

  // Forward when every step is made or can still be made; otherwise everything goes back.
  bool forward = true;
  for (const TransactionStep& step : transaction.steps) {
    std::optional<FileFailure> why;
    if (stateOf(files, step, checked, why) == StepState::Broken) {
      forward = false;
      result.reason = why;
      break;
    }
  }
  if (forward) {
    for (const TransactionStep& step : transaction.steps) {
      if (auto failure = finishStep(files, step, checked, result.changedFiles)) {
        return failedRecovery(result, *failure);
      }
    }
    if (auto failure = checked.flush(files.folder)) return failedRecovery(result, *failure);
    for (const FileFailure& failure : removeAsides(files, transaction, checked)) {
      return failedRecovery(result, failure);
    }
    if (auto failure = closeJournal(files, checked)) return failedRecovery(result, *failure);
    result.action = RecoveryAction::RolledForward;
    return result;
  }

  result.changedFiles = true;
  const std::vector<FileFailure> failures =
      undoSteps(files, transaction.steps, transaction.steps.size(), checked);
  if (!failures.empty()) return failedRecovery(result, failures.front());
  if (auto failure = checked.flush(files.folder)) return failedRecovery(result, *failure);
  if (auto failure = checked.remove(journal)) return failedRecovery(result, *failure);
  if (auto failure = checked.flush(files.folder)) return failedRecovery(result, *failure);
  result.action = RecoveryAction::RolledBack;
  return result;
}

std::optional<Transaction> readTransactionRecord(const TransactionFiles& files,
                                                 std::optional<FileFailure>& failure) {
  failure.reset();
  if (files.record.empty()) return std::nullopt;
  const std::string record = pathIn(files.folder, files.record);
  FileErrorTrap trap;
  const bool present = fileExists(record);
  if ((failure = trap.take("find", record)) || !present) return std::nullopt;
  JournalRead read = readJournal(record);
  if ((failure = read.failure) || !read.complete) return std::nullopt;
  return std::move(read.journal);
}

std::optional<FileFailure> writeTransactionRecord(const TransactionFiles& files, const Transaction& record) {
  const std::string path = pathIn(files.folder, files.record);
  const std::string written = path + ".new";
  FileErrorTrap trap;
  CheckedFiles checked(trap);
  std::optional<FileFailure> failure = writeJournal(written, record);
  if (!failure) failure = checked.replace(written, path);
  if (failure) {
    checked.removeIfPresent(written);  // what stays is never read, and the next record replaces it
    return failure;
  }
  return checked.flush(files.folder);
}

}  // namespace platform
