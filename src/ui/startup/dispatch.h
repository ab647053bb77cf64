// The dispatch of the events of form "MAIN" to the handlers of its controls.
#pragma once

#include <cstdint>

namespace ui::startup {

// Hands an event of form "MAIN" to the handler of its control.
void EZ_MAIN_PARSEEVENTS(int32_t id, int32_t code, int32_t value, int32_t& cancel);

}  // namespace ui::startup
