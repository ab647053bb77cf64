// Process-wide set-up that the first form needs (font faces, keyboard accelerators) and what
// happens after a form has started (the screenshot hook).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ui::toolkit {

void prepareSession();

// With ZOR_SCREENSHOT=file.png in the environment, the first form that starts is saved to that file
// and unloaded; ZOR_SCREENSHOT_CLICKS=id,id,... clicks those buttons first. The file dialogs the
// clicks open are answered in turn from ZOR_SCREENSHOT_FILES=dialog|dialog|..., each dialog's
// answer being its paths separated by ";"; every other dialog takes its default button.
void afterStarted(uint64_t serial);

// The screenshot itself, once the form has had time to show: `files` and `clicks` are the values of
// ZOR_SCREENSHOT_FILES and ZOR_SCREENSHOT_CLICKS.
void takeScreenshot(uint64_t serial, const std::string& path, std::string_view files, std::string_view clicks);

}  // namespace ui::toolkit
