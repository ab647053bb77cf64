// The wizard's entry and start-up: the toolkit gets three callbacks, the start callback prepares
// fonts, colours, the private heap and the whole game database, and only then creates form "MAIN".
#pragma once

#include <cstdint>

namespace ui::startup {

// Runs the wizard with the process's arguments; returns the toolkit's exit code.
int32_t WINMAIN(int& argc, char** argv);

// The toolkit's start callback.
void EZ_MAIN(int32_t& value);
// Returns nonzero when the window is to be created.
int32_t MAIN_INIT(int32_t& value);
// Version, title, private heap, database folder, the database itself and the button font; 1 = ready.
int32_t INITPROG();

}  // namespace ui::startup
