#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/win32/native.h"

namespace ui::toolkit {

Rgb systemColour(int32_t systemIndex) {
  return rgbOf(GetSysColor(systemIndex));
}

}  // namespace ui::toolkit
