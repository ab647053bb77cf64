// The colours of palette numbers (palette.h) and of Windows system colours.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/toolkit/palette.h"

namespace ui::toolkit {

// The colour of a palette number; nothing for -1 or a number that is not defined.
std::optional<Rgb> paletteColour(int32_t number);
// The current value of a Windows system colour (COLOR_MENU = 4, ...), as the system or the
// application's palette shows it; implemented by the back end.
Rgb systemColour(int32_t systemIndex);

}  // namespace ui::toolkit
