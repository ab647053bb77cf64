// The handlers of form "MAIN", one per control, chosen by control id. Each receives the control id,
// the message code, the message value and the cancel flag; a button reacts to its click and to the
// owner-draw request only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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
void MAIN_UNDO(int32_t id, int32_t code, int32_t value, int32_t& cancel);
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
// Back to phase 0 after an import run: the lists emptied and the database reloaded.
void RESETFORM();
// Writes the help text into the help panel.
void INITHELP();
// Fills the two Map To combo boxes with "--- Rename" and the database's moves and dives.
void FILLCOMBO();

// "Open Export File": asks for a file, imports an object or gimmick-match export at once, lists a
// wrestler export.
void OPENEXPORT();
// "Add Export Files": asks for several files and appends them to the batch list.
void ADDEXPORTFILES();
// Every item of a list control, each followed by "|".
std::string READLIST(std::string_view form, int32_t id);

// Parse Selection: the selection of the wrestler list evaluated, the needed new records listed.
void REFRESHDISPLAY();
// Changes the selection of every wrestler item by mode: 1 all, 0 none, -1 inverted, -2 / -3 selected
// from `current` down / up, -4 / -5 deselected from `current` down / up.
void SELECTWRESTLERS(int32_t mode, int32_t current);
// Maps row `row` of list view `listView` onto the existing name chosen in `combo`, or renames it.
void REMAPITEM(int32_t listView, int32_t row, int32_t combo);

// The batch list imported file by file, with the progress bar and the status box.
void DOIMPORT();
// Asks, then puts back the files the last import replaced and reloads the database.
void UNDOLASTIMPORT();

}  // namespace ui
