#include "ui/button_style.h"
#include "ui/handlers.h"
#include "ui/toolkit/run.h"
#include "ui/wizard_state.h"

namespace ui {

void MAIN_OPEN(int32_t id, int32_t code, int32_t value, int32_t&) {
  // The click (open an export file) arrives with the wizard's steps.
  if (code == toolkit::kEventOwnerDraw) drawStepButton(id, value, wizardState().phase == 0);
}

}  // namespace ui
