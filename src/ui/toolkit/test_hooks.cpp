#include "ui/toolkit/test_hooks.h"

#include "ui/toolkit/back_end.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

int32_t injectEvent(std::string_view form, int32_t id, int32_t code, int32_t value) {
  FormRecord* record = findForm(form);
  return record != nullptr ? raiseEvent(*record, id, code, value) : 0;
}

void setScreenArea(std::optional<Rect> area) {
  toolkit().screenArea = area;
}

void resetToolkit() {
  Toolkit& state = toolkit();
  for (const auto& form : state.forms) {
    form->alive = false;
    destroyWindowNow(*form);
  }
  state.forms.clear();
  state.designing = nullptr;
  state.eventForms.clear();
  state.next = DesignSettings{};
  state.start = nullptr;
  state.event = nullptr;
  state.design = nullptr;
  state.fonts.clear();
  state.colours.clear();
  state.loadingEvents = 0;
  state.commandEvents = 1;
  state.exitCode = 0;
  dropPendingEvents();
}

}  // namespace ui::toolkit
