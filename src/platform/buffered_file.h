// The buffered file under a file number: one open file of the system, a logical position, a
// read-ahead cache and a buffer of written bytes not yet on disk. Functions return 0 or the system's
// error code of the failing call (os::ioErrorNumber); they never raise the error report (the
// file-number layer does).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/system_files.h"

namespace platform {

struct BufferedFile {
  static constexpr size_t kBufferSize = 65536;

  os::Handle handle = os::kNoHandle;
  int64_t position = 0;  // 0-based offset of the next byte read or written
  std::vector<char> cache;
  int64_t cacheStart = 0;
  size_t cacheSize = 0;
  std::vector<char> pending;
  int64_t pendingStart = 0;
  // The length of a regular file, known from its opening on and kept up to date by our own writes,
  // so that the many end-of-file checks of a long read ask nothing of the system; -1 when unknown.
  int64_t knownSize = -1;
};

// Bytes of the cache from the position on (0 when the position lies outside it).
inline size_t cachedBytesAhead(const BufferedFile& file) {
  const int64_t offset = file.position - file.cacheStart;
  if (offset < 0 || offset >= static_cast<int64_t>(file.cacheSize)) return 0;
  return file.cacheSize - static_cast<size_t>(offset);
}
inline const char* cachedData(const BufferedFile& file) {
  return file.cache.data() + (file.position - file.cacheStart);
}
// Writes out the pending bytes. They are dropped even when that fails.
int flushPending(BufferedFile& file);
// Fills the cache from the position; at the end of the file the cache is left empty.
int fillCache(BufferedFile& file);
// The next byte without consuming it; -1 at the end of the file.
int peekByte(BufferedFile& file, int& byte);
// Reads up to `count` bytes at the position; `done` is how many were read.
int readData(BufferedFile& file, char* buffer, size_t count, size_t& done);
int writeData(BufferedFile& file, const char* data, size_t count);
// The length including bytes not yet written out.
int fileSize(const BufferedFile& file, int64_t& size);
// Writes out pending bytes and closes the file.
int closeBuffered(BufferedFile& file);
// Closes the file without writing pending bytes.
void abandonBuffered(BufferedFile& file);

}  // namespace platform
