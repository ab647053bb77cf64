#include "ui/startup/callbacks.h"

#include "platform/text.h"
#include "ui/form/control_ids.h"
#include "ui/form/main_form.h"
#include "ui/startup/dispatch.h"

namespace ui::startup {

namespace {

bool isMainForm(const std::string& form) {
  return platform::upperCase1252(form) == ui::kMainForm;
}

}  // namespace

void EZ_DESIGN(std::string& form) {
  if (isMainForm(form)) {
    ui::EZ_MAIN_DESIGN();
  } else {
    OTHERFORMS_DESIGN(form);
  }
}

void EZ_EVENT(std::string& form, int32_t& id, int32_t& code, int32_t& value, int32_t& cancel) {
  if (PREPROCESS(form, id, code, value, cancel) != 0) return;
  if (isMainForm(form)) {
    EZ_MAIN_PARSEEVENTS(id, code, value, cancel);
  } else {
    OTHERFORMS_EVENTS(form, id, code, value, cancel);
  }
}

int32_t PREPROCESS(std::string&, int32_t&, int32_t&, int32_t&, int32_t&) {
  return 0;
}

void OTHERFORMS_DESIGN(std::string&) {}

// The wizard has no other form: events of the toolkit's own dialogs ("{OPENDLG}", "{MSGBOX}", ...) and
// of its application pseudo-form "{APP}" have no effect, and neither would those of any other form.
void OTHERFORMS_EVENTS(std::string&, int32_t&, int32_t&, int32_t&, int32_t&) {}

}  // namespace ui::startup
