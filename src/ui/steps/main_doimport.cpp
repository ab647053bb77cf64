#include "ui/steps/main_doimport.h"

#include "import/import_session.h"
#include "services/messages.h"
#include "ui/form/button_style.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/export_lists.h"
#include "ui/steps/import_check.h"
#include "ui/steps/import_confirmation.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/run.h"

namespace ui {

// Import File disables itself first, so the run cannot be started twice; the reset leaves it disabled
// until the next Parse Selection. Whatever the answer, the wizard starts again from the first step.
void MAIN_DOIMPORT(int32_t id, int32_t code, int32_t value, int32_t&) {
  if (code == toolkit::kEventOwnerDraw) {
    drawStepButton(id, value, wizardState().phase == Phase::SelectionParsed);
    return;
  }
  if (code != toolkit::kEventClick || wizardState().running) return;
  toolkit::EZ_DISABLEC(kMainForm, kImportButton);
  const RunningScope running(wizardState());
  const imports::DatabaseFindings before = checkBeforeImport();
  const imports::ImportRunResult result = imports::ImportSession().import(readMappingRows(), confirmImport);
  for (const services::MessageBoxRequest& message : result.messages) services::showMessageBox(message);
  if (result.outcome == imports::RunOutcome::Imported) warnAboutNewFaults(before);
  RESETFORM();
}

}  // namespace ui
