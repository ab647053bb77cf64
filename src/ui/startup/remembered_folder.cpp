#include "ui/startup/remembered_folder.h"

#include <filesystem>
#include <system_error>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/user_folders.h"
#include "settings/conf_file.h"

namespace ui::startup {

namespace {

constexpr std::string_view kLastGameFolderKey = "LastGameFolder";

}  // namespace

std::string wizardSettingsFile() {
  const std::string folder = platform::userSettingsFolder();
  return folder.empty() ? "" : folder + "/zor-wizard/wizard.cnf";
}

std::string rememberedGameFolder() {
  const std::string file = wizardSettingsFile();
  if (file.empty() || !platform::fileExists(file)) return "";
  // A settings file that cannot be read is no reason to bother the user.
  platform::ErrorTrap trap;
  return settings::GETCONFSETTING(file, kLastGameFolderKey);
}

void rememberGameFolder(std::string_view folder) {
  const std::string file = wizardSettingsFile();
  if (file.empty()) return;
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(file).parent_path(), error);
  if (error) return;
  platform::ErrorTrap trap;
  if (settings::GETCONFSETTING(file, kLastGameFolderKey) != folder) {
    settings::PUTCONFSETTING(file, kLastGameFolderKey, folder);
  }
}

}  // namespace ui::startup
