#include "platform/file_table.h"

#include <cstdlib>

#include "platform/errors.h"

namespace platform {

int takeFault(FileFaults& faults, bool changesFiles) {
  ++faults.operationCount;
  if (changesFiles && ++faults.changeCount == faults.crashAtChange) std::_Exit(faults.crashExitCode);
  if (faults.failFrom > 0 && faults.operationCount >= faults.failFrom) return faults.failFromError;
  for (auto it = faults.planned.begin(); it != faults.planned.end(); ++it) {
    if (it->first == faults.operationCount) {
      int errorNumber = it->second;
      faults.planned.erase(it);
      return errorNumber;
    }
  }
  return 0;
}

bool beginFaultedOperation(bool changesFiles) {
  int errorNumber = takeFault(fileTable().faults, changesFiles);
  if (errorNumber == 0) return true;
  raiseError(errorNumber);
  return false;
}

bool folderRefused(const std::string& nativeFolder) {
  const std::vector<std::string>& refused = fileTable().faults.refusedFolders;
  if (refused.empty()) return false;
  const std::string folder = os::realFolder(nativeFolder);
  if (folder.empty()) return false;
  for (const std::string& root : refused) {
    const bool below = folder.starts_with(root) &&
                       (root == "/" || folder.size() == root.size() || folder[root.size()] == '/');
    if (below) return true;
  }
  return false;
}

bool changeRefused(const std::string& nativeFile) {
  if (fileTable().faults.refusedFolders.empty()) return false;
  const size_t slash = nativeFile.find_last_of('/');
  if (slash == std::string::npos) return folderRefused(".");
  return folderRefused(nativeFile.substr(0, slash == 0 ? 1 : slash));
}

bool raiseIfChangeRefused(const std::string& nativeFile) {
  if (!changeRefused(nativeFile)) return false;
  raiseError(kErrPermissionDenied);
  return true;
}

bool raiseUnlessZero(int errorNumber) {
  if (errorNumber == 0) return true;
  if (errorNumber == os::kHeldByAnotherProgram) {
    raiseDescribedError(kErrPermissionDenied,
                        "Permission denied: another program, such as the game, has the file open; "
                        "close it and try again");
  } else {
    raiseError(errorNumber);
  }
  return false;
}

OpenFileEntry* raiseBadFileNumber() {
  raiseError(kErrBadFileNumber);
  return nullptr;
}

}  // namespace platform
