#include "import/undo.h"

#include <optional>
#include <vector>

#include "db/database_guard.h"
#include "db/gimmick.h"
#include "db/object.h"
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

// A copy of a backup beside it, on the disk before the commit may use it.
std::optional<FileFailure> copyDurably(const std::string& from, const std::string& to) {
  FileErrorTrap trap;
  platform::copyFile(from, to);
  if (auto failure = trap.take("copy", from, to)) return failure;
  OpenedFile copy;
  copy.open(to, platform::FileMode::BinaryRead);
  if (auto failure = trap.take("open", to)) return failure;
  platform::flushFile(copy.number());
  if (auto failure = trap.take("flush", to)) return failure;
  copy.close();
  return trap.take("close", to);
}

struct Plan {
  platform::Transaction undo;                   // its Replace steps put a copy of each backup in place
  std::vector<TransactionStep> removedIndexes;  // indexes the change removed
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
    restore.newFile = step.target + std::string(kRestoredSuffix);
    restore.target = step.target;
    restore.backup = step.backup;
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
    if (auto failure = MAKEINDEX(platform::pathIn(folder, restore.newFile), recordLines,
                                 platform::pathIn(folder, index.newFile), 1)) {
      return failure;
    }
    plan.undo.steps.push_back(index);
  }
  return std::nullopt;
}

// The copies made for an undo that did not happen; what cannot be removed stays harmlessly.
void removeCopies(const Plan& plan, const std::string& folder) {
  FileErrorTrap trap;
  for (const TransactionStep& step : plan.undo.steps) {
    if (step.newFile.empty()) continue;
    const std::string path = platform::pathIn(folder, step.newFile);
    if (platform::fileExists(path)) platform::deleteFile(path);
  }
}

}  // namespace

UndoResult undoLastImport(std::string_view gameFolder) {
  platform::ProcedureScope scope("UNDO");
  db::DatabaseLock lock;
  if (!lock.acquireForChange(gameFolder)) return refused(lock.refusal());

  const platform::TransactionFiles files = db::databaseTransactionFiles(gameFolder);
  std::optional<FileFailure> unreadable;
  const std::optional<platform::Transaction> change = platform::readTransactionRecord(files, unreadable);
  if (unreadable) return failed(*unreadable);
  if (!change) return refused("There is no import to undo in this game folder.");
  if (change->label == db::kUndoChange) return refused("The last import has already been undone.");

  Plan plan;
  if (std::string refusal = planUndo(*change, files.folder, plan); !refusal.empty()) {
    return refused(std::move(refusal));
  }
  std::optional<FileFailure> failure;
  for (const TransactionStep& restore : plan.undo.steps) {
    if (restore.what == Action::Replace && !failure) {
      failure = copyDurably(platform::pathIn(files.folder, restore.backup),
                            platform::pathIn(files.folder, restore.newFile));
    }
  }
  if (const std::optional<int32_t> lines = indexedRecordLines(change->label)) {
    for (const TransactionStep& removed : plan.removedIndexes) {
      if (!failure) failure = planIndex(removed, *lines, files.folder, plan);
    }
  }
  if (failure) {
    removeCopies(plan, files.folder);
    return failed(*failure);
  }

  UndoResult result;
  result.commit = platform::commitTransaction(files, plan.undo);
  if (!result.commit.committed()) {
    if (result.commit.status == CommitStatus::RolledBack) removeCopies(plan, files.folder);
    result.outcome = UndoOutcome::Failed;
    result.message = "The last import could not be undone. " + describeCommit(result.commit);
    return result;
  }
  result.outcome = UndoOutcome::Undone;
  result.message = "The last import has been undone: every file it changed is as it was before it.";
  if (!result.commit.complete()) {
    result.message += " Some files could not be tidied away; the next start of the wizard does it.";
  }
  return result;
}

}  // namespace imports
