#include <ostream>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "import/batch_import.h"

namespace cli {

int batchCommand(const Invocation& call, Console& console) {
  const imports::BatchResult batch = imports::DOIMPORT(call.Files, "");
  bool allImported = true;
  for (const imports::BatchFile& file : batch.Files) {
    // The path is the system's own text (not converted): the line shows its bytes as given.
    console.out << file.StatusLine << '\n';
    if (file.Result.Code != imports::kSilentImported) allImported = false;
    if (!file.Result.Problem.empty()) {
      console.err << imports::batchShortName(file.Path) << ": ";
      printLine(console.err, file.Result.Problem);
    }
    for (const imports::RemapWarning& warning : file.Result.Run.Plan.DroppedReferences) {
      console.err << imports::batchShortName(file.Path) << ": Warning: ";
      printLine(console.err, imports::describeWarning(warning));
    }
  }
  return allImported ? kExitDone : kExitFailed;
}

}  // namespace cli
