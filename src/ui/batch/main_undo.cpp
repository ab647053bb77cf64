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

namespace {
constexpr std::string_view kUndoQuestion =
    "{?}{2}Undo the last import? Every file it changed is put back as it was before it.";
}  // namespace

void UNDOLASTIMPORT() {
  const services::ProgramInfo& program = services::program();
  if (services::showMessageBox(kThisForm, kUndoQuestion, program.title, "YN") != 1) return;
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
