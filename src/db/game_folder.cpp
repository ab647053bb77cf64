#include "db/game_folder.h"

#include <string>

#include "db/database_guard.h"
#include "db/load_database.h"
#include "db/load_report.h"
#include "platform/files.h"

namespace db {

GameFolderState examineGameFolder(std::string_view gameFolder) {
  if (!platform::folderExists(dataFolder(gameFolder))) return GameFolderState::NoDataFolder;
  for (int32_t kindBit = kLoadWrestlers; kindBit <= kLoadGimmicks; kindBit <<= 1) {
    if (platform::fileExists(kindFilePath(gameFolder, kindBit))) return GameFolderState::Game;
  }
  return GameFolderState::NoRecordFiles;
}

}  // namespace db
