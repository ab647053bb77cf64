// The two Map To combo boxes.
#pragma once

#include <cstdint>

namespace ui {

// Fills the two Map To combo boxes with "--- Rename" and the database's moves and dives.
void FILLCOMBO();

}  // namespace ui
