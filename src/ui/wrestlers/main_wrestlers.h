// The wrestler list.
// A handler receives the control id, the message code, the message value and the cancel flag.
#pragma once

#include <cstdint>

namespace ui {

void MAIN_WRESTLERS(int32_t id, int32_t code, int32_t value, int32_t& cancel);

}  // namespace ui
