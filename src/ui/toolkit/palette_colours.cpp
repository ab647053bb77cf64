#include "ui/toolkit/palette_colours.h"

#include "ui/toolkit/state.h"

namespace ui::toolkit {

namespace {

// 0-15 are the sixteen classic console colours; 16-31 are darker shades for text on light ground
// and pale tints for list and button backgrounds.
constexpr Rgb kBuiltIn[kBuiltInColours] = {
    Rgb{0, 0, 0},        // 0 black
    Rgb{0, 0, 128},      // 1 navy
    Rgb{0, 128, 0},      // 2 green
    Rgb{0, 128, 128},    // 3 teal
    Rgb{128, 0, 0},      // 4 maroon
    Rgb{128, 0, 128},    // 5 purple
    Rgb{128, 128, 0},    // 6 olive
    Rgb{192, 192, 192},  // 7 silver
    Rgb{128, 128, 128},  // 8 grey
    Rgb{0, 0, 255},      // 9 blue
    Rgb{0, 255, 0},      // 10 lime
    Rgb{0, 255, 255},    // 11 cyan
    Rgb{255, 0, 0},      // 12 red
    Rgb{255, 0, 255},    // 13 magenta
    Rgb{255, 255, 0},    // 14 yellow
    Rgb{255, 255, 255},  // 15 white
    Rgb{64, 64, 64},     // 16 charcoal
    Rgb{0, 64, 128},     // 17 steel blue
    Rgb{0, 96, 48},      // 18 forest green
    Rgb{128, 32, 32},    // 19 brick
    Rgb{255, 128, 0},    // 20 orange
    Rgb{128, 64, 0},     // 21 brown
    Rgb{255, 255, 192},  // 22 cream
    Rgb{255, 200, 200},  // 23 rose
    Rgb{200, 240, 200},  // 24 pale green
    Rgb{216, 236, 255},  // 25 ice blue
    Rgb{255, 224, 160},  // 26 apricot
    Rgb{204, 224, 255},  // 27 light blue
    Rgb{255, 214, 232},  // 28 light pink
    Rgb{224, 224, 224},  // 29 light grey
    Rgb{214, 248, 214},  // 30 mint
    Rgb{236, 233, 216},  // 31 button face
};

}  // namespace

std::optional<Rgb> paletteColour(int32_t number) {
  if (number < 0) return std::nullopt;
  if (number < kBuiltInColours) return kBuiltIn[number];
  const auto& defined = toolkit().colours;
  auto found = defined.find(number);
  if (found == defined.end()) return std::nullopt;
  return found->second;
}

}  // namespace ui::toolkit
