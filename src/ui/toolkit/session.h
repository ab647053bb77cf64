// Process-wide set-up that the first form needs (font faces, keyboard accelerators) and what
// happens after a form has started (the screenshot hook).
#pragma once

#include <cstdint>

namespace ui::toolkit {

void prepareSession();

// With ZOR_SCREENSHOT=file.png in the environment, the first form that starts is saved to that file
// and unloaded; ZOR_SCREENSHOT_CLICKS=id,id,... clicks those buttons first. The file dialogs the
// clicks open are answered in turn from ZOR_SCREENSHOT_FILES=dialog|dialog|..., each dialog's
// answer being its paths separated by ";"; every other dialog takes its default button.
void afterStarted(uint64_t serial);

}  // namespace ui::toolkit
