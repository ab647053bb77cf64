// The selection modes of the wrestler list's keyboard shortcuts.
#pragma once

#include <cstdint>

namespace ui {

enum SelectionMode : int32_t {
  kSelectAll = 1,
  kSelectNone = 0,
  kInvertSelection = -1,
  kSelectDownwards = -2,  // from the current item to the last
  kSelectUpwards = -3,    // from the first item to the current one
  kDeselectDownwards = -4,
  kDeselectUpwards = -5,
};

// The new state (1 or 0) of item `index` whose state is `state`; an unknown mode changes nothing.
int32_t selectionAfter(int32_t mode, int32_t index, int32_t current, int32_t state);

}  // namespace ui
