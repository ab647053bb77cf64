// The Win32 windows behind the toolkit's records (state.h): a form's top-level window and a
// control's child window, whose control id is the program's id; and the device context of an
// owner-draw event.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/toolkit/file_drops.h"
#include "ui/toolkit/fonts.h"
#include "ui/toolkit/palette.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/win32/win32.h"

namespace ui::toolkit {

// Messages a form posts to itself.
inline constexpr UINT kStartedMessage = WM_APP + 1;  // raise the started event
inline constexpr UINT kDestroyMessage = WM_APP + 2;  // the window of an unloaded form goes
inline constexpr UINT kDropMessage = WM_APP + 3;     // hand dropped files to the handler

struct NativeForm {
  HWND window = nullptr;
  HWND lastFocus = nullptr;  // the control that gets the focus back when the window is activated
  HBRUSH background = nullptr;
  FileDropHandler drops;
  ~NativeForm();
};

struct NativeControl {
  HWND window = nullptr;
  HFONT font = nullptr;  // shared through the font cache
  FontSpec fontSpec;
  std::optional<Rgb> ink;
  std::optional<Rgb> ground;
  HBRUSH groundBrush = nullptr;
  bool focusable = true;
  bool quiet = false;  // the program is changing the control: no change events
  std::string accessibleName;
  ~NativeControl();
};

struct DrawSurface {
  HDC dc = nullptr;
  HWND window = nullptr;
};

// nullptr when the record has no window (any more).
HWND windowOf(const FormRecord& form);
HWND windowOf(const ControlRecord& control);

// The window of a live form's control; id 0 is the form's window.
HWND controlWindow(std::string_view form, int32_t id);
// The form whose window `window` is, or lies inside of.
FormRecord* formOf(HWND window);
// The control that `window` is, or lies inside of (a combo box's edit and list).
ControlRecord* controlOf(const FormRecord& form, HWND window);

// The resolution of the monitor the program's windows are on, once Windows has said it changed
// (WM_DPICHANGED); 0 until then and again when the last form's window has gone: the system's holds.
int& monitorDotsPerInch();

// Takes back the name showAccessibleName gave the control's window, before the window goes.
void forgetAccessibleName(ControlRecord& control);

// Registers one of the program's window classes, on the face colour, with the program's icon.
ATOM registerWindowClass(const wchar_t* name, WNDPROC procedure, const wchar_t* cursor, UINT style = 0);
// The font of the system's message boxes, made once; dialogs of our own use it too.
HFONT messageFont();

COLORREF colourRef(Rgb colour);
Rgb rgbOf(COLORREF colour);

// The form's inner area on the screen, in pixels.
Rect innerArea(HWND window);

// The control's window when it is to be changed by the program: no change events until it goes.
class QuietChange {
 public:
  explicit QuietChange(ControlRecord& control);
  ~QuietChange();
  QuietChange(const QuietChange&) = delete;
  QuietChange& operator=(const QuietChange&) = delete;

 private:
  NativeControl& native_;
  bool was_;
};

}  // namespace ui::toolkit
