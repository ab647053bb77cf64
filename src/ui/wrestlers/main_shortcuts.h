// The keyboard shortcuts of the wrestler list.
// A handler receives the control id, the message code, the message value and the cancel flag.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

// The accelerator table registered when the form has loaded: "^A,9999|^N,9998|...".
std::string shortcutTable();
// The new state (1 or 0) of item `index` whose state is `state`; an unknown mode changes nothing.
int32_t selectionAfter(int32_t mode, int32_t index, int32_t current, int32_t state);
// Changes the selection of every wrestler item by mode: 1 all, 0 none, -1 inverted, -2 / -3 selected
// from `current` down / up, -4 / -5 deselected from `current` down / up.
void SELECTWRESTLERS(int32_t mode, int32_t current);
// The keyboard shortcuts of the wrestler list (ids 9993 to 9999).
void MAIN_SHORTCUTS(int32_t id, int32_t code, int32_t value, int32_t& cancel);

}  // namespace ui
