// The life cycle of form "MAIN": loaded, started, closing; and the Quit button.
#pragma once

#include <cstdint>

namespace ui::startup {

// Events of the form itself (id 0) and of controls without a handler of their own (labels, the
// progress bar, the keyboard shortcuts).
void MAIN_EVENTS(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_QUIT(int32_t id, int32_t code, int32_t value, int32_t& cancel);
// Releases the private heap with every record in it.
void CLEANUP();

}  // namespace ui::startup
