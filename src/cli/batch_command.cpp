#include <ostream>
#include <string>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "import/batch_import.h"
#include "platform/text.h"

namespace cli {
namespace {

// The short name of a path as given (UTF-8), cut in whole characters: a path the program's character
// set can hold is shortened as the program's text; any other is shown by its bytes.
std::string shortName(const std::string& path) {
  const std::string text = platform::cp1252FromUtf8(path);
  if (platform::utf8From1252(text) != path) return imports::batchShortName(path);
  return platform::utf8From1252(imports::batchShortName(text));
}

}  // namespace

int batchCommand(const Invocation& call, Console& console) {
  const imports::BatchResult batch = imports::importBatch(call.files, "");
  bool allImported = true;
  for (const imports::BatchFile& file : batch.files) {
    const std::string name = shortName(file.path);
    console.out << imports::batchStatusPrefix(file.result) << name << '\n';
    if (file.result.code != imports::kSilentImported) allImported = false;
    if (!file.result.problem.empty()) {
      console.err << name << ": ";
      printLine(console.err, file.result.problem);
    }
    for (const imports::RemapWarning& warning : file.result.run.plan.droppedReferences) {
      console.err << name << ": Warning: ";
      printLine(console.err, imports::describeWarning(warning));
    }
  }
  return allImported ? kExitDone : kExitFailed;
}

}  // namespace cli
