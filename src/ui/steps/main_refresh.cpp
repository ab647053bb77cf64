#include "ui/steps/main_refresh.h"

#include <string>
#include <vector>

#include "import/import_session.h"
#include "ui/form/button_style.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/export_lists.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/run.h"

namespace ui {

// Any mapping made in the list views before is discarded: the rows are filled anew.
void REFRESHDISPLAY() {
  const imports::NeededNames needed = imports::ImportSession().select(readWrestlerItems());

  toolkit::EZ_SETREDRAWSTATE(kMainForm, 0);
  showNeededRecords(needed);
  toolkit::EZ_SETREDRAWSTATE(kMainForm, 1);
  toolkit::EZ_REDRAWFORM(kMainForm);

  wizardState().phase = Phase::SelectionParsed;
  UPDATEPHASE();
}

void MAIN_REFRESH(int32_t id, int32_t code, int32_t value, int32_t&) {
  if (code == toolkit::kEventClick) {
    if (!wizardState().running) REFRESHDISPLAY();
  } else if (code == toolkit::kEventOwnerDraw) {
    drawStepButton(id, value, wizardState().phase == Phase::ExportListed);
  }
}

}  // namespace ui
