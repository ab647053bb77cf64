// Numbered and inline fonts (fonts.h) as GDI fonts, made once per spec and kept for the run.
#pragma once

#include <cstdint>

#include "ui/toolkit/fonts.h"
#include "ui/toolkit/win32/win32.h"

namespace ui::toolkit {

HFONT gdiFont(const FontSpec& spec);
// The font of a number; the toolkit's list font for a number that is not defined.
HFONT fontOf(int32_t number);
FontSpec fontSpecOf(int32_t number);

}  // namespace ui::toolkit
