#include "db/game_folder.h"

#include "db/database_guard.h"
#include "db/load_database.h"
#include "db/load_report.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace db {
namespace {

constexpr std::string_view kUntilWritable =
    "until the folder can be written to (on Windows: move the game out of Program Files, or run the program "
    "as administrator).";

// "The game folder "<folder>" cannot be written to.", the folder named whole and as it reads.
std::string cannotBeWritten(std::string_view gameFolder) {
  const std::string folder = gameFolder == "." ? platform::currentDirectory() : std::string(gameFolder);
  return "The game folder \"" + platform::pathForDisplay(folder) + "\" cannot be written to.";
}

}  // namespace

GameFolderState examineGameFolder(std::string_view gameFolder) {
  if (!platform::folderExists(dataFolder(gameFolder))) return GameFolderState::NoDataFolder;
  for (int32_t kindBit = kLoadWrestlers; kindBit <= kLoadGimmicks; kindBit <<= 1) {
    if (platform::fileExists(kindFilePath(gameFolder, kindBit))) return GameFolderState::Game;
  }
  return GameFolderState::NoRecordFiles;
}

bool gameFolderWritable(std::string_view gameFolder) {
  return platform::folderWritable(gameFolder) && platform::folderWritable(dataFolder(gameFolder));
}

std::string unwritableFolderNote(std::string_view gameFolder) {
  return cannotBeWritten(gameFolder) + " Exports can be looked at, but nothing can be imported " +
         std::string(kUntilWritable);
}

std::string unwritableFolderRefusal(std::string_view gameFolder) {
  return cannotBeWritten(gameFolder) + " Nothing can be imported or undone " + std::string(kUntilWritable);
}

}  // namespace db
