// The toolkit's plain types (colours, rectangles, keys) as Qt's, and back.
#pragma once

#include <QColor>
#include <QRect>
#include <Qt>
#include <cstdint>
#include <optional>

#include "ui/toolkit/geometry.h"
#include "ui/toolkit/keys.h"
#include "ui/toolkit/palette.h"
#include "ui/toolkit/palette_colours.h"

namespace ui::toolkit {

inline QColor qtColour(Rgb colour) {
  return QColor(colour.r, colour.g, colour.b);
}
inline Rgb rgbOf(const QColor& colour) {
  return Rgb{static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
             static_cast<uint8_t>(colour.blue())};
}

// The colour of a palette number; nothing for -1 or a number that is not defined.
inline std::optional<QColor> qtColourOf(int32_t number) {
  const std::optional<Rgb> colour = paletteColour(number);
  return colour ? std::optional<QColor>(qtColour(*colour)) : std::nullopt;
}

inline QRect qtRect(const Rect& rect) {
  return QRect(rect.x, rect.y, rect.width, rect.height);
}
inline Rect rectOf(const QRect& rect) {
  return Rect{rect.x(), rect.y(), rect.width(), rect.height()};
}

Qt::Key qtKey(Key key);
Qt::KeyboardModifiers qtModifiers(KeyModifiers modifiers);

}  // namespace ui::toolkit
