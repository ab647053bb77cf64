// Colours are palette numbers: 0 to 31 are the toolkit's own, higher numbers are defined by the
// program (a fixed colour or a system colour); -1 means the control's default colour.
#pragma once

#include <cstdint>

namespace ui::toolkit {

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr int32_t kDefaultColour = -1;
inline constexpr int32_t kBuiltInColours = 32;

// number := a Windows colour value (0x00BBGGRR).
void EZ_DEFCOLORL(int32_t number, uint32_t windowsColour);
// number := the current value of a Windows system colour (COLOR_MENU = 4, COLOR_INFOBK = 24, ...),
// taken from the application's palette.
void EZ_DEFSYSTEMCOLOR(int32_t number, int32_t systemIndex);

}  // namespace ui::toolkit
