// "Open Export File", the first step of the wizard.
// A handler receives the control id, the message code, the message value and the cancel flag.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

// "Open Export File": asks for a file, imports an object or gimmick-match export at once, lists a
// wrestler export.
void OPENEXPORT();
// The same for a file already chosen (dropped on the window, or named when the wizard was started).
void openExportFile(const std::string& path);
void MAIN_OPEN(int32_t id, int32_t code, int32_t value, int32_t& cancel);

}  // namespace ui
