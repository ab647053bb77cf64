// The help panel's text: the five steps, one line per entry.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

inline constexpr std::array<std::string_view, 26> kHelpLines = {
    "STEP 1",
    "Click \"Open Export File\" and select an export file to open.",
    "",
    "STEP 2",
    "Select the wrestlers you wish to import on the left.",
    "",
    "By default, all wrestlers not already in your database will be selected. After the cursor is in the "
    "list of wrestlers, you can use the following hotkeys:",
    "",
    "CTRL+A selects all wrestlers,",
    "CTRL+N selects none,",
    "CTRL+I inverts your selection. ",
    "CTRL+DOWN selects all wrestlers from the current one downwards,",
    "CTRL+UP selects all wrestlers from the current one upwards.",
    "CTRL+SHIFT+DOWN deselects all wrestlers from the current one downwards, ",
    "CTRL+SHIFT+UP deselects all wrestlers from the current one upwards.",
    "",
    "STEP 3",
    "Click \"Parse Selection\". This will reduce the moves, dives, managers and tag teams to the minimal set "
    "you need to import for the wrestlers you selected on the left to be importable.",
    "",
    "STEP 4",
    "If you wish to map a move or dive to be imported to an existing move or dive, select the existing move "
    "or dive from the appropriate drop-down list and then double-click the line with the move or dive you "
    "would like to replace.",
    "",
    "Should you wish to import a move but give it a different name, select \"Rename\" from the drop-down "
    "list and double-click the line with the move or dive you would like to rename. You will then be asked "
    "for its new name. Please enter the new name without an article - this will be added automatically.",
    "",
    "STEP 5",
    "Click \"Import File\" to import the selection.",
};

// The lines joined by CR LF, without one after the last.
std::string helpText();

// Writes the help text into the help panel.
void INITHELP();
// The Help button: shows or hides the help panel.
void MAIN_HELP(int32_t id, int32_t code, int32_t value, int32_t& cancel);

}  // namespace ui
