#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/posix/error_numbers.h"
#include "platform/system_files.h"

namespace platform {
namespace {

constexpr int kAttempts = 5;

std::string readSmallFile(int fd) {
  std::string text;
  char buffer[256];
  ssize_t got = ::pread(fd, buffer, sizeof buffer, 0);
  if (got > 0) text.assign(buffer, static_cast<size_t>(got));
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

// True when the path still names the file open under fd: a holder that was releasing may have
// removed the file between our open and our lock, and a lock on a removed file locks nothing.
bool stillNamed(int fd, const std::string& path) {
  struct stat open;
  struct stat named;
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
         open.st_ino == named.st_ino;
}

}  // namespace

LockStatus FolderLock::acquire(std::string_view lockFile, std::string_view owner) {
  release();
  holder_.clear();
  errorNumber_ = 0;
  const std::string path = nativePath(lockFile);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
      errorNumber_ = os::openErrorNumber(errno, path);
      return LockStatus::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      if (error == EWOULDBLOCK) holder_ = readSmallFile(fd);
      ::close(fd);
      if (error == EWOULDBLOCK) return LockStatus::Busy;
      errorNumber_ = os::ioErrorNumber(error);
      return LockStatus::Failed;
    }
    if (!stillNamed(fd, path)) {
      ::close(fd);
      continue;
    }
    // Whatever an earlier holder wrote is replaced by who holds it now.
    const std::string text = std::string(owner) + "\n";
    // Without the note the lock still holds; only a second holder's message loses its detail.
    if (::ftruncate(fd, 0) == 0) (void)!::pwrite(fd, text.data(), text.size(), 0);
    handle_ = fd;
    path_ = path;
    return LockStatus::Held;
  }
  errorNumber_ = kErrPathFileAccess;
  return LockStatus::Failed;
}

int currentProcessId() {
  return static_cast<int>(::getpid());
}

namespace os {

void removeLockFile(Handle handle, const std::string& native) {
  ::unlink(native.c_str());
  ::close(static_cast<int>(handle));
}

}  // namespace os

}  // namespace platform
