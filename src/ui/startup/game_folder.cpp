#include "ui/startup/game_folder.h"

#include <string>

#include "db/game_folder.h"
#include "import/program_start.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "services/messages.h"
#include "services/program.h"
#include "ui/startup/remembered_folder.h"
#include "ui/startup/start_up.h"
#include "ui/toolkit/dialogs.h"

namespace ui::startup {

namespace {

bool isGame() {
  return db::examineGameFolder(".") == db::GameFolderState::Game;
}

// Changes to `folder` when it is a game folder; otherwise stays where it was.
bool enterGame(const std::string& folder) {
  platform::ErrorTrap trap;  // a folder that has gone is simply not taken
  const std::string previous = platform::currentDirectory();
  if (folder.empty() || !platform::changeDirectory(folder)) return false;
  if (isGame()) return true;
  platform::changeDirectory(previous);
  return false;
}

}  // namespace

bool settleGameFolder(const StartRequest& request) {
  std::string problem;
  if (!request.missingFolder.empty()) {
    problem = "The folder \"" + platform::pathForDisplay(request.missingFolder) + "\" cannot be opened.";
  } else if (isGame()) {
    return true;
  } else if (!request.folderGiven && enterGame(rememberedGameFolder())) {
    return true;
  }
  for (;;) {
    if (problem.empty()) problem = imports::notAGameFolderText(db::examineGameFolder("."));
    const std::string text = "{S}" + problem +
                             "\r\n\r\nThe wizard works on the folder the game is installed in, the one that "
                             "holds its \"data\" folder. Do you want to choose it now?";
    if (services::showMessageBox("", text, services::titleFromVersionMarker(services::kVersionMarker),
                                 "YN") != 1) {
      return false;
    }
    const std::string chosen =
        ui::toolkit::chooseFolder("Choose the game folder", platform::currentDirectory());
    if (chosen.empty()) return false;
    if (enterGame(chosen)) return true;
    platform::ErrorTrap trap;
    platform::changeDirectory(chosen);  // so that the next message names the folder chosen
    problem.clear();
  }
}

}  // namespace ui::startup
