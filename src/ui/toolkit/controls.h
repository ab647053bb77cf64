// Creating the controls of the form being designed. EZ_COLOR, EZ_USEFONT, EZ_USEIFONT and
// EZ_SETLAYER apply to every control created after them, until they are called again.
//
// Property letters by kind:
//   label        "C" centred, "R" right-aligned (otherwise left)
//   text box     "M" several lines (wrapped), "E" read-only display
//   list box     "M" several items selectable (a click toggles), "A" kept sorted (letter case ignored)
//   list view    the text is the column spec "Title{width}|Title{width}", widths in columns
//   combo box    the height is that of the open drop-down list
// Other letters are accepted and change nothing.
#pragma once

#include <cstdint>
#include <string_view>

namespace ui::toolkit {

void EZ_COLOR(int32_t textColour, int32_t backColour);
void EZ_USEFONT(int32_t font);
void EZ_USEIFONT(std::string_view face, double points, std::string_view properties);
void EZ_SETLAYER(int32_t layer);

void EZ_LABEL(int32_t id, double column, double row, double width, double height, std::string_view text,
              std::string_view properties);
void EZ_TEXT(int32_t id, double column, double row, double width, double height, std::string_view text,
             std::string_view properties);
void EZ_ODBUTTON(int32_t id, double column, double row, double width, double height, std::string_view text,
                 std::string_view properties);
void EZ_LISTBOX(int32_t id, double column, double row, double width, double height, std::string_view text,
                std::string_view properties);
void EZ_ODLISTBOX(int32_t id, double column, double row, double width, double height, std::string_view text,
                  std::string_view properties);
void EZ_COMBOBOX(int32_t id, double column, double row, double width, double height, std::string_view text,
                 std::string_view properties);
void EZ_LISTVIEW(int32_t id, double column, double row, double width, double height, std::string_view columns,
                 std::string_view properties);
void EZ_PROGRESSBAR(int32_t id, double column, double row, double width, double height, std::string_view text,
                    std::string_view properties = "");

// A new place and size for a control of a live form, in character units (not for a combo box, whose
// height is that of its open list).
void placeControl(std::string_view form, int32_t id, double column, double row, double width, double height);

}  // namespace ui::toolkit
