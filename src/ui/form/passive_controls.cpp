#include "ui/form/passive_controls.h"

#include "ui/form/handlers.h"

namespace ui {

void MAIN_MAPMOVES(int32_t, int32_t, int32_t, int32_t&) {}
void MAIN_MAPDIVES(int32_t, int32_t, int32_t, int32_t&) {}
void MAIN_MANAGERS(int32_t, int32_t, int32_t, int32_t&) {}
void MAIN_TEAMS(int32_t, int32_t, int32_t, int32_t&) {}
void MAIN_MOVECOUNT(int32_t, int32_t, int32_t, int32_t&) {}
void MAIN_DIVECOUNT(int32_t, int32_t, int32_t, int32_t&) {}
void MAIN_FILES(int32_t, int32_t, int32_t, int32_t&) {}
void MAIN_RESULTS(int32_t, int32_t, int32_t, int32_t&) {}
void MAIN_HELPTEXT(int32_t, int32_t, int32_t, int32_t&) {}

}  // namespace ui
