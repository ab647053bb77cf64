// The process-wide table behind the file numbers of files.h, the fault injection of its operations,
// and the translation of system failures into error numbers.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "platform/buffered_file.h"
#include "platform/files.h"
#include "platform/system_files.h"

namespace platform {

struct OpenFileEntry {
  bool open = false;
  FileMode mode = FileMode::Input;
  std::string path;  // as the caller gave it
  BufferedFile file;
  bool pastEndOnce = false;
  bool pastEndReported = false;
};

struct FileFaults {
  int operationCount = 0;
  std::vector<std::pair<int, int>> planned;  // (operation count, error number)
  int changeCount = 0;    // operations that change files: writes, flushes, renames, removals, ...
  int crashAtChange = 0;  // the change count that ends the process
  int crashExitCode = 0;
  int failFrom = 0;  // the operation count from which every operation fails; 0 for none
  int failFromError = 0;
  bool skipSync = false;
  std::vector<std::string> refusedFolders;  // resolved; read-only with everything below them
};

struct FileTable {
  std::array<OpenFileEntry, kMaxFileNumber + 1> entries;  // entry 0 is never used
  FileFaults faults;
};

// Inline, like the two below: a load asks for them once per line.
inline FileTable& fileTable() {
  static FileTable table;
  return table;
}

// Counts one operation; returns the error number planned for it, or 0.
int takeFault(FileFaults& faults, bool changesFiles);
bool beginFaultedOperation(bool changesFiles);
// Counts one operation of the process-wide table (`changesFiles` for one that writes, flushes,
// renames or removes); when a fault is planned for it, raises the error and returns false.
inline bool beginFileOperation(bool changesFiles = false) {
  FileFaults& faults = fileTable().faults;
  if (!changesFiles && faults.failFrom == 0 && faults.planned.empty()) {
    ++faults.operationCount;  // nothing planned that could hit this one
    return true;
  }
  return beginFaultedOperation(changesFiles);
}
OpenFileEntry* raiseBadFileNumber();
// The open entry for a number, or nullptr after raising error 52.
inline OpenFileEntry* openEntryOrRaise(int fileNumber) {
  if (fileNumber >= 1 && fileNumber <= kMaxFileNumber) {
    OpenFileEntry& entry = fileTable().entries[static_cast<size_t>(fileNumber)];
    if (entry.open) return &entry;
  }
  return raiseBadFileNumber();
}

// Whether a refused folder (refuseChangesIn) holds the folder, or the file, at a native path.
bool folderRefused(const std::string& nativeFolder);
bool changeRefused(const std::string& nativeFile);
// The same for a file about to be changed: raises error 70 when it is refused.
bool raiseIfChangeRefused(const std::string& nativeFile);

// Raises an error number of the system layer (os::kHeldByAnotherProgram as error 70 that says so);
// returns whether there was none.
bool raiseUnlessZero(int errorNumber);

// Counts one operation that changes files; the entry of a number open for writing, or nullptr after
// raising the error (52 not open, 54 opened for reading).
OpenFileEntry* writableEntryOrRaise(int fileNumber);

}  // namespace platform
