// The keyboard's way through a form: which text boxes take typing, the order Tab follows, which
// controls take the focus at all, and where it starts.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace ui::toolkit {

// A read-only text box still selects and copies, but typing does not change it.
void setReadOnly(std::string_view form, int32_t id, bool readOnly);
// Tab goes through the controls in this order (Shift+Tab back); controls not named keep their place
// after them.
void setTabOrder(std::string_view form, const std::vector<int32_t>& ids);
// A control that is not focusable is passed over by Tab and by clicks.
void setFocusable(std::string_view form, int32_t id, bool focusable);
// Gives the control the keyboard focus (when its window becomes active, if it is not yet).
void setFocus(std::string_view form, int32_t id);

}  // namespace ui::toolkit
