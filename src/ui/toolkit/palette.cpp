#include "ui/toolkit/palette.h"

#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

void EZ_DEFCOLORL(int32_t number, uint32_t windowsColour) {
  if (number < kBuiltInColours) return;
  toolkit().colours[number] =
      Rgb{static_cast<uint8_t>(windowsColour & 0xFF), static_cast<uint8_t>((windowsColour >> 8) & 0xFF),
          static_cast<uint8_t>((windowsColour >> 16) & 0xFF)};
}

void EZ_DEFSYSTEMCOLOR(int32_t number, int32_t systemIndex) {
  if (number < kBuiltInColours) return;
  toolkit().colours[number] = systemColour(systemIndex);
}

}  // namespace ui::toolkit
