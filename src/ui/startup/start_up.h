// The wizard's entry and start-up: the toolkit gets three callbacks, the start callback prepares
// fonts, colours, the private heap and the whole game database, and only then creates form "MAIN".
#pragma once

#include <cstdint>
#include <string>

namespace ui::startup {

// What the process was asked for besides the window system's own options.
struct StartRequest {
  bool folderGiven = false;   // -C: the game folder was named, so no other is tried in its place
  std::string missingFolder;  // the folder named with -C when it could not be entered
  std::string exportFile;     // an export named on the command line, opened once the window is up
};
StartRequest& startRequest();

// The exit code of a start that ends because the folder is no game folder and none was chosen.
inline constexpr int32_t kExitNoGameFolder = 1;

// Runs the wizard with the process's arguments; returns the toolkit's exit code.
int32_t WINMAIN(int& argc, char** argv);

// The toolkit's start callback.
void EZ_MAIN(int32_t& value);
// Returns nonzero when the window is to be created.
int32_t MAIN_INIT(int32_t& value);
// A game folder (the current directory, the last one, or one the user chooses), then version, title,
// private heap, database folder, the database itself and the button font; 1 = ready, 0 = no game.
int32_t INITPROG();

}  // namespace ui::startup
