#include "ui/batch/batch_view.h"

#include "ui/form/button_style.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/forms.h"
#include "ui/toolkit/run.h"

namespace ui {

void MAIN_BATCH(int32_t id, int32_t code, int32_t value, int32_t&) {
  if (code == toolkit::kEventClick) {
    wizardState().batchShown = true;
    toolkit::EZ_DISPLAYLAYER(kThisForm, kBatchLayer, kLayerFlags);
  } else if (code == toolkit::kEventOwnerDraw) {
    drawFixedButton(id, value, kBatchBackground);
  }
}

// Back to the wizard. The enabled states are still those of phase 0: the batch view is only
// reachable from there.
void MAIN_RETURN(int32_t id, int32_t code, int32_t value, int32_t&) {
  if (code == toolkit::kEventClick) {
    wizardState().phase = Phase::NothingOpen;
    wizardState().batchShown = false;
    toolkit::EZ_DISPLAYLAYER(kThisForm, kWizardLayer, kLayerFlags);
  } else if (code == toolkit::kEventOwnerDraw) {
    drawFixedButton(id, value, kQuietBackground);
  }
}

}  // namespace ui
