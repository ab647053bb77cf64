// Forms: top-level windows addressed by name ("{ME}" is the form of the event being handled; names
// are compared upper-cased). Property letters: "C" centred on the screen, "K" fixed size.
#pragma once

#include <cstdint>
#include <string_view>

namespace ui::toolkit {

// Creates and shows a form: loading event (when switched on), design callback, loaded event,
// window shown, then the started event from the message loop.
void EZ_FORM(std::string_view name, std::string_view parent, std::string_view caption, double column,
             double row, double width, double height, std::string_view properties, int32_t textColour,
             int32_t backColour);
// Raises the closing event and takes the form down; the loop ends with the last form.
void EZ_UNLOADFORM(std::string_view form);

// Shows the controls of `layer` and hides those of every other layer except 0, which always shows.
void EZ_DISPLAYLAYER(std::string_view form, int32_t layer, int32_t flags);
// New place and size of the form's inner area; `flag` is accepted and has no further effect. A form
// that would then reach past an edge of its screen is moved back onto it, and made smaller when it is
// larger than the screen: EZ_GETPOS tells where it is.
void EZ_RESIZEFORM(std::string_view form, double column, double row, double width, double height,
                   int32_t flag);
// Place and size in character units: of the form's inner area on the screen (id 0), or of a
// control inside its form.
void EZ_GETPOS(std::string_view form, int32_t id, double& column, double& row, double& width, double& height);

// An opaque handle of the form's window (id 0) or of a control; 0 when there is none.
intptr_t EZ_HANDLE(std::string_view form, int32_t id);
// Brings the window of a handle to the front and gives it the keyboard.
void SetForegroundWindow(intptr_t handle);

}  // namespace ui::toolkit
