#include "import/undo.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "db/database_guard.h"
#include "db/gimmick.h"
#include "db/object.h"
#include "import/batch_record.h"
#include "import/unused_files.h"
#include "platform/files.h"
#include "platform/secure_hash.h"

namespace imports {
namespace {

using platform::TransactionStep;
using Action = TransactionStep::Action;

constexpr std::string_view kRestoredSuffix = ".undo";

UndoResult refused(std::string message) {
  UndoResult result;
  result.outcome = UndoOutcome::Refused;
  result.message = std::move(message);
  return result;
}

UndoResult failed(const FileFailure& failure) {
  UndoResult result;
  result.outcome = UndoOutcome::Failed;
  result.commit.status = CommitStatus::RolledBack;
  result.commit.failure = failure;
  result.message = "The last import could not be undone: " + describeFailure(failure) +
                   ". The database has not been changed.";
  return result;
}

std::string changedText(const std::string& name) {
  return "\"" + name +
         "\" has changed since the last import (another import or the game has written it), so the last "
         "import can no longer be undone. Nothing has been changed.";
}

// Lines per record of the files whose index a change removed (objects and gimmick matches).
std::optional<int32_t> indexedRecordLines(std::string_view label) {
  if (label == db::kObjectImportChange) return db::kObjectLines;
  if (label == db::kGimmickImportChange) return db::kGimmickLines;
  return std::nullopt;
}

// How much an undo of the change takes back, as its question and its message say it.
struct Extent {
  std::string what;    // after "the": "last import", ...
  std::string before;  // what the files are put back as they were before
  std::string more;    // what else the user must know, or ""
};

Extent extentOf(const platform::Transaction& change) {
  if (const int32_t files = db::batchFiles(change.label); files > 0) {
    return {"last import (a batch of " + std::to_string(files) + " export files)", "the batch", ""};
  }
  // The commit of a batch's later file stands on its own when the batch could not complete its record.
  if (const int32_t earlier = db::batchImportNumber(change.label) - 1; earlier > 0) {
    return {"last export file of the last batch", "it",
            (earlier == 1 ? std::string(" The file the batch imported before it stays")
                          : " The " + std::to_string(earlier) + " files the batch imported before it stay") +
                " imported, since the batch could not complete the record an undo of the whole batch needs."};
  }
  return {"last import", "it", ""};
}

std::string undoneText(const platform::Transaction& change) {
  const Extent extent = extentOf(change);
  return "The " + extent.what + " has been undone: every file it changed is as it was before " +
         extent.before + "." + extent.more;
}

std::string questionText(const platform::Transaction& change) {
  const Extent extent = extentOf(change);
  return "{?}{2}Undo the " + extent.what + "? Every file it changed is put back as it was before " +
         extent.before + "." + extent.more;
}

struct Copy {
  std::string from, to;
};

struct Plan {
  platform::Transaction undo;                   // its Replace steps put each file back as it was
  std::vector<TransactionStep> removedIndexes;  // indexes the change removed
  std::vector<Copy> copies;                     // backups copied beside them for the undo to put in place
  std::vector<std::string> written;             // what the undo writes before its commit
};

// Checks that the change can be undone and plans it; the refusal text otherwise.
std::string planUndo(const platform::Transaction& change, const std::string& folder, Plan& plan) {
  plan.undo.label = std::string(db::kUndoChange);
  for (const TransactionStep& step : change.steps) {
    if (step.what == Action::Remove) {
      if (!step.oldDigest.empty()) plan.removedIndexes.push_back(step);
      continue;
    }
    const std::string target = platform::pathIn(folder, step.target);
    if (platform::fileDigest(target) != step.newDigest) return changedText(target);
    if (step.oldDigest.empty()) {
      TransactionStep remove;
      remove.what = Action::Remove;
      remove.target = step.target;
      plan.undo.steps.push_back(remove);
      continue;
    }
    const std::string backup = step.backup.empty() ? "" : platform::pathIn(folder, step.backup);
    if (backup.empty() || platform::fileDigest(backup) != step.oldDigest) {
      return "The backup of \"" + target +
             "\" is no longer the file the last import replaced, so the last import cannot be undone. "
             "Nothing has been changed.";
    }
    TransactionStep restore;
    restore.target = step.target;
    if (isKeptCopy(step.backup)) {
      // A batch's copy from before it goes back in place itself; what the batch wrote becomes the
      // ".bak" file, as after the undo of one import.
      restore.newFile = step.backup;
      restore.backup = backupOfKeptCopy(step.backup);
    } else {
      restore.newFile = step.target + std::string(kRestoredSuffix);
      restore.backup = step.backup;
      plan.copies.push_back(Copy{step.backup, restore.newFile});
      plan.written.push_back(restore.newFile);
    }
    plan.undo.steps.push_back(restore);
  }
  return "";
}

// Rebuilds, from the restored record file, an index the change had removed.
std::optional<FileFailure> planIndex(const TransactionStep& removed, int32_t recordLines,
                                     const std::string& folder, Plan& plan) {
  for (const TransactionStep& restore : plan.undo.steps) {
    if (restore.what != Action::Replace ||
        db::withExtension(restore.target, "idx") != db::withExtension(removed.target, "idx")) {
      continue;
    }
    TransactionStep index;
    index.newFile = removed.target + ".new";
    index.target = removed.target;
    plan.written.push_back(index.newFile);
    if (auto failure = MAKEINDEX(platform::pathIn(folder, restore.newFile), recordLines,
                                 platform::pathIn(folder, index.newFile), 1)) {
      return failure;
    }
    plan.undo.steps.push_back(index);
  }
  return std::nullopt;
}

// The files written for an undo that did not happen; what cannot be removed stays harmlessly.
void removeWritten(const Plan& plan, const std::string& folder) {
  std::vector<std::string> paths;
  for (const std::string& name : plan.written) paths.push_back(platform::pathIn(folder, name));
  removeUnusedFiles(paths);
}

// Reads the record of the last change and plans its undo; what to answer instead when it cannot be
// undone. The lock is held.
std::optional<UndoResult> readAndPlan(const platform::TransactionFiles& files, platform::Transaction& change,
                                      Plan& plan) {
  std::optional<FileFailure> unreadable;
  std::optional<platform::Transaction> record = platform::readTransactionRecord(files, unreadable);
  if (unreadable) return failed(*unreadable);
  if (!record) return refused("There is no import to undo in this game folder.");
  if (record->label == db::kUndoChange) return refused("The last import has already been undone.");
  change = std::move(*record);
  if (std::string refusal = planUndo(change, files.folder, plan); !refusal.empty()) {
    return refused(std::move(refusal));
  }
  return std::nullopt;
}

}  // namespace

UndoCheck checkUndo(std::string_view gameFolder) {
  platform::ProcedureScope scope("UNDO");
  UndoCheck check;
  db::DatabaseLock lock;
  if (!lock.acquireForChange(gameFolder)) {
    check.refusal = lock.refusal();
    return check;
  }
  platform::Transaction change;
  Plan plan;
  if (std::optional<UndoResult> stop = readAndPlan(db::databaseTransactionFiles(gameFolder), change, plan)) {
    check.refusal = stop->message;
    return check;
  }
  check.files = std::max(db::batchFiles(change.label), 1);
  check.question = questionText(change);
  return check;
}

UndoResult undoLastImport(std::string_view gameFolder) {
  platform::ProcedureScope scope("UNDO");
  db::DatabaseLock lock;
  if (!lock.acquireForChange(gameFolder)) return refused(lock.refusal());

  const platform::TransactionFiles files = db::databaseTransactionFiles(gameFolder);
  platform::Transaction change;
  Plan plan;
  if (std::optional<UndoResult> stop = readAndPlan(files, change, plan)) return *stop;
  std::optional<FileFailure> failure;
  for (const Copy& copy : plan.copies) {
    if (!failure) {
      failure = platform::copyDurably(platform::pathIn(files.folder, copy.from),
                                      platform::pathIn(files.folder, copy.to));
    }
  }
  if (const std::optional<int32_t> lines = indexedRecordLines(change.label)) {
    for (const TransactionStep& removed : plan.removedIndexes) {
      if (!failure) failure = planIndex(removed, *lines, files.folder, plan);
    }
  }
  if (failure) {
    removeWritten(plan, files.folder);
    return failed(*failure);
  }

  UndoResult result;
  result.commit = platform::commitTransaction(files, plan.undo);
  if (!result.commit.committed()) {
    if (result.commit.status == CommitStatus::RolledBack) removeWritten(plan, files.folder);
    result.outcome = UndoOutcome::Failed;
    result.message = "The last import could not be undone. " + describeCommit(result.commit);
    return result;
  }
  result.outcome = UndoOutcome::Undone;
  result.message = undoneText(change);
  if (!result.commit.complete()) {
    result.message += " Some files could not be tidied away; the next start of the wizard does it.";
  }
  return result;
}

}  // namespace imports
