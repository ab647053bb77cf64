#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "import/undo.h"

namespace cli {

int undoCommand(const Invocation&, Console& console) {
  const imports::UndoResult result = imports::undoLastImport(".");
  if (result.Outcome == imports::UndoOutcome::Undone) {
    printLine(console.out, result.Message);
    return kExitDone;
  }
  printLine(console.err, result.Message);
  return kExitFailed;
}

}  // namespace cli
