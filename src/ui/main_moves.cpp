#include "ui/handlers.h"

namespace ui {

void MAIN_MOVES(int32_t, int32_t, int32_t, int32_t&) {
  // The double-click (map or rename a move) arrives with the wizard's steps.
}

}  // namespace ui
