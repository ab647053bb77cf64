// What controls hold and show. Items, rows and columns are counted from 0. Texts are Windows-1252;
// multi-line text boxes separate lines with CR LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ui::toolkit {

// Id 0 is the form's caption. A combo box takes the item of that text, if any.
void EZ_SETTEXT(std::string_view form, int32_t id, std::string_view text);
// A list's focused item, a combo box's chosen item ("" when none).
std::string EZ_GETTEXT(std::string_view form, int32_t id);

void EZ_CLEAR(std::string_view form, int32_t id);
// Items separated by "|" (an empty text adds none). A sorted list puts each in its place; the
// chosen item of a combo box stays as it was.
void EZ_ADDITEMS(std::string_view form, int32_t id, std::string_view items);
// Chooses one item: the combo box's item, the list's focused and selected item, the list view's row.
void EZ_SELECTITEM(std::string_view form, int32_t id, int32_t index);
std::string EZ_GETITEMTEXT(std::string_view form, int32_t id, int32_t index);
int32_t EZ_GETSELECT(std::string_view form, int32_t id, int32_t index);
// Selects (1) or deselects (0) one item without moving the focus or scrolling.
void EZ_SETSELECT(std::string_view form, int32_t id, int32_t index, int32_t state);

// "ICount" item count, "IFocus" focused item (-1 none), "TIndex" top visible item. Setting the
// focused item neither changes the selection nor scrolls. Other names read 0 and set nothing.
int32_t EZ_GETATTR(std::string_view form, int32_t id, std::string_view attribute);
void EZ_SETATTR(std::string_view form, int32_t id, std::string_view attribute, int32_t value);

// Adds a row whose column 0 is `text` at `row` (at the end when out of range) and returns its index.
int32_t EZ_ADDLVITEM(std::string_view form, int32_t id, std::string_view text, int32_t row = -1);
void EZ_SETLVITEM(std::string_view form, int32_t id, int32_t row, int32_t column, std::string_view text);
std::string EZ_GETLVITEMTEXT(std::string_view form, int32_t id, int32_t row, int32_t column);
// A number kept with a row (0 until set).
void EZ_SETLVLONG(std::string_view form, int32_t id, int32_t row, int32_t value);
int32_t EZ_GETLVLONG(std::string_view form, int32_t id, int32_t row);
// Sorts the rows by the text of `column`, letter case ignored, equal texts keeping their order;
// descending when `descending` is nonzero.
void EZ_SORTLV(std::string_view form, int32_t id, int32_t column, int32_t descending = 0);

// Switches the painting of the whole form off (0) or on again (nonzero).
void EZ_SETREDRAWSTATE(std::string_view form, int32_t state);
void EZ_REDRAWFORM(std::string_view form);
void EZ_REDRAWCONTROL(std::string_view form, int32_t id);

void EZ_ENABLEC(std::string_view form, int32_t id);
void EZ_DISABLEC(std::string_view form, int32_t id);

void EZ_SETPBAR(std::string_view form, int32_t id, int32_t position, int32_t low, int32_t high);

// The id of the control that has (or, in a window in the background, will get) the keyboard focus;
// 0 when none.
int32_t EZ_GETFOCUSID(std::string_view form);

}  // namespace ui::toolkit
