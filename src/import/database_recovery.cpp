#include "import/database_recovery.h"

#include "db/database_guard.h"
#include "import/file_steps.h"

namespace imports {

std::string changeName(std::string_view label) {
  if (db::isWrestlerImport(label)) return "An import of wrestlers";
  if (label == db::kObjectImportChange) return "An import of foreign objects";
  if (label == db::kGimmickImportChange) return "An import of gimmick matches";
  if (label == db::kUndoChange) return "An undo of the last import";
  return "A change of the database";
}

RecoveryReport recoverDatabase(std::string_view gameFolder) {
  RecoveryReport report;
  db::DatabaseLock lock;
  if (!lock.acquire(gameFolder)) return report;
  const platform::RecoveryResult result =
      platform::recoverTransaction(db::databaseTransactionFiles(gameFolder));
  report.action = result.action;
  const std::string change = changeName(result.label);
  switch (result.action) {
    case platform::RecoveryAction::Nothing:
      break;
    case platform::RecoveryAction::DiscardedTorn:
      report.message =
          "{i}A change of the game's database was interrupted before it had changed anything. The database "
          "is as it was before; the unfinished journal of that change was removed.";
      break;
    case platform::RecoveryAction::RolledForward:
      report.message = "{i}" + change +
                       " was interrupted before it had finished. It has now been completed: every "
                       "file it changed is in place, and each file it replaced is kept as a backup.";
      break;
    case platform::RecoveryAction::RolledBack:
      report.message =
          "{i}" + change + " was interrupted before it had finished, and it could not be completed";
      if (result.reason) report.message += " (" + describeFailure(*result.reason) + ")";
      report.message += ". Every file it had changed has been put back as it was before.";
      break;
    case platform::RecoveryAction::Failed:
      report.message =
          "{S}" + change + " was interrupted before it had finished, and the database could not be repaired";
      if (result.failure) report.message += ": " + describeFailure(*result.failure);
      report.message +=
          ". Do not play with this game folder yet: make sure the file can be read and written, then "
          "start the wizard again to finish the repair.";
      break;
  }
  return report;
}

}  // namespace imports
