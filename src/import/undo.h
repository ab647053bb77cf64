// Undoing the last change of the database (an import of wrestlers, objects or gimmick matches, or a
// whole batch of wrestler imports): every file it replaced gets its backup generation back (for a
// batch, the copy it kept from before its first file), through the same one-change commit as an
// import, so that the database is as it was before that change. Refused when the files are no longer
// the ones the change wrote (another import, or the game, changed them since), or when their backups
// are not the files it replaced.
#pragma once

#include <cstdint>
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

// Whether the last import can be undone, and what the undo would take back, checked as the undo checks
// it (under the lock, an interrupted change repaired first as before any change) without undoing
// anything; for a front end to ask only when the undo can run. The undo checks everything again.
struct UndoCheck {
  std::string refusal;   // why it cannot run, as undoLastImport would say it; "" when it can
  int32_t files = 0;     // the export files it takes back: 1, or the files of a batch; 0 when refused
  std::string question;  // when it can run: the question to ask first, with its brace codes ("{?}{2}...")
};
UndoCheck checkUndo(std::string_view gameFolder);

}  // namespace imports
