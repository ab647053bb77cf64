// Keyboard accelerators: a table "^A,9999|$^DOWN,9994" of keys and ids ("^" Ctrl, "$" Shift, "@" Alt);
// a key pressed anywhere in the form arrives as a click event of that id.
#pragma once

#include <string_view>

namespace ui::toolkit {

void EZ_DEFACCEL(std::string_view form, std::string_view table);

}  // namespace ui::toolkit
