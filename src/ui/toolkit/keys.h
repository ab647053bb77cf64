// Keys of the keyboard as the toolkit names them: a letter or digit is its character; the other
// keys have their own values. Each back end maps them to its system's key codes.
#pragma once

#include <cstdint>

namespace ui::toolkit {

enum class Key : int32_t {
  // clang-format off
  Digit0 = '0', Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
  A = 'A', B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
  // clang-format on
  Up = 0x100,
  Down,
  Left,
  Right,
  Home,
  End,
  PageUp,
  PageDown,
  Insert,
  Delete,
  Tab,
  Enter,
  Escape,
  Space,
  Backspace,
  F1 = 0x200,  // F1 to F24 follow one another
  F24 = F1 + 23,
};

// The keys held down with a key, as bits.
using KeyModifiers = uint32_t;
inline constexpr KeyModifiers kNoModifier = 0;
inline constexpr KeyModifiers kShiftKey = 1;
inline constexpr KeyModifiers kControlKey = 2;
inline constexpr KeyModifiers kAltKey = 4;

}  // namespace ui::toolkit
