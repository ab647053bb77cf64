#include "settings/backup.h"

#include <string>

#include "platform/errors.h"
#include "platform/files.h"

namespace settings {
namespace {

std::string backupName(std::string_view fileName, int32_t generation) {
  return std::string(fileName) + ".bak" + std::to_string(generation);
}

}  // namespace

void BACKUPFILE(std::string_view fileName, int32_t keep) {
  platform::ProcedureScope scope("BACKUPFILE");
  if (!platform::fileExists(fileName)) return;
  const std::string oldest = backupName(fileName, keep);
  if (platform::fileExists(oldest)) platform::deleteFile(oldest);
  for (int32_t k = keep; k >= 2; --k) {
    const std::string younger = backupName(fileName, k - 1);
    if (platform::fileExists(younger)) platform::renameFile(younger, backupName(fileName, k));
  }
  platform::renameFile(fileName, backupName(fileName, 1));
}

}  // namespace settings
