#include "ui/steps/update_phase.h"

#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/contents.h"

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
  const Phase phase = wizardState().phase;
  // A value outside the steps (which only a damaged state could hold) leaves the controls as they are.
  if (phase == Phase::NothingOpen || phase == Phase::ExportListed || phase == Phase::SelectionParsed) {
    enable(kParseButton, phase == Phase::ExportListed);
    enable(kImportButton, phase == Phase::SelectionParsed);
    enable(kWrestlerList, phase == Phase::ExportListed);
    enable(kBatchButton, phase == Phase::NothingOpen);
  }
  for (int32_t id : {kOpenButton, kParseButton, kImportButton}) toolkit::EZ_REDRAWCONTROL(kMainForm, id);
}

}  // namespace ui
