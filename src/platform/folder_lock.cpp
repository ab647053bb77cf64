#include "platform/folder_lock.h"

#include "platform/system_files.h"

namespace platform {

void FolderLock::release() {
  if (handle_ == -1) return;
  os::removeLockFile(handle_, path_);
  handle_ = -1;
  path_.clear();
}

}  // namespace platform
