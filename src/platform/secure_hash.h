// SHA-512 digests of files, from the system's crypto provider (sha512.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

class SecureHash {
 public:
  static constexpr size_t kChunkSize = 262144;

  // True when SHA-512 is available.
  bool IsCapable() const;
  // The first 16 bytes of the SHA-512 digest of the file's bytes, read in chunks of kChunkSize;
  // the bytes at 0-based offsets [zeroFrom, zeroFrom + zeroCount) are hashed as zero bytes (the file
  // itself is never written). The empty string when the file cannot be read.
  std::string HashFile(std::string_view fileName, size_t zeroFrom = 0, size_t zeroCount = 0) const;
};

// Digests for checking that a file is the one expected: HashFile of the whole file (the text's
// bytes for textDigest) in hexadecimal; "" when the file cannot be read.
std::string fileDigest(std::string_view path);
std::string textDigest(std::string_view text);

}  // namespace platform
