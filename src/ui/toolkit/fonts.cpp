#include "ui/toolkit/fonts.h"

#include "ui/toolkit/state.h"

namespace ui::toolkit {

namespace {

FontSpec builtInFont(int32_t number) {
  switch (number) {
    case 1:
      return {"Courier New", 10, ""};
    case 2:
      return {"Arial", 8, "V"};
    case 3:
      return {"Arial", 9, "BV"};
    case 4:
      return {"Arial", 9, "V"};
    case 5:
      return {"Times New Roman", 10, "V"};
    default:
      return {"Arial", 9, "V"};
  }
}

}  // namespace

void EZ_DEFFONT(int32_t number, std::string_view face, double points, std::string_view properties) {
  toolkit().fonts[number] = FontSpec{std::string(face), points, std::string(properties)};
}

void EZ_FREEFONT(int32_t number) {
  toolkit().fonts.erase(number);
}

std::optional<FontSpec> fontSpec(int32_t number) {
  const auto& defined = toolkit().fonts;
  auto found = defined.find(number);
  if (found != defined.end()) return found->second;
  if (number >= 0 && number <= 5) return builtInFont(number);
  return std::nullopt;
}

}  // namespace ui::toolkit
