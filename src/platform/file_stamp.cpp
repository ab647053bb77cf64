#include "platform/file_stamp.h"

#include "platform/paths.h"
#include "platform/system_files.h"

namespace platform {

std::optional<FileStamp> fileStamp(std::string_view path) {
  if (path.empty()) return std::nullopt;
  FileStamp stamp;
  if (!os::regularFileStamp(nativePath(path), stamp.size, stamp.modifiedNanoseconds)) return std::nullopt;
  return stamp;
}

}  // namespace platform
