// Form "MAIN": the five-step wizard on layer 1, the batch view on layer 2 and the help panel on
// layer 0 to the right of the visible area.
#pragma once

#include <string_view>

namespace ui {

// Creates form "MAIN" (its loading event switched on).
void EZ_MAIN_DISPLAY(std::string_view parent);
// Builds every control of the form; called by the design callback.
void EZ_MAIN_DESIGN();

}  // namespace ui
