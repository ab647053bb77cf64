// zor-wizard [-C DIR] [FILE.zor]: runs the wizard in the game folder DIR (default: the current
// directory, or the last game folder) and opens FILE.zor once the window is up.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/command_line.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "ui/startup/start_up.h"

namespace {

constexpr int kUsageError = 2;

void printUsage() {
  std::fprintf(stderr, "usage: zor-wizard [-C GAME_FOLDER] [EXPORT_FILE.zor]\n");
}

// The window system's options that take the next argument as their value.
bool takesValue(std::string_view option) {
  constexpr std::string_view kOptions[] = {
      "-platform",    "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
      "-qwindowicon", "-qwindowtitle",       "-session",       "-style",  "-stylesheet",
      "-display",     "-geometry",           "-title",         "-name"};
  for (std::string_view known : kOptions) {
    if (option == known) return true;
  }
  return false;
}

bool isAbsolute(std::string_view path) {
  const bool driveLetter = path.size() >= 3 && path[1] == ':' && (path[2] == '/' || path[2] == '\\');
  return driveLetter || path.starts_with('/') || path.starts_with('\\');
}

}  // namespace

int main(int argc, char** argv) {
  // In UTF-8 on every system: Windows gives them from its wide command line.
  const std::vector<std::string> given = platform::commandLineArguments(argc, argv);
  std::vector<std::string> passed;  // the window system's own options
  std::string gameFolder;
  std::string exportFile;
  for (size_t i = 0; i < given.size(); ++i) {
    const std::string_view argument = given[i];
    if (argument == "-C") {
      if (i + 1 >= given.size()) {
        printUsage();
        return kUsageError;
      }
      gameFolder = given[++i];
    } else if (argument == "-h" || argument == "--help") {
      printUsage();
      return 0;
    } else if (takesValue(argument) && i + 1 < given.size()) {
      passed.push_back(given[i]);
      passed.push_back(given[++i]);
    } else if (!argument.empty() && argument.front() != '-') {
      exportFile = given[i];
    } else {
      passed.push_back(given[i]);
    }
  }
  // Named relative to the folder the wizard was started in, not to the game folder.
  if (!exportFile.empty()) {
    const std::string started = platform::currentDirectory();
    ui::startup::startRequest().exportFile =
        isAbsolute(exportFile) || started.empty() ? exportFile : started + "/" + exportFile;
  }
  if (!gameFolder.empty()) {
    ui::startup::startRequest().folderGiven = true;
    platform::ErrorTrap trap;
    // The window says so: started from a desktop menu, nobody reads standard error.
    if (!platform::changeDirectory(gameFolder) || trap.failed()) ui::startup::startRequest().missingFolder = gameFolder;
  }
  std::vector<char*> arguments{argv[0]};
  for (std::string& argument : passed) arguments.push_back(argument.data());
  int count = static_cast<int>(arguments.size());
  arguments.push_back(nullptr);
  return ui::startup::WINMAIN(count, arguments.data());
}
