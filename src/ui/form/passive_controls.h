// Controls whose events change nothing.
// A handler receives the control id, the message code, the message value and the cancel flag.
#pragma once

#include <cstdint>

namespace ui {

void MAIN_MAPMOVES(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_MAPDIVES(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_MANAGERS(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_TEAMS(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_MOVECOUNT(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_DIVECOUNT(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_FILES(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_RESULTS(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_HELPTEXT(int32_t id, int32_t code, int32_t value, int32_t& cancel);

}  // namespace ui
