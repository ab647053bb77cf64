// zor-wizard [-C DIR] [FILE.zor]: runs the wizard in the game folder DIR (default: the current
// directory, or the last game folder) and opens FILE.zor once the window is up.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

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

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> arguments{argv[0]};
  const char* gameFolder = nullptr;
  const char* exportFile = nullptr;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-C") {
      if (i + 1 >= argc) {
        printUsage();
        return kUsageError;
      }
      gameFolder = argv[++i];
    } else if (argument == "-h" || argument == "--help") {
      printUsage();
      return 0;
    } else if (takesValue(argument) && i + 1 < argc) {
      arguments.push_back(argv[i]);  // the window system's own options
      arguments.push_back(argv[++i]);
    } else if (!argument.empty() && argument.front() != '-') {
      exportFile = argv[i];
    } else {
      arguments.push_back(argv[i]);
    }
  }
  // Named relative to the folder the wizard was started in, not to the game folder.
  if (exportFile != nullptr) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(exportFile, error);
    ui::startup::startRequest().exportFile = error ? std::string(exportFile) : absolute.string();
  }
  if (gameFolder != nullptr) {
    ui::startup::startRequest().folderGiven = true;
    std::error_code error;
    std::filesystem::current_path(gameFolder, error);
    // The window says so: started from a desktop menu, nobody reads standard error.
    if (error) ui::startup::startRequest().missingFolder = gameFolder;
  }
  int count = static_cast<int>(arguments.size());
  arguments.push_back(nullptr);
  return ui::startup::WINMAIN(count, arguments.data());
}
