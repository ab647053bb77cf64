// Keyboard accelerators: a table "^A,9999|$^DOWN,9994" of keys and ids ("^" Ctrl, "$" Shift, "@" Alt);
// a key pressed anywhere in the form arrives as a click event of that id.
#pragma once

#include <QKeyCombination>
#include <cstdint>
#include <string_view>
#include <vector>

namespace ui::toolkit {

struct Accelerator {
  QKeyCombination keys;
  int32_t id = 0;
};

// Entries whose key is not understood are left out.
std::vector<Accelerator> parseAccelerators(std::string_view table);

void EZ_DEFACCEL(std::string_view form, std::string_view table);

}  // namespace ui::toolkit
