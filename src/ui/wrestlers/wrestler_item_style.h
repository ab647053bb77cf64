// How an item of the wrestler list is drawn: colours by state and by the "F"/"M" letter, bold when
// selected.
#pragma once

#include <cstdint>

namespace ui {

inline constexpr int32_t kWrestlerItemHeight = 16;  // pixels
inline constexpr int32_t kWrestlerItemFont = 99;

struct WrestlerItemStyle {
  int32_t text = 0;
  int32_t background = 0;
  bool bold = false;
};

// The first matching rule wins: disabled, has the focus, selected, otherwise.
WrestlerItemStyle wrestlerItemStyle(char letter, bool selected, bool disabled, bool focus);

}  // namespace ui
