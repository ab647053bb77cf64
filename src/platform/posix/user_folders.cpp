#include "platform/user_folders.h"

#include <cstdlib>

namespace platform {

std::string userSettingsFolder() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0') return config;
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    return std::string(home) + "/.config";
  }
  return "";
}

}  // namespace platform
