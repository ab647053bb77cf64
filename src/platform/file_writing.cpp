// Writing to numbered files, positions and lengths.
#include "platform/errors.h"
#include "platform/file_table.h"
#include "platform/files.h"

namespace platform {
namespace {}  // namespace

OpenFileEntry* writableEntryOrRaise(int fileNumber) {
  if (!beginFileOperation(true)) return nullptr;
  OpenFileEntry* entry = openEntryOrRaise(fileNumber);
  if (entry == nullptr) return nullptr;
  if (entry->mode == FileMode::Input || entry->mode == FileMode::BinaryRead) {
    raiseError(kErrBadFileMode);
    return nullptr;
  }
  return entry;
}

namespace {

bool write(OpenFileEntry& entry, std::string_view first, std::string_view second = {}) {
  int error = writeData(entry.file, first.data(), first.size());
  if (error == 0) error = writeData(entry.file, second.data(), second.size());
  if (error == 0) return true;
  raiseError(os::ioErrorNumber(error));
  return false;
}

}  // namespace

bool writeLine(int fileNumber, std::string_view text) {
  OpenFileEntry* entry = writableEntryOrRaise(fileNumber);
  return entry != nullptr && write(*entry, text, "\r\n");
}

bool writeText(int fileNumber, std::string_view text) {
  OpenFileEntry* entry = writableEntryOrRaise(fileNumber);
  return entry != nullptr && write(*entry, text);
}

bool writeBytes(int fileNumber, int64_t position, const void* data, size_t count) {
  OpenFileEntry* entry = writableEntryOrRaise(fileNumber);
  if (entry == nullptr) return false;
  if (position < 0) {
    raiseError(kErrBadRecordNumber);
    return false;
  }
  if (position > 0) entry->file.position = position - 1;
  return write(*entry, std::string_view(static_cast<const char*>(data), count));
}

bool seekFile(int fileNumber, int64_t position) {
  if (!beginFileOperation()) return false;
  OpenFileEntry* entry = openEntryOrRaise(fileNumber);
  if (entry == nullptr) return false;
  if (position < 1) {
    raiseError(kErrBadRecordNumber);
    return false;
  }
  entry->file.position = position - 1;
  return true;
}

bool flushFile(int fileNumber) {
  if (!beginFileOperation(true)) return false;
  OpenFileEntry* entry = openEntryOrRaise(fileNumber);
  if (entry == nullptr) return false;
  int error = flushPending(entry->file);
  if (error == 0 && !fileTable().faults.skipSync) error = os::syncHandle(entry->file.handle);
  if (error == 0) return true;
  raiseError(os::ioErrorNumber(error));
  return false;
}

int64_t filePosition(int fileNumber) {
  OpenFileEntry* entry = openEntryOrRaise(fileNumber);
  return entry != nullptr ? entry->file.position + 1 : 0;
}

int64_t fileLength(int fileNumber) {
  if (!beginFileOperation()) return 0;
  OpenFileEntry* entry = openEntryOrRaise(fileNumber);
  if (entry == nullptr) return 0;
  int64_t size = 0;
  if (int error = fileSize(entry->file, size)) raiseError(os::ioErrorNumber(error));
  return size;
}

}  // namespace platform
