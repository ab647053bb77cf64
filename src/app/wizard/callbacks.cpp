#include "app/wizard/callbacks.h"

#include <array>
#include <string_view>

#include "platform/text.h"
#include "ui/control_ids.h"
#include "ui/main_form.h"

namespace app {

namespace {

bool isMainForm(const std::string& form) {
  return platform::upperCase1252(form) == ui::kMainForm;
}

constexpr std::array<std::string_view, 12> kToolkitPseudoForms = {
    "{OPENDLG}",  "{SAVEDLG}", "{OPENDLGX}", "{SAVEDLGX}", "{COLORDLG}", "{FONTDLG}",
    "{PRINTDLG}", "{PAGEDLG}", "{FINDDLG}",  "{ABORTDLG}", "{MSGBOX}",   "{APP}",
};

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

void OTHERFORMS_EVENTS(std::string& form, int32_t&, int32_t&, int32_t&, int32_t&) {
  const std::string name = platform::upperCase1252(form);
  for (std::string_view pseudoForm : kToolkitPseudoForms) {
    if (name == pseudoForm) return;
  }
}

}  // namespace app
