#include "ui/toolkit/controls.h"

#include <string>

#include "ui/toolkit/state.h"

namespace ui::toolkit {

void EZ_COLOR(int32_t textColour, int32_t backColour) {
  toolkit().next.textColour = textColour;
  toolkit().next.backColour = backColour;
}

void EZ_USEFONT(int32_t font) {
  toolkit().next.font = font;
  toolkit().next.inlineFont.reset();
}

void EZ_USEIFONT(std::string_view face, double points, std::string_view properties) {
  toolkit().next.inlineFont = FontSpec{std::string(face), points, std::string(properties)};
}

void EZ_SETLAYER(int32_t layer) {
  toolkit().next.layer = layer;
}

}  // namespace ui::toolkit
