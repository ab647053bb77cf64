// File numbers: opening, closing and the table's bookkeeping.
#include "platform/files.h"

#include <utility>

#include "platform/errors.h"
#include "platform/file_table.h"
#include "platform/paths.h"

namespace platform {
namespace {

void closeEntry(OpenFileEntry& entry) {
  int error = closeBuffered(entry.file);
  entry = OpenFileEntry{};
  if (error != 0) raiseError(os::ioErrorNumber(error));
}

// An injected failure of a close: the descriptor goes, the bytes not yet written are lost.
void abandonEntry(OpenFileEntry& entry) {
  abandonBuffered(entry.file);
  entry = OpenFileEntry{};
}

}  // namespace

int freeFileNumber() {
  FileTable& table = fileTable();
  for (int number = 1; number <= kMaxFileNumber; ++number) {
    if (!table.entries[number].open) return number;
  }
  raiseError(kErrTooManyFiles);
  return 0;
}

bool openFile(int fileNumber, std::string_view path, FileMode mode) {
  if (!beginFileOperation(mode != FileMode::Input && mode != FileMode::BinaryRead)) return false;
  if (fileNumber < 1 || fileNumber > kMaxFileNumber) {
    raiseError(kErrBadFileNumber);
    return false;
  }
  OpenFileEntry& entry = fileTable().entries[fileNumber];
  if (entry.open) {
    raiseError(kErrFileAlreadyOpen);
    return false;
  }
  if (path.empty()) {
    raiseError(kErrBadFileName);
    return false;
  }
  std::string native = nativePath(path);
  if (mode != FileMode::Input && mode != FileMode::BinaryRead && raiseIfChangeRefused(native)) return false;
  os::Handle handle = os::kNoHandle;
  int64_t size = -1;
  if (!raiseUnlessZero(os::openHandle(native, mode, handle, size))) return false;
  entry.open = true;
  entry.mode = mode;
  entry.path = std::string(path);
  entry.file.handle = handle;
  entry.file.position = mode == FileMode::Append && size > 0 ? size : 0;
  entry.file.knownSize = size;
  return true;
}

void closeFile(int fileNumber) {
  FileTable& table = fileTable();
  bool valid = fileNumber >= 1 && fileNumber <= kMaxFileNumber && table.entries[fileNumber].open;
  if (!beginFileOperation(valid && table.entries[fileNumber].mode != FileMode::Input)) {
    if (valid) abandonEntry(table.entries[fileNumber]);
    return;
  }
  if (valid) closeEntry(table.entries[fileNumber]);
}

void closeAllFiles() {
  FileTable& table = fileTable();
  bool ok = beginFileOperation(true);
  for (int number = 1; number <= kMaxFileNumber; ++number) {
    OpenFileEntry& entry = table.entries[number];
    if (!entry.open) continue;
    if (ok) {
      closeEntry(entry);
    } else {
      abandonEntry(entry);
    }
  }
}

bool isOpen(int fileNumber) {
  return fileNumber >= 1 && fileNumber <= kMaxFileNumber && fileTable().entries[fileNumber].open;
}

std::string openPath(int fileNumber) {
  return isOpen(fileNumber) ? fileTable().entries[fileNumber].path : std::string();
}

void reportPastEndOnce(int fileNumber) {
  if (OpenFileEntry* entry = openEntryOrRaise(fileNumber)) entry->pastEndOnce = true;
}

void failFileOperation(int n, int errorNumber) {
  FileFaults& faults = fileTable().faults;
  if (n < 1) return;
  faults.planned.emplace_back(faults.operationCount + n, errorNumber);
}

void clearFileFaults() {
  FileFaults& faults = fileTable().faults;
  faults.operationCount = 0;
  faults.planned.clear();
  faults.changeCount = 0;
  faults.crashAtChange = 0;
  faults.failFrom = 0;
  faults.refusedFolders.clear();
}

void refuseChangesIn(std::string_view folder) {
  std::string resolved = os::realFolder(nativePath(folder));
  if (!resolved.empty()) fileTable().faults.refusedFolders.push_back(std::move(resolved));
}

void failFileOperationsFrom(int n, int errorNumber) {
  FileFaults& faults = fileTable().faults;
  if (n < 1) return;
  faults.failFrom = faults.operationCount + n;
  faults.failFromError = errorNumber;
}

void skipDiskSync(bool skip) {
  fileTable().faults.skipSync = skip;
}

void crashAtFileChange(int n, int exitCode) {
  FileFaults& faults = fileTable().faults;
  if (n < 1) return;
  faults.crashAtChange = faults.changeCount + n;
  faults.crashExitCode = exitCode;
}

int fileOperationCount() {
  return fileTable().faults.operationCount;
}

}  // namespace platform
