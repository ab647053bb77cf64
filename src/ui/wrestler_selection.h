// The selection modes of the wrestler list's keyboard shortcuts.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/control_ids.h"

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

// The keyboard shortcuts of the wrestler list: key ("^" Ctrl, "$" Shift), control id, what it does.
struct SelectionShortcut {
  std::string_view key;
  ControlId id;
  SelectionMode mode;
};
inline constexpr std::array<SelectionShortcut, 7> kSelectionShortcuts{{
    {"^A", kSelectAllShortcut, kSelectAll},
    {"^N", kSelectNoneShortcut, kSelectNone},
    {"^I", kInvertShortcut, kInvertSelection},
    {"^DOWN", kSelectDownwardsShortcut, kSelectDownwards},
    {"^UP", kSelectUpwardsShortcut, kSelectUpwards},
    {"$^DOWN", kDeselectDownwardsShortcut, kDeselectDownwards},
    {"$^UP", kDeselectUpwardsShortcut, kDeselectUpwards},
}};
// The accelerator table registered when the form has loaded: "^A,9999|^N,9998|...".
std::string shortcutTable();

// The new state (1 or 0) of item `index` whose state is `state`; an unknown mode changes nothing.
int32_t selectionAfter(int32_t mode, int32_t index, int32_t current, int32_t state);

}  // namespace ui
