#include "ui/form/button_style.h"

#include "ui/form/control_ids.h"
#include "ui/toolkit/owner_draw.h"

namespace ui {

void drawStepButton(int32_t id, int32_t drawData, bool current) {
  toolkit::EZ_DRAWCOLORBUTTON(kMainForm, id, drawData, current ? kHighlightBackground : kPlainBackground,
                              current ? kHighlightText : kPlainText, kButtonFont);
}

void drawFixedButton(int32_t id, int32_t drawData, int32_t background) {
  toolkit::EZ_DRAWCOLORBUTTON(kMainForm, id, drawData, background, kPlainText, kButtonFont);
}

}  // namespace ui
