#include "platform/system_files.h"

#include <fcntl.h>
#include <dirent.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string_view>

#include "platform/errors.h"
#include "platform/posix/error_numbers.h"

namespace platform::os {
namespace {

constexpr size_t kCopyChunk = 262144;

int descriptor(Handle handle) {
  return static_cast<int>(handle);
}

int openFlags(FileMode mode) {
  switch (mode) {
    case FileMode::Input:
      return O_RDONLY;
    case FileMode::Output:
      return O_WRONLY | O_CREAT | O_TRUNC;
    case FileMode::Append:
      return O_WRONLY | O_CREAT;
    case FileMode::Binary:
      return O_RDWR | O_CREAT;
    case FileMode::BinaryRead:
      return O_RDONLY;
  }
  return O_RDONLY;
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

// The source of a rename must exist; 0 or its error number.
int sourceErrorNumber(const std::string& from) {
  struct stat info;
  return ::lstat(from.c_str(), &info) == 0 ? 0 : openErrorNumber(errno, from);
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

int openErrorNumber(int errorCode, const std::string& native) {
  switch (errorCode) {
    case ENOENT:
      return missingPathErrorNumber(native);
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

int openHandle(const std::string& native, FileMode mode, Handle& handle, int64_t& size) {
  handle = kNoHandle;
  size = -1;
  int fd = ::open(native.c_str(), openFlags(mode) | O_CLOEXEC, 0666);
  if (fd < 0) return openErrorNumber(errno, native);
  struct stat info;
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return kErrPathFileAccess;
  }
  if (S_ISREG(info.st_mode)) size = info.st_size;
  handle = fd;
  return 0;
}

int readAt(Handle handle, char* buffer, size_t count, int64_t offset, size_t& got) {
  got = 0;
  for (;;) {
    ssize_t n = ::pread(descriptor(handle), buffer, count, offset);
    if (n >= 0) {
      got = static_cast<size_t>(n);
      return 0;
    }
    if (errno != EINTR) return errno;
  }
}

int writeAt(Handle handle, const char* data, size_t count, int64_t offset) {
  while (count > 0) {
    ssize_t written = ::pwrite(descriptor(handle), data, count, offset);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (written == 0) return EIO;
    data += written;
    count -= static_cast<size_t>(written);
    offset += written;
  }
  return 0;
}

int handleSize(Handle handle, int64_t& size) {
  struct stat info;
  if (::fstat(descriptor(handle), &info) != 0) return errno;
  size = info.st_size;
  return 0;
}

int syncHandle(Handle handle) {
  // Devices and pipes cannot be synchronised; that is not a failure of the data written.
  if (::fsync(descriptor(handle)) != 0 && errno != EINVAL && errno != EROFS) return errno;
  return 0;
}

int closeHandle(Handle handle) {
  if (::close(descriptor(handle)) != 0 && errno != EINTR) return errno;
  return 0;
}

int ioErrorNumber(int systemCode) {
  switch (systemCode) {
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

bool namesIgnoreCase() {
  return false;
}

std::string nameOnDiskOf(const std::string&) {
  return "";
}

bool regularFileStamp(const std::string& native, int64_t& size, int64_t& modifiedNanoseconds) {
  struct stat info;
  if (::stat(native.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  size = static_cast<int64_t>(info.st_size);
  modifiedNanoseconds = static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
  return true;
}

PathKind pathKind(const std::string& native, bool followLinks) {
  struct stat info;
  const int status = followLinks ? ::stat(native.c_str(), &info) : ::lstat(native.c_str(), &info);
  if (status != 0) return PathKind::Missing;
  if (S_ISREG(info.st_mode)) return PathKind::File;
  return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::Other;
}

bool folderAccessWritable(const std::string& native) {
  return ::faccessat(AT_FDCWD, native.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::vector<std::string> folderNames(const std::string& native) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(native.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    std::string_view name(entry->d_name);
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(dir);
  return names;
}

std::string realFolder(const std::string& native) {
  char resolved[PATH_MAX];
  if (::realpath(native.empty() ? "." : native.c_str(), resolved) == nullptr) return "";
  return resolved;
}

int missingPathErrorNumber(const std::string& native) {
  size_t slash = native.find_last_of('/');
  if (slash == std::string::npos) return kErrFileNotFound;
  std::string folder(native.substr(0, slash == 0 ? 1 : slash));
  struct stat info;
  if (::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return kErrFileNotFound;
  return kErrPathNotFound;
}

int removeFile(const std::string& native) {
  struct stat info;
  if (::lstat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return kErrPathFileAccess;
  return ::unlink(native.c_str()) == 0 ? 0 : openErrorNumber(errno, native);
}

int moveNoReplace(const std::string& from, const std::string& to) {
  if (int error = sourceErrorNumber(from)) return error;
#ifdef RENAME_NOREPLACE
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return renameErrorNumber(errno, to);
#endif
  struct stat info;
  if (::lstat(to.c_str(), &info) == 0) return kErrFileAlreadyExists;
  return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : renameErrorNumber(errno, to);
}

int moveReplacing(const std::string& from, const std::string& to) {
  if (int error = sourceErrorNumber(from)) return error;
  if (::rename(from.c_str(), to.c_str()) == 0) return 0;
  const int error = errno;
  return error == EISDIR || error == ENOTEMPTY || error == EEXIST ? kErrPathFileAccess
                                                                  : renameErrorNumber(error, to);
}

int copyReplacing(const std::string& from, const std::string& to) {
  int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return openErrorNumber(errno, from);
  struct stat sourceInfo;
  if (::fstat(in, &sourceInfo) != 0 || S_ISDIR(sourceInfo.st_mode)) {
    ::close(in);
    return kErrPathFileAccess;
  }
  // Copying a file onto itself would empty it before reading it.
  struct stat targetInfo;
  if (::stat(to.c_str(), &targetInfo) == 0 && targetInfo.st_dev == sourceInfo.st_dev &&
      targetInfo.st_ino == sourceInfo.st_ino) {
    ::close(in);
    return 0;
  }
  int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (out < 0) {
    int error = errno;
    ::close(in);
    return error == EISDIR ? kErrPathFileAccess : openErrorNumber(error, to);
  }
  int error = copyContents(in, out);
  ::close(in);
  if (::close(out) != 0 && error == 0 && errno != EINTR) error = errno;
  return error == 0 ? 0 : ioErrorNumber(error);
}

int syncFolder(const std::string& native) {
  int fd = ::open(native.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return openErrorNumber(errno, native);
  // Some file systems cannot synchronise a folder; that is not a failure of the names in it.
  int error = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS ? 0 : errno;
  ::close(fd);
  return error == 0 ? 0 : ioErrorNumber(error);
}

int workingFolder(std::string& folder) {
  std::vector<char> buffer(PATH_MAX);
  for (;;) {
    if (::getcwd(buffer.data(), buffer.size()) != nullptr) {
      folder = buffer.data();
      return 0;
    }
    if (errno != ERANGE) return ioErrorNumber(errno);
    buffer.resize(buffer.size() * 2);
  }
}

int changeWorkingFolder(const std::string& native) {
  if (::chdir(native.c_str()) == 0) return 0;
  const int error = errno;
  return error == ENOENT || error == ENOTDIR ? kErrPathNotFound : openErrorNumber(error, native);
}

}  // namespace platform::os
