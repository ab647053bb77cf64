// Numbered fonts (fonts.h) as Qt fonts.
#pragma once

#include <QFont>
#include <cstdint>

#include "ui/toolkit/fonts.h"

namespace ui::toolkit {

QFont qtFont(const FontSpec& spec);
// The Qt font of a number (the application font when it is not defined).
QFont fontOf(int32_t number);

// Makes the Windows faces the program names resolve to their metric-compatible free equivalents.
void registerFaceSubstitutes();

}  // namespace ui::toolkit
