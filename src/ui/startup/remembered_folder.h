// The last game folder the wizard started in, kept in the wizard's own settings file
// ("$XDG_CONFIG_HOME/zor-wizard/wizard.cnf", else "~/.config/zor-wizard/wizard.cnf"; on Windows
// "%APPDATA%\zor-wizard\wizard.cnf"), so that a start from a desktop menu, in the home folder, finds
// the game again.
#pragma once

#include <string>
#include <string_view>

namespace ui::startup {

// The settings file; "" when the environment names no home.
std::string wizardSettingsFile();
// The folder remembered; "" when none is (or the settings file cannot be read).
std::string rememberedGameFolder();
// Remembers `folder` (an absolute path in the file system's bytes). A failure only loses the memory.
void rememberGameFolder(std::string_view folder);

}  // namespace ui::startup
