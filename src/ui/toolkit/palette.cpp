#include "ui/toolkit/palette.h"

#include <QColor>

#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

void EZ_DEFCOLORL(int32_t number, uint32_t windowsColour) {
  if (number < kBuiltInColours) return;
  toolkit().colours[number] =
      QColor(windowsColour & 0xFF, (windowsColour >> 8) & 0xFF, (windowsColour >> 16) & 0xFF);
}

void EZ_DEFSYSTEMCOLOR(int32_t number, int32_t systemIndex) {
  if (number < kBuiltInColours) return;
  toolkit().colours[number] = systemColour(systemIndex);
}

}  // namespace ui::toolkit
