// Whole-file services: existence, delete, rename, copy and the current directory.
#include "platform/errors.h"
#include "platform/file_table.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system_files.h"

namespace platform {
namespace {

os::PathKind kindOf(std::string_view path) {
  if (path.empty()) return os::PathKind::Missing;
  bool complete = false;
  const std::string native = resolvedPath(path, complete);
  return complete ? os::pathKind(native) : os::PathKind::Missing;
}

// Resolves both paths of a rename; raises the error when either is refused.
bool resolveMove(std::string_view from, std::string_view to, std::string& source, std::string& target) {
  source = nativePath(from);
  target = nativePath(to);
  if (source.empty() || target.empty()) {
    raiseError(kErrBadFileName);
    return false;
  }
  return !raiseIfChangeRefused(source) && !raiseIfChangeRefused(target);
}

}  // namespace

bool fileExists(std::string_view path) {
  if (!beginFileOperation()) return false;
  return kindOf(path) == os::PathKind::File;
}

bool folderExists(std::string_view path) {
  if (!beginFileOperation()) return false;
  return kindOf(path) == os::PathKind::Folder;
}

bool folderWritable(std::string_view path) {
  const std::string_view folder = path.empty() ? std::string_view(".") : path;
  if (kindOf(folder) != os::PathKind::Folder) return false;
  const std::string native = nativePath(folder);
  if (folderRefused(native)) return false;
  return os::folderAccessWritable(native);
}

bool deleteFile(std::string_view path) {
  if (!beginFileOperation(true)) return false;
  std::string native = nativePath(path);
  if (raiseIfChangeRefused(native)) return false;
  return raiseUnlessZero(native.empty() ? kErrBadFileName : os::removeFile(native));
}

bool renameFile(std::string_view from, std::string_view to) {
  if (!beginFileOperation(true)) return false;
  std::string source;
  std::string target;
  return resolveMove(from, to, source, target) && raiseUnlessZero(os::moveNoReplace(source, target));
}

bool replaceFile(std::string_view from, std::string_view to) {
  if (!beginFileOperation(true)) return false;
  std::string source;
  std::string target;
  return resolveMove(from, to, source, target) && raiseUnlessZero(os::moveReplacing(source, target));
}

bool copyFile(std::string_view from, std::string_view to) {
  if (!beginFileOperation(true)) return false;
  std::string source = nativePath(from);
  std::string target = nativePath(to);
  if (source.empty() || target.empty()) {
    raiseError(kErrBadFileName);
    return false;
  }
  if (raiseIfChangeRefused(target)) return false;
  return raiseUnlessZero(os::copyReplacing(source, target));
}

bool flushFolder(std::string_view path) {
  if (!beginFileOperation(true)) return false;
  std::string native = nativePath(path);
  if (native.empty()) native = ".";
  if (fileTable().faults.skipSync) return true;
  return raiseUnlessZero(os::syncFolder(native));
}

std::string currentDirectory() {
  if (!beginFileOperation()) return "";
  std::optional<std::string>* remembered = rememberedWorkingFolder();
  if (remembered != nullptr && remembered->has_value()) return **remembered;
  std::string folder;
  if (!raiseUnlessZero(os::workingFolder(folder))) return "";
  if (remembered != nullptr) *remembered = folder;
  return folder;
}

bool changeDirectory(std::string_view path) {
  if (!beginFileOperation()) return false;
  if (!raiseUnlessZero(os::changeWorkingFolder(nativePath(path)))) return false;
  forgetRememberedPaths();  // relative paths now name other files
  return true;
}

}  // namespace platform
