#include "ui/toolkit/font_conversion.h"

#include "ui/toolkit/text.h"

namespace ui::toolkit {

namespace {

bool has(std::string_view properties, char letter) {
  const char lower = static_cast<char>(letter - 'A' + 'a');
  return properties.find(letter) != std::string_view::npos ||
         properties.find(lower) != std::string_view::npos;
}

}  // namespace

FontStyle fontStyle(const FontSpec& spec) {
  FontStyle style;
  style.bold = has(spec.properties, 'B');
  style.italic = has(spec.properties, 'I');
  style.underline = has(spec.properties, 'U');
  style.fixedPitch = !has(spec.properties, 'V');
  style.narrow = nameKey(spec.face).find("NARROW") != std::string::npos;
  return style;
}

}  // namespace ui::toolkit
