// An exclusive lock held through a lock file: one holder at a time, across processes. The lock
// belongs to the open file, so it ends with the process that holds it: a lock file left behind by a
// process that died locks nothing and is taken over.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

enum class LockStatus {
  Held,    // this object holds the lock
  Busy,    // another holder has it (see holder())
  Failed,  // the lock file could not be created or locked (see errorNumber())
};

class FolderLock {
 public:
  FolderLock() = default;
  ~FolderLock() { release(); }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  // Tries once, without waiting. `owner` is written into the lock file for whoever finds it busy.
  LockStatus acquire(std::string_view lockFile, std::string_view owner);
  // Removes the lock file and lets the lock go; nothing when not held.
  void release();

  bool held() const { return handle_ != -1; }
  // When Busy: what the holder wrote into the lock file ("" when it could not be read).
  const std::string& holder() const { return holder_; }
  // When Failed: the error number (files.h conventions).
  int errorNumber() const { return errorNumber_; }

 private:
  std::intptr_t handle_ = -1;  // the open lock file (a descriptor or a HANDLE)
  std::string path_;
  std::string holder_;
  int errorNumber_ = 0;
};

// This process's number, for notes such as the lock file's.
int currentProcessId();

}  // namespace platform
