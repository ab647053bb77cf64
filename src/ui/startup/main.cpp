// zor-wizard [-C DIR]: runs the wizard in the game folder DIR (default: the current directory).
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "ui/startup/start_up.h"

namespace {

constexpr int kUsageError = 2;

void printUsage() {
  std::fprintf(stderr, "usage: zor-wizard [-C GAME_FOLDER]\n");
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> arguments{argv[0]};
  const char* gameFolder = nullptr;
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
    } else {
      arguments.push_back(argv[i]);  // the window system's own options
    }
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
