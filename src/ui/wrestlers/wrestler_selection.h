// The selection modes of the wrestler list's keyboard shortcuts, and the keys that choose them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "ui/form/control_ids.h"

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

}  // namespace ui
