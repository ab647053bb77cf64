// How a numbered font's spec (fonts.h) becomes a font of the system: the rules every back end
// follows when it makes one.
#pragma once

#include "ui/toolkit/fonts.h"

namespace ui::toolkit {

struct FontStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool fixedPitch = true;  // preferred; "V" asks for variable pitch
  // A narrow face ("Arial Narrow"): where only its wide relative is installed, the font is drawn
  // at kNarrowStretch percent of its width.
  bool narrow = false;
};

// Percentage width of the narrow faces, applied when no narrow face of their own is installed.
inline constexpr int kNarrowStretch = 82;

FontStyle fontStyle(const FontSpec& spec);

}  // namespace ui::toolkit
