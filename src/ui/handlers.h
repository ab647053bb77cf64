// The handlers of form "MAIN", one per control, chosen by control id. Each receives the control id,
// the message code, the message value and the cancel flag; a button reacts to its click and to the
// owner-draw request only.
#pragma once

#include <cstdint>

namespace ui {

void MAIN_OPEN(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_WRESTLERS(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_MOVES(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_DIVES(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_REFRESH(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_DOIMPORT(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_HELP(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_BATCH(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_RETURN(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_ADDFILES(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_IMPORTBATCH(int32_t id, int32_t code, int32_t value, int32_t& cancel);
// The keyboard shortcuts of the wrestler list (ids 9993 to 9999).
void MAIN_SHORTCUTS(int32_t id, int32_t code, int32_t value, int32_t& cancel);

// Controls whose events change nothing.
void MAIN_MAPMOVES(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_MAPDIVES(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_MANAGERS(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_TEAMS(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_MOVECOUNT(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_DIVECOUNT(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_FILES(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_RESULTS(int32_t id, int32_t code, int32_t value, int32_t& cancel);
void MAIN_HELPTEXT(int32_t id, int32_t code, int32_t value, int32_t& cancel);

// Enables the controls for the current phase and redraws the three step buttons.
void UPDATEPHASE();
// Writes the help text into the help panel.
void INITHELP();
// Fills the two Map To combo boxes with "--- Rename" and the database's moves and dives.
void FILLCOMBO();

}  // namespace ui
