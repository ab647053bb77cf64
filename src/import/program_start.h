// The start and the end that both front ends share: the program's values, the private heap, the
// repair of a change an earlier run left unfinished, and the load of the game database.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "db/game_folder.h"

namespace imports {

struct StartOptions {
  bool repair = true;  // finish or undo an interrupted change of the game folder first
  bool load = true;    // load the whole database into the process-wide catalogue
};

struct StartResult {
  // Anything but Game: nothing was repaired or loaded, and nothing was written to the folder.
  db::GameFolderState folder = db::GameFolderState::Game;
  std::string message;  // why the folder is no game folder, naming it; "" for a game folder
  // For a game folder that cannot be written to, what the front end tells the user once: the
  // database is loaded and exports can be looked at, but every import will be refused. "" otherwise.
  std::string readOnlyNote;
};

// Told what the repair found and did, before the load, when there is something to tell.
using TellRepair = std::function<void(std::string_view message)>;

// Stores the version marker and the title, opens the private heap, takes "." as the database folder,
// then, when the current directory is a game folder, repairs and loads as asked. A folder that cannot
// be written to is loaded without the repair, which could not change it.
StartResult startProgram(const StartOptions& options, const TellRepair& tell);
// "\"<folder>\" is not a ZOR 7 SE game folder: ..." for the current directory; the front end adds
// what to do.
std::string notAGameFolderText(db::GameFolderState state);
// Releases the catalogue and the incoming records, closes every file and ends the private heap.
void endProgram();

}  // namespace imports
