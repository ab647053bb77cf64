#include "ui/toolkit/palette_colours.h"

#include <QApplication>
#include <QPalette>

#include "ui/toolkit/state.h"

namespace ui::toolkit {

namespace {

// 0-15 are the sixteen classic console colours; 16-31 are darker shades for text on light ground
// and pale tints for list and button backgrounds.
constexpr QRgb kBuiltIn[kBuiltInColours] = {
    qRgb(0, 0, 0),        // 0 black
    qRgb(0, 0, 128),      // 1 navy
    qRgb(0, 128, 0),      // 2 green
    qRgb(0, 128, 128),    // 3 teal
    qRgb(128, 0, 0),      // 4 maroon
    qRgb(128, 0, 128),    // 5 purple
    qRgb(128, 128, 0),    // 6 olive
    qRgb(192, 192, 192),  // 7 silver
    qRgb(128, 128, 128),  // 8 grey
    qRgb(0, 0, 255),      // 9 blue
    qRgb(0, 255, 0),      // 10 lime
    qRgb(0, 255, 255),    // 11 cyan
    qRgb(255, 0, 0),      // 12 red
    qRgb(255, 0, 255),    // 13 magenta
    qRgb(255, 255, 0),    // 14 yellow
    qRgb(255, 255, 255),  // 15 white
    qRgb(64, 64, 64),     // 16 charcoal
    qRgb(0, 64, 128),     // 17 steel blue
    qRgb(0, 96, 48),      // 18 forest green
    qRgb(128, 32, 32),    // 19 brick
    qRgb(255, 128, 0),    // 20 orange
    qRgb(128, 64, 0),     // 21 brown
    qRgb(255, 255, 192),  // 22 cream
    qRgb(255, 200, 200),  // 23 rose
    qRgb(200, 240, 200),  // 24 pale green
    qRgb(216, 236, 255),  // 25 ice blue
    qRgb(255, 224, 160),  // 26 apricot
    qRgb(204, 224, 255),  // 27 light blue
    qRgb(255, 214, 232),  // 28 light pink
    qRgb(224, 224, 224),  // 29 light grey
    qRgb(214, 248, 214),  // 30 mint
    qRgb(236, 233, 216),  // 31 button face
};

}  // namespace

std::optional<QColor> paletteColour(int32_t number) {
  if (number < 0) return std::nullopt;
  if (number < kBuiltInColours) return QColor(kBuiltIn[number]);
  const auto& defined = toolkit().colours;
  auto found = defined.find(number);
  if (found == defined.end()) return std::nullopt;
  return found->second;
}

QColor systemColour(int32_t systemIndex) {
  const QPalette palette = QApplication::palette();
  switch (systemIndex) {
    case 0:   // scroll bar
    case 12:  // application workspace
      return palette.color(QPalette::Mid);
    case 1:  // desktop
    case 2:  // active caption
      return palette.color(QPalette::Highlight);
    case 3:  // inactive caption
      return palette.color(QPalette::Inactive, QPalette::Highlight);
    case 4:   // menu
    case 15:  // button face
      return palette.color(QPalette::Button);
    case 5:  // window
      return palette.color(QPalette::Base);
    case 6:   // window frame
    case 21:  // 3-D dark shadow
      return palette.color(QPalette::Shadow);
    case 7:  // menu text
    case 8:  // window text
      return palette.color(QPalette::Text);
    case 9:   // caption text
    case 14:  // highlighted text
      return palette.color(QPalette::HighlightedText);
    case 10:  // active border
    case 11:  // inactive border
      return palette.color(QPalette::Window);
    case 13:  // highlight
      return palette.color(QPalette::Highlight);
    case 16:  // button shadow
      return palette.color(QPalette::Dark);
    case 17:  // grey text
      return palette.color(QPalette::Disabled, QPalette::Text);
    case 18:  // button text
      return palette.color(QPalette::ButtonText);
    case 19:  // inactive caption text
      return palette.color(QPalette::Inactive, QPalette::HighlightedText);
    case 20:  // button highlight
      return palette.color(QPalette::Light);
    case 22:  // 3-D light
      return palette.color(QPalette::Midlight);
    case 23:  // tooltip text
      return palette.color(QPalette::ToolTipText);
    case 24:  // tooltip background
      return palette.color(QPalette::ToolTipBase);
    case 26:  // hot-tracked item
      return palette.color(QPalette::Link);
    default:
      return palette.color(QPalette::Window);
  }
}

}  // namespace ui::toolkit
