// The wizard's progress and the help panel flag, one instance for the program.
#pragma once

#include <cstdint>

namespace ui {

// 0 nothing open, 1 an export listed (or batch files added), 2 the selection parsed.
struct WizardState {
  int32_t phase = 0;
  int32_t helpShown = 0;
};

WizardState& wizardState();

}  // namespace ui
