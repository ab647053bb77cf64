#include "platform/secure_hash.h"
#include "platform/long_work.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/paths.h"

namespace platform {
namespace {

constexpr size_t kResultBytes = 16;

struct DigestContextDeleter {
  void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Fills `buffer` as far as the file allows; a short count means the end of the file.
bool readChunk(int fd, std::vector<unsigned char>& buffer, size_t& got) {
  got = 0;
  while (got < buffer.size()) {
    ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) break;
    got += static_cast<size_t>(n);
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
  return EVP_sha512() != nullptr;
}

std::string SecureHash::HashFile(std::string_view fileName, size_t zeroFrom, size_t zeroCount) const {
  if (fileName.empty() || !IsCapable()) return "";
  Descriptor file(::open(nativePath(fileName).c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return "";
#ifdef POSIX_FADV_SEQUENTIAL
  ::posix_fadvise(file.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
  std::unique_ptr<EVP_MD_CTX, DigestContextDeleter> context(EVP_MD_CTX_new());
  if (!context || EVP_DigestInit_ex(context.get(), EVP_sha512(), nullptr) != 1) return "";

  const size_t zeroEnd = zeroCount > SIZE_MAX - zeroFrom ? SIZE_MAX : zeroFrom + zeroCount;
  std::vector<unsigned char> buffer(kChunkSize);
  size_t offset = 0;
  for (;;) {
    size_t got = 0;
    if (!readChunk(file.get(), buffer, got)) return "";
    if (got == 0) break;
    // The part of [zeroFrom, zeroEnd) that falls into this chunk is hashed as zeros.
    size_t from = std::max(zeroFrom, offset);
    size_t to = std::min(zeroEnd, offset + got);
    if (from < to) std::memset(buffer.data() + (from - offset), 0, to - from);
    if (EVP_DigestUpdate(context.get(), buffer.data(), got) != 1) return "";
    offset += got;
    longWorkStep();
    if (got < buffer.size()) break;
  }
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (EVP_DigestFinal_ex(context.get(), digest, &length) != 1 || length < kResultBytes) return "";
  return std::string(reinterpret_cast<const char*>(digest), kResultBytes);
}

std::string fileDigest(std::string_view path) {
  const std::string digest = SecureHash().HashFile(path);
  return hexDigits(reinterpret_cast<const unsigned char*>(digest.data()), digest.size());
}

std::string textDigest(std::string_view text) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (EVP_Digest(text.data(), text.size(), digest, &length, EVP_sha512(), nullptr) != 1 ||
      length < kResultBytes) {
    return "";
  }
  return hexDigits(digest, kResultBytes);
}

}  // namespace platform
