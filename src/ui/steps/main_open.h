// "Open Export File", the first step of the wizard.
// A handler receives the control id, the message code, the message value and the cancel flag.
#pragma once

#include <cstdint>

namespace ui {

// "Open Export File": asks for a file, imports an object or gimmick-match export at once, lists a
// wrestler export.
void OPENEXPORT();
void MAIN_OPEN(int32_t id, int32_t code, int32_t value, int32_t& cancel);

}  // namespace ui
