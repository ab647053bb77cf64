// Looking into the toolkit from tests: the state of a control as the user would see it, events
// injected as if the user had caused them, and painting on demand.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/geometry.h"
#include "ui/toolkit/keys.h"
#include "ui/toolkit/palette.h"
#include "ui/toolkit/state.h"

namespace ui::toolkit {

struct ControlState {
  bool exists = false;
  ControlKind kind = ControlKind::Label;
  int32_t layer = 0;
  std::string text;                            // caption, text, or a combo box's chosen item
  std::vector<std::string> items;              // items of a list or combo box, column 0 of a list view's rows
  std::vector<std::vector<std::string>> rows;  // every column of a list view's rows
  std::vector<int32_t> selected;               // selected items or rows
  int32_t current = -1;                        // focused item, chosen combo item
  bool enabled = false;
  bool visible = false;  // shown and inside the form's visible area
  bool focused = false;
  bool focusable = false;                             // takes the focus at all (by click or Tab)
  bool tabStop = false;                               // Tab stops at it
  bool multiLine = false;                             // a text box of several lines
  bool readOnly = false;                              // a text box that takes no typing
  double column = 0, row = 0, width = 0, height = 0;  // as placed, in character units
  std::string accessibleName;
  Rgb textColour;  // as the palette shows them
  Rgb backColour;
  std::string fontFamily;
  double fontPoints = 0;
  bool fontBold = false;
  DrawnStyle lastDrawn;
  int32_t progress = 0, progressLow = 0, progressHigh = 0;
};

ControlState controlState(std::string_view form, int32_t id);

// Raises an event exactly as the toolkit would; returns the cancel flag.
int32_t injectEvent(std::string_view form, int32_t id, int32_t code, int32_t value);
// Clicks a button as the user would (the click reaches the program through the button).
void clickButton(std::string_view form, int32_t id);
// Double-clicks an item of a list or a row of a list view with the mouse on it.
void doubleClickItem(std::string_view form, int32_t id, int32_t index);
// Drags local files over the form and drops them on a control (0: the form itself), as a file
// manager does. Returns whether the form took the drop; the program hears of it once events run.
bool dropFiles(std::string_view form, const std::vector<std::string>& paths, int32_t id = 0);
// Presses a key in the control that has the focus (or the form).
void pressKey(std::string_view form, Key key, KeyModifiers modifiers);
// Paints the whole form at once, owner-drawn parts included.
void paintForm(std::string_view form);
// The controls Tab goes through from control `id` until it comes round again: those shown that Tab
// stops at, in order.
std::vector<int32_t> tabRound(std::string_view form, int32_t id);
// Gives a control the keyboard focus.
void focusControl(std::string_view form, int32_t id);
// Closes the form's window as the user would with its close button.
void closeWindow(std::string_view form);
// Lets the window handle every event that waits, input included.
void handlePendingEvents();

// The screen area the forms are kept within, instead of the real screen's; nothing: the real one.
void setScreenArea(std::optional<Rect> area);

// liveFormCount() (state.h) tells how many forms are up.
// Takes every form down without events and forgets the callbacks, fonts and colours.
void resetToolkit();

}  // namespace ui::toolkit
