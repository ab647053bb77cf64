#include "ui/handlers.h"

namespace ui {

void MAIN_SHORTCUTS(int32_t, int32_t, int32_t, int32_t&) {
  // The selection shortcuts of the wrestler list arrive with the wizard's steps.
}

}  // namespace ui
