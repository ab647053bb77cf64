// Folders that belong to the user rather than to the game.
#pragma once

#include <string>

namespace platform {

// Where programs keep this user's settings: $XDG_CONFIG_HOME, else ~/.config, on POSIX systems;
// %APPDATA% on Windows. "" when the environment names none.
std::string userSettingsFolder();

}  // namespace platform
