#include "import/program_start.h"

#include "db/catalogue.h"
#include "db/load_database.h"
#include "export/incoming.h"
#include "import/database_recovery.h"
#include "memory/heap_blocks.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "services/program.h"

namespace imports {

namespace {

constexpr int32_t kSkipCircuits = 1;
constexpr int32_t kEveryRecordSet = 0;

}  // namespace

std::string notAGameFolderText(db::GameFolderState state) {
  const std::string folder = "\"" + platform::pathForDisplay(platform::currentDirectory()) + "\"";
  if (state == db::GameFolderState::NoDataFolder) {
    return folder + " is not a ZOR 7 SE game folder: it has no \"data\" folder.";
  }
  return folder +
         " is not a ZOR 7 SE game folder: its \"data\" folder holds none of the game's record files.";
}

StartResult startProgram(const StartOptions& options, const TellRepair& tell) {
  services::INTERNAL();
  memory::HEAPBEGIN();
  services::ProgramInfo& program = services::program();
  program.title = services::titleFromVersionMarker(program.versionMarker);
  program.databaseFolder = ".";
  StartResult result;
  if (!options.repair && !options.load) return result;
  // Neither the repair nor the load may leave anything (a lock, a settings file) in a folder that
  // is not the game's.
  result.folder = db::examineGameFolder(program.databaseFolder);
  if (result.folder != db::GameFolderState::Game) {
    result.message = notAGameFolderText(result.folder);
    return result;
  }
  const bool writable = db::gameFolderWritable(program.databaseFolder);
  if (!writable) result.readOnlyNote = db::unwritableFolderNote(program.databaseFolder);
  // An import that was interrupted is finished (or undone) before anything reads the database.
  if (options.repair && writable) {
    const RecoveryReport recovery = recoverDatabase(program.databaseFolder);
    if (!recovery.message.empty() && tell) tell(recovery.message);
  }
  // Whatever the load reports, the program goes on.
  if (options.load) db::LOADDBS(db::catalogue(), program.databaseFolder, kSkipCircuits, kEveryRecordSet, {});
  return result;
}

void endProgram() {
  db::releaseCatalogue(db::catalogue());
  exports::incoming() = exports::IncomingRecords{};
  platform::closeAllFiles();
  memory::HEAPEND();
}

}  // namespace imports
