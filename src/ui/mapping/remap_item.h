// Mapping one row of a mapping list.
#pragma once

#include <cstdint>

namespace ui {

// Maps row `row` of list view `listView` onto the existing name chosen in `combo`, or renames it.
void REMAPITEM(int32_t listView, int32_t row, int32_t combo);

}  // namespace ui
