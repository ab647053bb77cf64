// Whether a folder is a game folder at all: one that holds a "data" folder with at least one of the
// game's record files in it. Anything else (a home folder, a download folder) is told apart before
// the program reads or writes anything there. A game folder that cannot be written to (a read-only
// disk, a game under Program Files run without administrator rights) is told apart too: its exports
// can be looked at, but nothing can be imported into it.
#pragma once

#include <string>
#include <string_view>

namespace db {

enum class GameFolderState {
  Game,
  NoDataFolder,   // there is no "data" folder
  NoRecordFiles,  // the "data" folder holds none of the record files
};

GameFolderState examineGameFolder(std::string_view gameFolder);

// Whether files can be created in the game folder (the settings file, the object import's staging
// file) and in its data folder (everything an import writes).
bool gameFolderWritable(std::string_view gameFolder);

// What the user is told once at the start about a game folder that cannot be written to, naming it.
std::string unwritableFolderNote(std::string_view gameFolder);
// Why a change of such a folder is refused, naming it.
std::string unwritableFolderRefusal(std::string_view gameFolder);

}  // namespace db
