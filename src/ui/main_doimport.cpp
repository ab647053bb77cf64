#include "ui/button_style.h"
#include "ui/handlers.h"
#include "ui/toolkit/run.h"
#include "ui/wizard_state.h"

namespace ui {

void MAIN_DOIMPORT(int32_t id, int32_t code, int32_t value, int32_t&) {
  // The click (the interactive import) arrives with the wizard's steps.
  if (code == toolkit::kEventOwnerDraw) drawStepButton(id, value, wizardState().phase == 2);
}

}  // namespace ui
