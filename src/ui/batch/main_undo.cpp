#include "ui/batch/main_undo.h"

#include <string>

#include "import/undo.h"
#include "services/messages.h"
#include "services/program.h"
#include "ui/form/button_style.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/run.h"

namespace ui {

// Asked only when the undo can run: nothing to undo, or an undo already made, is said at once.
void UNDOLASTIMPORT() {
  const services::ProgramInfo& program = services::program();
  imports::UndoCheck check;
  {
    const RunningScope running(wizardState());
    check = imports::checkUndo(program.databaseFolder);
  }
  if (!check.refusal.empty()) {
    services::showMessageBox(kThisForm, "{S}" + check.refusal, program.title, "OK");
    return;
  }
  if (services::showMessageBox(kThisForm, check.question, program.title, "YN") != 1) return;
  imports::UndoResult result;
  {
    const RunningScope running(wizardState());
    result = imports::undoLastImport(program.databaseFolder);
  }
  const bool undone = result.outcome == imports::UndoOutcome::Undone;
  services::showMessageBox(kThisForm, (undone ? "{i}" : "{S}") + result.message, program.title, "OK");
  // Whatever was open in the wizard was matched against the database as it was.
  if (result.outcome != imports::UndoOutcome::Refused) RESETFORM();
}

void MAIN_UNDO(int32_t id, int32_t code, int32_t value, int32_t&) {
  if (code == toolkit::kEventClick) {
    if (!wizardState().running) UNDOLASTIMPORT();
  } else if (code == toolkit::kEventOwnerDraw) {
    drawFixedButton(id, value, kQuietBackground);
  }
}

}  // namespace ui
