// The commands of zor-import. Each runs in the game folder (the current directory) and returns the
// process's exit code; the database is loaded by the caller for every command but dump.
#pragma once

#include "cli/arguments.h"
#include "cli/console.h"

namespace cli {

int showCommand(const Invocation& call, Console& console);
int importCommand(const Invocation& call, Console& console);
int batchCommand(const Invocation& call, Console& console);
int dumpCommand(const Invocation& call, Console& console);
int undoCommand(const Invocation& call, Console& console);
// Prints one line per fault the check of the database finds; exit code 1 when there is any.
int checkCommand(const Invocation& call, Console& console);

// A usage error found once the export or the database is known: printed, exit code 2.
int usageError(Console& console, std::string_view message);

}  // namespace cli
