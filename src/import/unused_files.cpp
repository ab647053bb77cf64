#include "import/unused_files.h"

#include "platform/errors.h"
#include "platform/files.h"

namespace imports {

void removeUnusedFiles(const std::vector<std::string>& paths) {
  platform::ErrorTrap trap;
  for (const std::string& path : paths) {
    if (platform::fileExists(path)) platform::deleteFile(path);
  }
}

NewFileGuard::~NewFileGuard() {
  if (!path_.empty()) removeUnusedFiles({path_});
}

}  // namespace imports
