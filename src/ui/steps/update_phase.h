// The controls enabled for the current phase.
#pragma once

#include <cstdint>

namespace ui {

// Enables the controls for the current phase and redraws the three step buttons.
void UPDATEPHASE();

}  // namespace ui
