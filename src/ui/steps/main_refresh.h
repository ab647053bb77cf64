// "Parse Selection", the step after the selection.
// A handler receives the control id, the message code, the message value and the cancel flag.
#pragma once

#include <cstdint>

namespace ui {

// Parse Selection: the selection of the wrestler list evaluated, the needed new records listed.
void REFRESHDISPLAY();
void MAIN_REFRESH(int32_t id, int32_t code, int32_t value, int32_t& cancel);

}  // namespace ui
