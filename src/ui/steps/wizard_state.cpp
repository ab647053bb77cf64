#include "ui/steps/wizard_state.h"

namespace ui {

WizardState& wizardState() {
  static WizardState state;
  return state;
}

}  // namespace ui
