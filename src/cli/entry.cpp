#include "cli/entry.h"

#include <iostream>
#include <ostream>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/terminal_progress.h"
#include "import/program_start.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/terminal.h"
#include "services/messages.h"
#include "services/program.h"

namespace cli {
namespace {

// Runs in the game folder and goes back to the folder it was started in.
class FolderChange {
 public:
  bool enter(const std::string& folder) {
    if (folder.empty()) return true;
    if (!platform::folderExists(folder)) return false;
    previous_ = platform::currentDirectory();
    return platform::changeDirectory(folder);
  }
  ~FolderChange() {
    if (!previous_.empty()) platform::changeDirectory(previous_);
  }

 private:
  std::string previous_;
};

// The program's initialisation as the window's start-up does it: version and title, the private heap,
// the database folder and, when a command needs it, the whole database. Everything is released again
// at the end.
class ProgramSession {
 public:
  // A command that works on the game folder first repairs what an interrupted change left.
  ProgramSession(bool onGameFolder, bool loadDatabase)
      : started_(imports::startProgram(
            {.repair = onGameFolder, .load = loadDatabase}, [](std::string_view message) {
              services::showMessageBox("{ME}", message, services::program().title, "OK");
            })) {}
  ~ProgramSession() { imports::endProgram(); }
  const imports::StartResult& started() const { return started_; }
  ProgramSession(const ProgramSession&) = delete;
  ProgramSession& operator=(const ProgramSession&) = delete;

 private:
  imports::StartResult started_;
};

int runCommand(const Invocation& call, Console& console) {
  switch (call.command) {
    case CommandKind::Show:
      return showCommand(call, console);
    case CommandKind::Import:
      return importCommand(call, console);
    case CommandKind::Batch:
      return batchCommand(call, console);
    case CommandKind::Dump:
      return dumpCommand(call, console);
    case CommandKind::Undo:
      return undoCommand(call, console);
    case CommandKind::Check:
      return checkCommand(call, console);
    case CommandKind::Help:
    case CommandKind::Version:
      break;
  }
  return kExitUsage;
}

}  // namespace

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  Console console{out, err};
  const ParsedArguments parsed = parseArguments(arguments);
  if (!parsed.call) return usageError(console, parsed.error);
  const Invocation& call = *parsed.call;
  if (call.command == CommandKind::Help) {
    out << helpText();
    return kExitDone;
  }
  if (call.command == CommandKind::Version) {
    printLine(out, services::titleFromVersionMarker(services::kVersionMarker));
    return kExitDone;
  }

  ConsoleServices services(console);
  // Only the real standard error can be a terminal; a caller's stream never is.
  const TerminalProgress progress(console.err, &console.err == &std::cerr && platform::standardErrorIsTerminal());
  FolderChange folder;
  if (!folder.enter(call.directory))
    return usageError(console,
                      "cannot change to the folder '" + platform::pathForDisplay(call.directory) + "'");
  // The check reads the files themselves, not a loaded catalogue.
  ProgramSession session(call.command != CommandKind::Dump, call.command != CommandKind::Dump &&
                                                                call.command != CommandKind::Undo &&
                                                                call.command != CommandKind::Check);
  if (!session.started().message.empty()) {
    printLine(console.err, "zor-import: " + session.started().message +
                               " Run zor-import in the game's folder, or name that folder with -C DIR.");
    return kExitFailed;
  }
  // Looking at exports still works; each import says for itself that it is refused.
  if (!session.started().readOnlyNote.empty()) {
    printLine(console.err, "zor-import: note: " + session.started().readOnlyNote);
  }
  const int code = runCommand(call, console);
  out.flush();
  err.flush();
  return code;
}

}  // namespace cli
