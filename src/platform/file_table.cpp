#include "platform/file_table.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/errors.h"

namespace platform {

int takeFault(FileFaults& faults, bool changesFiles) {
  ++faults.operationCount;
  if (changesFiles && ++faults.changeCount == faults.crashAtChange) ::_exit(faults.crashExitCode);
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

std::string realFolder(const std::string& nativeFolder) {
  char resolved[PATH_MAX];
  if (::realpath(nativeFolder.empty() ? "." : nativeFolder.c_str(), resolved) == nullptr) return "";
  return resolved;
}

bool folderRefused(const std::string& nativeFolder) {
  const std::vector<std::string>& refused = fileTable().faults.refusedFolders;
  if (refused.empty()) return false;
  const std::string folder = realFolder(nativeFolder);
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

OpenFileEntry* raiseBadFileNumber() {
  raiseError(kErrBadFileNumber);
  return nullptr;
}

int missingPathErrorNumber(std::string_view nativePath) {
  size_t slash = nativePath.find_last_of('/');
  if (slash == std::string_view::npos) return kErrFileNotFound;
  std::string folder(nativePath.substr(0, slash == 0 ? 1 : slash));
  struct stat info;
  if (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return kErrFileNotFound;
  return kErrPathNotFound;
}

int openErrorNumber(int errorCode, std::string_view nativePath) {
  switch (errorCode) {
    case ENOENT:
      return missingPathErrorNumber(nativePath);
    case ENOTDIR:
      return kErrPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return kErrPermissionDenied;
    case EMFILE:
    case ENFILE:
      return kErrTooManyFiles;
    case ENAMETOOLONG:
    case EINVAL:
      return kErrBadFileName;
    case ENOSPC:
    case EDQUOT:
      return kErrDiskFull;
    default:
      return kErrPathFileAccess;
  }
}

int ioErrorNumber(int errorCode) {
  switch (errorCode) {
    case ENOSPC:
    case EDQUOT:
      return kErrDiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
      return kErrPermissionDenied;
    default:
      return kErrDeviceIo;
  }
}

}  // namespace platform
