#include "ui/mapping/main_dives.h"

#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/run.h"

namespace ui {

// A double-click maps or renames the row it hit (the message value, -1 for none).
void MAIN_DIVES(int32_t, int32_t code, int32_t value, int32_t&) {
  if (code == toolkit::kEventDoubleClick && !wizardState().running)
    REMAPITEM(kDiveListView, value, kMapDivesCombo);
}

}  // namespace ui
