// The dialogs Windows has no ready box for (a line of text to enter, a message with a detail area):
// a window of static texts, an edit and buttons, run modally over its owner.
#pragma once

#include <string>
#include <vector>

#include "ui/toolkit/win32/win32.h"

namespace ui::toolkit {

struct ModalDialog {
  HWND window = nullptr;
  HWND edit = nullptr;
  std::vector<HWND> buttons;  // control ids 100, 101, ...
  int defaultButton = 0;
  int pressed = -1;  // the button pressed; -1: closed without one
  ~ModalDialog();
};

inline constexpr int kFirstButtonId = 100;

// A dialog of `width` by `height` pixels (inner area) over `owner`, not shown yet.
void createModalDialog(ModalDialog& dialog, HWND owner, const std::wstring& title, int width, int height);
HWND addChild(ModalDialog& dialog, const wchar_t* windowClass, const std::wstring& text, DWORD style, RECT area,
              int id = 0, DWORD extendedStyle = 0);
// Shows the dialog and handles its events until a button is pressed or it is closed; the owner takes
// no input meanwhile. Closing it presses `escapeButton`.
void runModalDialog(ModalDialog& dialog, HWND owner, int escapeButton);

}  // namespace ui::toolkit
