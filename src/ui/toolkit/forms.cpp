#include "ui/toolkit/forms.h"

#include "ui/toolkit/back_end.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

void unloadForm(FormRecord& form, bool raiseClosing) {
  if (!form.alive || form.unloading) return;
  form.unloading = true;
  if (raiseClosing) raiseEvent(form, 0, kEventClosing, 0);
  form.alive = false;
  Toolkit& state = toolkit();
  if (state.designing == &form) state.designing = nullptr;
  hideAndDestroyLater(form);
  for (const auto& other : state.forms) {
    if (other->alive) return;
  }
  if (state.loopRunning) endGuiLoop(state.exitCode);
}

void EZ_UNLOADFORM(std::string_view form) {
  if (FormRecord* record = findForm(form)) unloadForm(*record, true);
}

void EZ_DISPLAYLAYER(std::string_view form, int32_t layer, int32_t) {
  FormRecord* record = findForm(form);
  if (record == nullptr) return;
  record->shownLayer = layer;
  for (const auto& control : record->controls) {
    if (control->layer != 0) showControl(*control, control->layer == layer);
  }
}

}  // namespace ui::toolkit
