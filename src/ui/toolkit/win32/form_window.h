// The window procedure of the forms: it turns the notifications of the controls into the toolkit's
// events, answers owner drawing, colours the controls and handles closing and dropped files.
#pragma once

#include "ui/toolkit/state.h"
#include "ui/toolkit/win32/win32.h"

namespace ui::toolkit {

// Registers the forms' window class once and returns its name.
const wchar_t* formClassName();

// Draws an owner-drawn button or list item through the program's owner-draw event (the plain look
// when the program draws nothing).
void drawOwnerItem(FormRecord& form, ControlRecord& control, const DRAWITEMSTRUCT& item);
// Asks the program once for the item height of an owner-drawn list.
void ensureItemHeight(FormRecord& form, ControlRecord& control);
// Lays the form's controls out again for a monitor of `dotsPerInch`: places and fonts from the
// layout units, list columns and item heights scaled.
void relayoutForResolution(FormRecord& form, int dotsPerInch);
// Forgets the monitor's resolution when no form's window but `going` is left.
void forgetResolutionUnlessShown(HWND going);

}  // namespace ui::toolkit
