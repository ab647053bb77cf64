#include "ui/button_style.h"
#include "ui/handlers.h"
#include "ui/toolkit/run.h"

namespace ui {

void MAIN_ADDFILES(int32_t id, int32_t code, int32_t value, int32_t&) {
  // The click (add export files to the batch) arrives with the wizard's steps.
  if (code == toolkit::kEventOwnerDraw) drawStepButton(id, value, true);
}

}  // namespace ui
