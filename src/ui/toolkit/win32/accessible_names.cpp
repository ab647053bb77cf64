#include "ui/toolkit/back_end.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/win32/native.h"

namespace ui::toolkit {

bool showAccessibleName(ControlRecord& control, std::string_view name) {
  if (windowOf(control) == nullptr) return false;
  control.native->accessibleName = std::string(name);
  return true;
}

}  // namespace ui::toolkit
