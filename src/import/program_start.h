// The start and the end that both front ends share: the program's values, the private heap, the
// repair of a change an earlier run left unfinished, and the load of the game database.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace imports {

struct StartOptions {
  bool repair = true;  // finish or undo an interrupted change of the game folder first
  bool load = true;    // load the whole database into the process-wide catalogue
};

// Told what the repair found and did, before the load, when there is something to tell.
using TellRepair = std::function<void(std::string_view message)>;

// Stores the version marker and the title, opens the private heap, takes "." as the database folder,
// then repairs and loads as asked.
void startProgram(const StartOptions& options, const TellRepair& tell);
// Releases the catalogue and the incoming records, closes every file and ends the private heap.
void endProgram();

}  // namespace imports
