#include "ui/help/help.h"

#include <algorithm>

#include "ui/form/button_style.h"
#include "ui/form/control_ids.h"
#include "ui/form/handlers.h"
#include "ui/steps/wizard_state.h"
#include "ui/toolkit/contents.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/forms.h"
#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/run.h"

namespace ui {

namespace {
// Passed on to the toolkit as they are.
constexpr int32_t kWidening = -1;
constexpr int32_t kNarrowing = 1;
}  // namespace

std::string helpText() {
  std::string text;
  for (size_t i = 0; i < kHelpLines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += kHelpLines[i];
  }
  return text;
}

void INITHELP() {
  toolkit::EZ_SETTEXT(kMainForm, kHelpPanel, helpText());
}

// Widening the form uncovers the help panel at its right. Where that would reach past the screen's edge
// the toolkit moves the form to the left, or, on a screen too narrow for it, makes it narrower: then
// the panel is narrowed with it, so that all of it stays in sight. Hiding the panel puts the form back
// where it was.
void MAIN_HELP(int32_t id, int32_t code, int32_t value, int32_t&) {
  if (code == toolkit::kEventOwnerDraw) {
    drawFixedButton(id, value, kQuietBackground);
    return;
  }
  if (code != toolkit::kEventClick) return;
  WizardState& state = wizardState();
  state.helpShown = 1 - state.helpShown;
  double column = 0, row = 0, width = 0, height = 0;
  toolkit::EZ_GETPOS(kMainForm, kFormItself, column, row, width, height);
  if (state.helpShown != 0) {
    toolkit::EZ_RESIZEFORM(kMainForm, column, row, kFormWidthWithHelp, kFormHeight, kWidening);
    double placedColumn = 0, placedRow = 0, placedWidth = 0, placedHeight = 0;
    toolkit::EZ_GETPOS(kMainForm, kFormItself, placedColumn, placedRow, placedWidth, placedHeight);
    state.helpShift = column - placedColumn;
    const double panelWidth = std::min(kHelpPanelWidth, std::max(0.0, placedWidth - kFormWidth));
    toolkit::placeControl(kMainForm, kHelpPanel, kFormWidth, 0, panelWidth, kFormHeight);
  } else {
    toolkit::EZ_RESIZEFORM(kMainForm, column + state.helpShift, row, kFormWidth, kFormHeight, kNarrowing);
    state.helpShift = 0;
  }
  // Out of sight, the panel must not catch the keyboard.
  toolkit::setFocusable(kMainForm, kHelpPanel, state.helpShown != 0);
}

}  // namespace ui
