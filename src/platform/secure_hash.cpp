#include "platform/secure_hash.h"
#include "platform/long_work.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/paths.h"
#include "platform/sha512.h"
#include "platform/system_files.h"

namespace platform {
namespace {

constexpr size_t kResultBytes = 16;

// An open file of the system, closed when it goes out of scope.
class OpenHandle {
 public:
  OpenHandle() = default;
  ~OpenHandle() {
    if (handle != os::kNoHandle) os::closeHandle(handle);
  }
  OpenHandle(const OpenHandle&) = delete;
  OpenHandle& operator=(const OpenHandle&) = delete;

  os::Handle handle = os::kNoHandle;
};

// Fills `buffer` from `offset` as far as the file allows; a short count means the end of the file.
bool readChunk(os::Handle handle, std::vector<unsigned char>& buffer, size_t offset, size_t& got) {
  got = 0;
  while (got < buffer.size()) {
    size_t n = 0;
    if (os::readAt(handle, reinterpret_cast<char*>(buffer.data()) + got, buffer.size() - got,
                   static_cast<int64_t>(offset + got), n) != 0) {
      return false;
    }
    if (n == 0) break;
    got += n;
  }
  return true;
}

std::string hexDigits(const unsigned char* bytes, size_t count) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(count * 2);
  for (size_t i = 0; i < count; ++i) {
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

}  // namespace

bool SecureHash::IsCapable() const {
  return Sha512().ready();
}

std::string SecureHash::HashFile(std::string_view fileName, size_t zeroFrom, size_t zeroCount) const {
  if (fileName.empty()) return "";
  OpenHandle file;
  int64_t size = 0;
  if (os::openHandle(nativePath(fileName), FileMode::BinaryRead, file.handle, size) != 0) return "";
  Sha512 context;
  if (!context.ready()) return "";

  const size_t zeroEnd = zeroCount > SIZE_MAX - zeroFrom ? SIZE_MAX : zeroFrom + zeroCount;
  std::vector<unsigned char> buffer(kChunkSize);
  size_t offset = 0;
  for (;;) {
    size_t got = 0;
    if (!readChunk(file.handle, buffer, offset, got)) return "";
    if (got == 0) break;
    // The part of [zeroFrom, zeroEnd) that falls into this chunk is hashed as zeros.
    size_t from = std::max(zeroFrom, offset);
    size_t to = std::min(zeroEnd, offset + got);
    if (from < to) std::memset(buffer.data() + (from - offset), 0, to - from);
    if (!context.update(buffer.data(), got)) return "";
    offset += got;
    longWorkStep();
    if (got < buffer.size()) break;
  }
  unsigned char digest[Sha512::kDigestBytes];
  if (!context.finish(digest)) return "";
  return std::string(reinterpret_cast<const char*>(digest), kResultBytes);
}

std::string fileDigest(std::string_view path) {
  const std::string digest = SecureHash().HashFile(path);
  return hexDigits(reinterpret_cast<const unsigned char*>(digest.data()), digest.size());
}

std::string textDigest(std::string_view text) {
  Sha512 context;
  unsigned char digest[Sha512::kDigestBytes];
  if (!context.update(text.data(), text.size()) || !context.finish(digest)) return "";
  return hexDigits(digest, kResultBytes);
}

}  // namespace platform
