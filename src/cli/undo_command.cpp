#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "import/undo.h"

namespace cli {

int undoCommand(const Invocation&, Console& console) {
  const imports::UndoResult result = imports::undoLastImport(".");
  if (result.outcome == imports::UndoOutcome::Undone) {
    printLine(console.out, result.message);
    return kExitDone;
  }
  printLine(console.err, result.message);
  return kExitFailed;
}

}  // namespace cli
