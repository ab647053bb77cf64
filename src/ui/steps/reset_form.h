// The reset of the wizard after an import.
#pragma once

#include <cstdint>

namespace ui {

// Back to phase 0 after an import run: the lists emptied and the database reloaded.
void RESETFORM();

}  // namespace ui
