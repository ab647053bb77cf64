#include "ui/control_ids.h"
#include "ui/handlers.h"
#include "ui/toolkit/contents.h"
#include "ui/wizard_state.h"

namespace ui {

namespace {

void enable(int32_t id, bool enabled) {
  if (enabled) {
    toolkit::EZ_ENABLEC(kMainForm, id);
  } else {
    toolkit::EZ_DISABLEC(kMainForm, id);
  }
}

}  // namespace

void UPDATEPHASE() {
  const int32_t phase = wizardState().phase;
  if (phase >= 0 && phase <= 2) {
    enable(kParseButton, phase == 1);
    enable(kImportButton, phase == 2);
    enable(kWrestlerList, phase == 1);
    enable(kBatchButton, phase == 0);
  }
  for (int32_t id : {kOpenButton, kParseButton, kImportButton}) toolkit::EZ_REDRAWCONTROL(kMainForm, id);
}

}  // namespace ui
