#include "ui/toolkit/test_hooks.h"

namespace ui::toolkit {

int32_t injectEvent(std::string_view form, int32_t id, int32_t code, int32_t value) {
  FormRecord* record = findForm(form);
  return record != nullptr ? raiseEvent(*record, id, code, value) : 0;
}

void setScreenArea(std::optional<Rect> area) {
  toolkit().screenArea = area;
}

}  // namespace ui::toolkit
