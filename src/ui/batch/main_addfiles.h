// "Add Export Files" of the batch view.
// A handler receives the control id, the message code, the message value and the cancel flag.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// Every item of a list control, each followed by "|".
std::string READLIST(std::string_view form, int32_t id);
// "Add Export Files": asks for several files and appends them to the batch list.
void ADDEXPORTFILES();
// Appends files already chosen (dropped on the batch view) to the batch list.
void addBatchFiles(const std::vector<std::string>& paths);
void MAIN_ADDFILES(int32_t id, int32_t code, int32_t value, int32_t& cancel);

}  // namespace ui
