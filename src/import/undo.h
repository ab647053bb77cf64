// Undoing the last change of the database (an import of wrestlers, objects or gimmick matches): every
// file it replaced gets its backup generation back, through the same one-change commit as an import,
// so that the database is as it was before that change. Refused when the files are no longer the ones
// the change wrote (another import, or the game, changed them since), or when their backups are not
// the files it replaced.
#pragma once

#include <string>
#include <string_view>

#include "import/commit.h"

namespace imports {

enum class UndoOutcome {
  Undone,   // every file is back; the catalogue must be reloaded
  Refused,  // nothing was done (message says why)
  Failed,   // a file operation failed; commit says whether anything changed
};

struct UndoResult {
  UndoOutcome outcome = UndoOutcome::Refused;
  std::string message;  // for the user, without brace codes
  CommitResult commit;  // when the commit was tried
};

// Takes the database lock for its whole run.
UndoResult undoLastImport(std::string_view gameFolder);

}  // namespace imports
