// Whether a folder is a game folder at all: one that holds a "data" folder with at least one of the
// game's record files in it. Anything else (a home folder, a download folder) is told apart before
// the program reads or writes anything there.
#pragma once

#include <string_view>

namespace db {

enum class GameFolderState {
  Game,
  NoDataFolder,   // there is no "data" folder
  NoRecordFiles,  // the "data" folder holds none of the record files
};

GameFolderState examineGameFolder(std::string_view gameFolder);

}  // namespace db
