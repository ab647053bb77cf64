// Whole-file services: existence, delete, rename, copy and the current directory.
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "platform/errors.h"
#include "platform/file_table.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace platform {
namespace {

constexpr size_t kCopyChunk = 262144;

bool statPath(std::string_view path, struct stat& info) {
  if (path.empty()) return false;
  bool complete = false;
  const std::string native = resolvedPath(path, complete);
  return complete && ::stat(native.c_str(), &info) == 0;
}

int renameNoReplace(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
#endif
  struct stat info;
  if (::lstat(to.c_str(), &info) == 0) return EEXIST;
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int renameErrorNumber(int errorCode, const std::string& to) {
  switch (errorCode) {
    case EEXIST:
    case ENOTEMPTY:
      return kErrFileAlreadyExists;
    case EXDEV:
      return kErrRenameAcrossDisks;
    case ENOENT:
      return missingPathErrorNumber(to);
    default:
      return openErrorNumber(errorCode, to);
  }
}

// Resolves both paths of a rename; raises the error when the source does not exist.
bool resolveMove(std::string_view from, std::string_view to, std::string& source, std::string& target) {
  source = nativePath(from);
  target = nativePath(to);
  if (source.empty() || target.empty()) {
    raiseError(kErrBadFileName);
    return false;
  }
  if (raiseIfChangeRefused(source) || raiseIfChangeRefused(target)) return false;
  struct stat info;
  if (::lstat(source.c_str(), &info) != 0) {
    raiseError(openErrorNumber(errno, source));
    return false;
  }
  return true;
}

int copyContents(int source, int target) {
  std::vector<char> buffer(kCopyChunk);
  for (;;) {
    ssize_t got = ::read(source, buffer.data(), buffer.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (got == 0) return 0;
    const char* data = buffer.data();
    while (got > 0) {
      ssize_t written = ::write(target, data, static_cast<size_t>(got));
      if (written < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      data += written;
      got -= written;
    }
  }
}

}  // namespace

bool fileExists(std::string_view path) {
  if (!beginFileOperation()) return false;
  struct stat info;
  return statPath(path, info) && S_ISREG(info.st_mode);
}

bool folderExists(std::string_view path) {
  if (!beginFileOperation()) return false;
  struct stat info;
  return statPath(path, info) && S_ISDIR(info.st_mode);
}

bool folderWritable(std::string_view path) {
  const std::string_view folder = path.empty() ? std::string_view(".") : path;
  struct stat info;
  if (!statPath(folder, info) || !S_ISDIR(info.st_mode)) return false;
  const std::string native = nativePath(folder);
  if (folderRefused(native)) return false;
  return ::faccessat(AT_FDCWD, native.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

bool deleteFile(std::string_view path) {
  if (!beginFileOperation(true)) return false;
  std::string native = nativePath(path);
  if (raiseIfChangeRefused(native)) return false;
  struct stat info;
  if (::lstat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    raiseError(kErrPathFileAccess);
    return false;
  }
  if (native.empty() || ::unlink(native.c_str()) != 0) {
    raiseError(native.empty() ? kErrBadFileName : openErrorNumber(errno, native));
    return false;
  }
  return true;
}

bool renameFile(std::string_view from, std::string_view to) {
  if (!beginFileOperation(true)) return false;
  std::string source;
  std::string target;
  if (!resolveMove(from, to, source, target)) return false;
  if (int error = renameNoReplace(source, target)) {
    raiseError(renameErrorNumber(error, target));
    return false;
  }
  return true;
}

bool replaceFile(std::string_view from, std::string_view to) {
  if (!beginFileOperation(true)) return false;
  std::string source;
  std::string target;
  if (!resolveMove(from, to, source, target)) return false;
  if (::rename(source.c_str(), target.c_str()) != 0) {
    int error = errno;
    raiseError(error == EISDIR || error == ENOTEMPTY || error == EEXIST ? kErrPathFileAccess
                                                                        : renameErrorNumber(error, target));
    return false;
  }
  return true;
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
  int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) {
    raiseError(openErrorNumber(errno, source));
    return false;
  }
  struct stat sourceInfo;
  if (::fstat(in, &sourceInfo) != 0 || S_ISDIR(sourceInfo.st_mode)) {
    ::close(in);
    raiseError(kErrPathFileAccess);
    return false;
  }
  // Copying a file onto itself would empty it before reading it.
  struct stat targetInfo;
  if (::stat(target.c_str(), &targetInfo) == 0 && targetInfo.st_dev == sourceInfo.st_dev &&
      targetInfo.st_ino == sourceInfo.st_ino) {
    ::close(in);
    return true;
  }
  int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (out < 0) {
    int error = errno;
    ::close(in);
    raiseError(error == EISDIR ? kErrPathFileAccess : openErrorNumber(error, target));
    return false;
  }
  int error = copyContents(in, out);
  ::close(in);
  if (::close(out) != 0 && error == 0 && errno != EINTR) error = errno;
  if (error != 0) {
    raiseError(ioErrorNumber(error));
    return false;
  }
  return true;
}

bool flushFolder(std::string_view path) {
  if (!beginFileOperation(true)) return false;
  std::string native = nativePath(path);
  if (native.empty()) native = ".";
  if (fileTable().faults.skipSync) return true;
  int fd = ::open(native.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    raiseError(openErrorNumber(errno, native));
    return false;
  }
  // Some file systems cannot synchronise a folder; that is not a failure of the names in it.
  int error = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS ? 0 : errno;
  ::close(fd);
  if (error == 0) return true;
  raiseError(ioErrorNumber(error));
  return false;
}

std::string currentDirectory() {
  if (!beginFileOperation()) return "";
  std::optional<std::string>* remembered = rememberedWorkingFolder();
  if (remembered != nullptr && remembered->has_value()) return **remembered;
  char local[PATH_MAX];
  if (::getcwd(local, sizeof local) != nullptr) {
    if (remembered != nullptr) *remembered = std::string(local);
    return std::string(local);
  }
  std::vector<char> buffer(PATH_MAX);
  for (;;) {
    if (::getcwd(buffer.data(), buffer.size()) != nullptr) return std::string(buffer.data());
    if (errno != ERANGE) break;
    buffer.resize(buffer.size() * 2);
  }
  raiseError(ioErrorNumber(errno));
  return "";
}

bool changeDirectory(std::string_view path) {
  if (!beginFileOperation()) return false;
  std::string native = nativePath(path);
  if (::chdir(native.c_str()) == 0) {
    forgetRememberedPaths();  // relative paths now name other files
    return true;
  }
  int error = errno;
  raiseError(error == ENOENT || error == ENOTDIR ? kErrPathNotFound : openErrorNumber(error, native));
  return false;
}

}  // namespace platform
