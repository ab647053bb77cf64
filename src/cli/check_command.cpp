#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "import/database_check.h"
#include "services/program.h"

namespace cli {

int checkCommand(const Invocation&, Console& console) {
  const imports::DatabaseFindings findings = imports::checkDatabase(services::program().databaseFolder);
  for (const imports::DatabaseFinding& finding : findings) printLine(console.out, finding.text);
  return findings.empty() ? kExitDone : kExitFailed;
}

}  // namespace cli
