// What the toolkit's shared code asks of its back end (qt/ or win32/), beside the functions of the
// interface headers that the back end implements. Each back end defines all of it, and the structs
// NativeForm, NativeControl (state.h) and DrawSurface (owner_draw_context.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/toolkit/geometry.h"

namespace ui::toolkit {

struct FormRecord;
struct ControlRecord;

// The logical resolution of the primary screen in dots per inch; 0 when there is no screen.
double screenDotsPerInch();

// Whether the form's window is there (it goes some time after the form is unloaded).
bool hasWindow(const FormRecord& form);
// Hides an unloaded form's window; the window itself goes once the current event is over (it may
// be handling the event that unloaded it).
void hideAndDestroyLater(FormRecord& form);
// Ends the running message loop with `code`.
void endGuiLoop(int32_t code);
// Takes away the window of a control that another of the same id replaced.
void destroyControlWindow(ControlRecord& control);
// Shows or hides a control of a layer; nothing when it has no window.
void showControl(ControlRecord& control, bool shown);

// Closes a form's window as the user's close would, once the current event is over (the closing
// event may still cancel it).
void closeWhenIdle(FormRecord& form);

// For tests that start afresh: takes the form's window away at once, and drops the events still
// waiting for windows that went.
void destroyWindowNow(FormRecord& form);
void dropPendingEvents();

// Saves the picture of the form's inner area, as it shows, to a PNG file; false when it could not.
bool saveFormImage(const FormRecord& form, const std::string& path);

// Where a control shows inside its form, in pixels; nothing when it has no window.
std::optional<Rect> shownArea(const ControlRecord& control);
// The text a label shows; nothing when it has no window.
std::optional<std::string> shownText(const ControlRecord& control);
// Gives a control the name assistive technologies read; false when it has no window.
bool showAccessibleName(ControlRecord& control, std::string_view name);

}  // namespace ui::toolkit
