#include "platform/buffered_file.h"

#include <algorithm>
#include <cstring>

namespace platform {

int flushPending(BufferedFile& file) {
  if (file.pending.empty()) return 0;
  int error = os::writeAt(file.handle, file.pending.data(), file.pending.size(), file.pendingStart);
  file.pending.clear();
  if (error != 0) file.knownSize = -1;  // what reached the disk is unknown now
  return error;
}

int fillCache(BufferedFile& file) {
  if (int error = flushPending(file)) return error;
  if (file.cache.size() < BufferedFile::kBufferSize) file.cache.resize(BufferedFile::kBufferSize);
  file.cacheStart = file.position;
  file.cacheSize = 0;
  return os::readAt(file.handle, file.cache.data(), file.cache.size(), file.position, file.cacheSize);
}

int peekByte(BufferedFile& file, int& byte) {
  byte = -1;
  if (cachedBytesAhead(file) == 0) {
    if (int error = fillCache(file)) return error;
    if (file.cacheSize == 0) return 0;
  }
  byte = static_cast<unsigned char>(*cachedData(file));
  return 0;
}

int readData(BufferedFile& file, char* buffer, size_t count, size_t& done) {
  done = 0;
  if (int error = flushPending(file)) return error;
  while (done < count) {
    size_t ahead = cachedBytesAhead(file);
    if (ahead > 0) {
      size_t take = std::min(ahead, count - done);
      std::memcpy(buffer + done, cachedData(file), take);
      done += take;
      file.position += static_cast<int64_t>(take);
      continue;
    }
    if (count - done >= BufferedFile::kBufferSize) {
      size_t got = 0;
      if (int error = os::readAt(file.handle, buffer + done, count - done, file.position, got)) return error;
      if (got == 0) break;
      done += got;
      file.position += static_cast<int64_t>(got);
      continue;
    }
    if (int error = fillCache(file)) return error;
    if (file.cacheSize == 0) break;
  }
  return 0;
}

int writeData(BufferedFile& file, const char* data, size_t count) {
  file.cacheSize = 0;
  if (count == 0) return 0;
  if (!file.pending.empty() &&
      file.position != file.pendingStart + static_cast<int64_t>(file.pending.size())) {
    if (int error = flushPending(file)) return error;
  }
  if (file.pending.empty()) file.pendingStart = file.position;
  if (file.pending.size() + count > BufferedFile::kBufferSize) {
    if (int error = flushPending(file)) return error;
    file.pendingStart = file.position;
  }
  if (count >= BufferedFile::kBufferSize) {
    if (int error = os::writeAt(file.handle, data, count, file.position)) {
      file.knownSize = -1;
      return error;
    }
  } else {
    file.pending.insert(file.pending.end(), data, data + count);
  }
  file.position += static_cast<int64_t>(count);
  if (file.knownSize >= 0) file.knownSize = std::max(file.knownSize, file.position);
  return 0;
}

int fileSize(const BufferedFile& file, int64_t& size) {
  size = 0;
  if (file.knownSize >= 0) {
    size = file.knownSize;
    return 0;
  }
  if (int error = os::handleSize(file.handle, size)) return error;
  if (!file.pending.empty()) {
    size = std::max<int64_t>(size, file.pendingStart + static_cast<int64_t>(file.pending.size()));
  }
  return 0;
}

int closeBuffered(BufferedFile& file) {
  int error = flushPending(file);
  const int closeError = os::closeHandle(file.handle);
  if (error == 0) error = closeError;
  file = BufferedFile{};
  return error;
}

void abandonBuffered(BufferedFile& file) {
  os::closeHandle(file.handle);
  file = BufferedFile{};
}

}  // namespace platform
