// Before anything is read: the wizard runs in a game folder, or in none. A folder that is no game
// is said once, with the offer to choose the game's folder; a start without a folder of its own
// (no -C) goes to the last game folder first.
#pragma once

namespace ui::startup {

struct StartRequest;

// Makes the current directory a game folder. False when it is none and the user chose none: the
// program then ends without touching any folder.
bool settleGameFolder(const StartRequest& request);

}  // namespace ui::startup
