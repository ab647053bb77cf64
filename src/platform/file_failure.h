// File operations whose failures the caller checks itself: they run under an error trap, and the
// first error raised since the last check becomes a FileFailure that says what failed and why.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/errors.h"
#include "platform/files.h"

namespace platform {

struct FileFailure {
  std::string operation;  // "open", "read", "write", "rename", ...
  std::string path;
  std::string target;  // the second path of a rename, else ""
  int32_t errorNumber = 0;
  std::string description;
};

// "Could not rename <path> to <target>: error 58 (File already exists)".
std::string describeFailure(const FileFailure& failure);

// A failure that is not a raised error, such as a file whose contents are not what was expected.
FileFailure fileFailure(std::string_view operation, std::string_view path, int32_t errorNumber);

// While it lives, raised file errors are recorded instead of reported.
class FileErrorTrap {
 public:
  bool failed() const { return trap_.failed(); }
  // The first error recorded since the last call, described as `operation` on the paths; nothing
  // when no error was recorded. Clears the record.
  std::optional<FileFailure> take(std::string_view operation, std::string_view path,
                                  std::string_view target = {});

 private:
  ErrorTrap trap_;
};

// Copies `from` as `to`, replacing it, and flushes the copy to the disk.
std::optional<FileFailure> copyDurably(std::string_view from, std::string_view to);

// A file number held for one file and closed when it goes out of scope.
class OpenedFile {
 public:
  OpenedFile() = default;
  ~OpenedFile() { close(); }
  OpenedFile(const OpenedFile&) = delete;
  OpenedFile& operator=(const OpenedFile&) = delete;

  bool open(std::string_view path, FileMode mode);
  void close();
  int number() const { return number_; }

 private:
  int number_ = 0;
};

}  // namespace platform
