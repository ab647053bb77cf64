#include "ui/toolkit/keyboard.h"

#include "ui/toolkit/state.h"
#include "ui/toolkit/win32/native.h"

namespace ui::toolkit {

void setReadOnly(std::string_view form, int32_t id, bool readOnly) {
  ControlRecord* control = findControl(form, id);
  if (control != nullptr && control->kind == ControlKind::TextBox && windowOf(*control) != nullptr) {
    SendMessageW(windowOf(*control), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
  }
}

void setTabOrder(std::string_view form, const std::vector<int32_t>& ids) {
  // Tab follows the order of the windows: each goes directly after the one before it.
  HWND previous = nullptr;
  for (int32_t id : ids) {
    HWND window = id != 0 ? controlWindow(form, id) : nullptr;
    if (window == nullptr) continue;
    if (previous != nullptr) SetWindowPos(window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = window;
  }
}

void setFocusable(std::string_view form, int32_t id, bool focusable) {
  ControlRecord* control = id != 0 ? findControl(form, id) : nullptr;
  HWND window = control != nullptr ? windowOf(*control) : nullptr;
  if (window == nullptr) return;
  control->native->focusable = focusable;
  LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  style = focusable ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  SetWindowLongPtrW(window, GWL_STYLE, style);
  if (!focusable && GetFocus() == window) SetFocus(GetParent(window));
  FormRecord* record = findForm(form);
  if (!focusable && record != nullptr && record->native->lastFocus == window) record->native->lastFocus = nullptr;
}

void setFocus(std::string_view form, int32_t id) {
  FormRecord* record = findForm(form);
  HWND window = id != 0 ? controlWindow(form, id) : nullptr;
  if (record == nullptr || window == nullptr) return;
  record->native->lastFocus = window;
  // A window in the background gives the control the focus when it is activated.
  if (GetActiveWindow() == windowOf(*record)) SetFocus(window);
}

}  // namespace ui::toolkit
