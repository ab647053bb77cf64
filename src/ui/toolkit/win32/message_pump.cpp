#include "ui/toolkit/win32/message_pump.h"

#include "ui/toolkit/state.h"
#include "ui/toolkit/win32/native.h"

namespace ui::toolkit {

UINT virtualKey(Key key) {
  const auto value = static_cast<int32_t>(key);
  if (value >= static_cast<int32_t>(Key::F1) && value <= static_cast<int32_t>(Key::F24))
    return VK_F1 + static_cast<UINT>(value - static_cast<int32_t>(Key::F1));
  switch (key) {
    case Key::Up:
      return VK_UP;
    case Key::Down:
      return VK_DOWN;
    case Key::Left:
      return VK_LEFT;
    case Key::Right:
      return VK_RIGHT;
    case Key::Home:
      return VK_HOME;
    case Key::End:
      return VK_END;
    case Key::PageUp:
      return VK_PRIOR;
    case Key::PageDown:
      return VK_NEXT;
    case Key::Insert:
      return VK_INSERT;
    case Key::Delete:
      return VK_DELETE;
    case Key::Tab:
      return VK_TAB;
    case Key::Enter:
      return VK_RETURN;
    case Key::Escape:
      return VK_ESCAPE;
    case Key::Space:
      return VK_SPACE;
    case Key::Backspace:
      return VK_BACK;
    default:
      // Letters and digits are their characters in both.
      return static_cast<UINT>(value);
  }
}

KeyModifiers heldModifiers() {
  KeyModifiers modifiers = kNoModifier;
  if (GetKeyState(VK_SHIFT) < 0) modifiers |= kShiftKey;
  if (GetKeyState(VK_CONTROL) < 0) modifiers |= kControlKey;
  if (GetKeyState(VK_MENU) < 0) modifiers |= kAltKey;
  return modifiers;
}

bool raiseAccelerator(const MSG& message, KeyModifiers modifiers) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  FormRecord* form = formOf(message.hwnd);
  if (form == nullptr || form->accelerators.empty()) return false;
  for (const Accelerator& accelerator : form->accelerators) {
    if (virtualKey(accelerator.key) == message.wParam && accelerator.modifiers == modifiers) {
      raiseEvent(*form, accelerator.id, kEventClick, 0);
      return true;
    }
  }
  return false;
}

void handleMessage(MSG& message) {
  if (raiseAccelerator(message, heldModifiers())) return;
  if (FormRecord* form = formOf(message.hwnd)) {
    // Enter and Escape would press the controls with the ids 1 and 2 (Quit is 2): they stay with the
    // control that has the focus.
    const bool enterOrEscape = message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
    HWND window = windowOf(*form);
    if (!enterOrEscape && window != nullptr && IsDialogMessageW(window, &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace ui::toolkit
