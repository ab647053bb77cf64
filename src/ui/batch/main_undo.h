// "Undo Last Import" of the batch view.
// A handler receives the control id, the message code, the message value and the cancel flag.
#pragma once

#include <cstdint>

namespace ui {

// Asks, then puts back the files the last import replaced and reloads the database.
void UNDOLASTIMPORT();
void MAIN_UNDO(int32_t id, int32_t code, int32_t value, int32_t& cancel);

}  // namespace ui
