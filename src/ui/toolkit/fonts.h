// Numbered fonts. 0 to 5 are the toolkit's own; the program defines more with EZ_DEFFONT. Property
// letters: "B" bold, "I" italic, "U" underline, "V" variable pitch (otherwise fixed pitch is
// preferred).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ui::toolkit {

struct FontSpec {
  std::string face;
  double points = 10;
  std::string properties;
};

// The font of lists, list views, small labels and text boxes.
inline constexpr int32_t kListFont = 4;

void EZ_DEFFONT(int32_t number, std::string_view face, double points, std::string_view properties);
void EZ_FREEFONT(int32_t number);

// A built-in or defined font; nothing when the number is not defined.
std::optional<FontSpec> fontSpec(int32_t number);

}  // namespace ui::toolkit
