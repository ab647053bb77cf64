// The Qt colours of palette numbers (palette.h) and of Windows system colours.
#pragma once

#include <QColor>
#include <cstdint>
#include <optional>

#include "ui/toolkit/palette.h"

namespace ui::toolkit {

// The colour of a palette number; nothing for -1 or a number that is not defined.
std::optional<QColor> paletteColour(int32_t number);
// The current value of a Windows system colour, taken from the application's palette.
QColor systemColour(int32_t systemIndex);

}  // namespace ui::toolkit
