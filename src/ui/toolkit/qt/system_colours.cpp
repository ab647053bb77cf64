#include <QApplication>
#include <QPalette>

#include "ui/toolkit/palette_colours.h"
#include "ui/toolkit/qt/qt_types.h"

namespace ui::toolkit {

namespace {

QColor paletteSystemColour(int32_t systemIndex) {
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

}  // namespace

Rgb systemColour(int32_t systemIndex) {
  return rgbOf(paletteSystemColour(systemIndex));
}

}  // namespace ui::toolkit
