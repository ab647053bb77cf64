#include "import/program_start.h"

#include "db/catalogue.h"
#include "db/load_database.h"
#include "export/incoming.h"
#include "import/database_recovery.h"
#include "memory/heap_blocks.h"
#include "platform/files.h"
#include "services/program.h"

namespace imports {

namespace {

constexpr int32_t kSkipCircuits = 1;
constexpr int32_t kEveryRecordSet = 0;

}  // namespace

void startProgram(const StartOptions& options, const TellRepair& tell) {
  services::INTERNAL();
  memory::HEAPBEGIN();
  services::ProgramInfo& program = services::program();
  program.title = services::titleFromVersionMarker(program.versionMarker);
  program.databaseFolder = ".";
  // An import that was interrupted is finished (or undone) before anything reads the database.
  if (options.repair) {
    const RecoveryReport recovery = recoverDatabase(program.databaseFolder);
    if (!recovery.message.empty() && tell) tell(recovery.message);
  }
  // Whatever the load reports, the program goes on.
  if (options.load) db::LOADDBS(db::catalogue(), program.databaseFolder, kSkipCircuits, kEveryRecordSet, {});
}

void endProgram() {
  db::releaseCatalogue(db::catalogue());
  exports::incoming() = exports::IncomingRecords{};
  platform::closeAllFiles();
  memory::HEAPEND();
}

}  // namespace imports
