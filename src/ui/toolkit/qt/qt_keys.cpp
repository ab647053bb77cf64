#include "ui/toolkit/qt/qt_types.h"

namespace ui::toolkit {

Qt::Key qtKey(Key key) {
  const auto value = static_cast<int32_t>(key);
  if (value >= static_cast<int32_t>(Key::F1) && value <= static_cast<int32_t>(Key::F24))
    return static_cast<Qt::Key>(Qt::Key_F1 + value - static_cast<int32_t>(Key::F1));
  switch (key) {
    case Key::Up:
      return Qt::Key_Up;
    case Key::Down:
      return Qt::Key_Down;
    case Key::Left:
      return Qt::Key_Left;
    case Key::Right:
      return Qt::Key_Right;
    case Key::Home:
      return Qt::Key_Home;
    case Key::End:
      return Qt::Key_End;
    case Key::PageUp:
      return Qt::Key_PageUp;
    case Key::PageDown:
      return Qt::Key_PageDown;
    case Key::Insert:
      return Qt::Key_Insert;
    case Key::Delete:
      return Qt::Key_Delete;
    case Key::Tab:
      return Qt::Key_Tab;
    case Key::Enter:
      return Qt::Key_Return;
    case Key::Escape:
      return Qt::Key_Escape;
    case Key::Space:
      return Qt::Key_Space;
    case Key::Backspace:
      return Qt::Key_Backspace;
    default:
      // Letters and digits are their characters in both.
      return static_cast<Qt::Key>(value);
  }
}

Qt::KeyboardModifiers qtModifiers(KeyModifiers modifiers) {
  Qt::KeyboardModifiers qt;
  if ((modifiers & kShiftKey) != 0) qt |= Qt::ShiftModifier;
  if ((modifiers & kControlKey) != 0) qt |= Qt::ControlModifier;
  if ((modifiers & kAltKey) != 0) qt |= Qt::AltModifier;
  return qt;
}

}  // namespace ui::toolkit
