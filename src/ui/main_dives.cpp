#include "ui/handlers.h"

namespace ui {

void MAIN_DIVES(int32_t, int32_t, int32_t, int32_t&) {
  // The double-click (map or rename a dive) arrives with the wizard's steps.
}

}  // namespace ui
