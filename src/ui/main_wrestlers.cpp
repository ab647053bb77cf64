#include "ui/handlers.h"

namespace ui {

void MAIN_WRESTLERS(int32_t, int32_t, int32_t, int32_t&) {
  // Owner size and item drawing of the wrestler list arrive with the wizard's steps.
}

}  // namespace ui
