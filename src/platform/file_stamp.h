// The fingerprint of a file on disk: its size and modification time. Two equal stamps taken at
// different moments say that the file was, as far as can be told without reading it, not rewritten
// in between.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

struct FileStamp {
  int64_t size = 0;
  int64_t modifiedNanoseconds = 0;  // on the file-system clock; only compared, never shown

  bool operator==(const FileStamp&) const = default;
};

// The stamp of the regular file at a game path (resolved as nativePath does); empty when there is
// no such file or it cannot be examined. A query only: it raises no error and is not one of the
// counted file operations of files.h.
std::optional<FileStamp> fileStamp(std::string_view path);

}  // namespace platform
