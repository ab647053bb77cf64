#include "platform/folder_lock.h"

#include <windows.h>

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/system_files.h"
#include "platform/windows/error_numbers.h"
#include "platform/windows/wide_text.h"

namespace platform {
namespace {

constexpr int kAttempts = 5;
// The byte locked lies far past the note, so that whoever finds the lock busy can still read it.
constexpr DWORD kLockedByteHigh = 0x40;

std::string readSmallFile(HANDLE file) {
  std::string text(256, '\0');
  OVERLAPPED start{};
  DWORD got = 0;
  if (!::ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &got, &start)) got = 0;
  text.resize(got);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

// True when the file is about to go: a holder that was releasing may have deleted it between our
// open and our lock, and a lock on a deleted file locks nothing.
bool deletePending(HANDLE file) {
  FILE_STANDARD_INFO info{};
  return ::GetFileInformationByHandleEx(file, FileStandardInfo, &info, sizeof info) && info.DeletePending;
}

}  // namespace

LockStatus FolderLock::acquire(std::string_view lockFile, std::string_view owner) {
  release();
  holder_.clear();
  errorNumber_ = 0;
  const std::string path = nativePath(lockFile);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    HANDLE file = ::CreateFileW(os::widePath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      const DWORD error = ::GetLastError();
      // A lock file being deleted by its holder cannot be opened until it is gone.
      if (error == ERROR_ACCESS_DENIED && attempt + 1 < kAttempts && ::GetFileAttributesW(os::widePath(path).c_str()) != INVALID_FILE_ATTRIBUTES) {
        ::Sleep(1);
        continue;
      }
      errorNumber_ = os::openErrorNumber(error, path);
      if (errorNumber_ == os::kHeldByAnotherProgram) errorNumber_ = kErrPermissionDenied;
      return LockStatus::Failed;
    }
    OVERLAPPED place{};
    place.OffsetHigh = kLockedByteHigh;
    if (!::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &place)) {
      const DWORD error = ::GetLastError();
      if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) holder_ = readSmallFile(file);
      ::CloseHandle(file);
      if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) return LockStatus::Busy;
      errorNumber_ = os::ioErrorNumber(static_cast<int>(error));
      return LockStatus::Failed;
    }
    if (deletePending(file)) {
      ::CloseHandle(file);
      continue;
    }
    // Whatever an earlier holder wrote is replaced by who holds it now. Without the note the lock
    // still holds; only a second holder's message loses its detail.
    const std::string text = std::string(owner) + "\n";
    ::SetEndOfFile(file);
    OVERLAPPED start{};
    DWORD written = 0;
    ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, &start);
    handle_ = reinterpret_cast<std::intptr_t>(file);
    path_ = path;
    return LockStatus::Held;
  }
  errorNumber_ = kErrPathFileAccess;
  return LockStatus::Failed;
}

int currentProcessId() {
  return static_cast<int>(::GetCurrentProcessId());
}

namespace os {

void removeLockFile(Handle handle, const std::string& native) {
  ::DeleteFileW(widePath(native).c_str());
  ::CloseHandle(reinterpret_cast<HANDLE>(handle));
}

}  // namespace os

}  // namespace platform
