#include "platform/secure_hash.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <openssl/sha.h>
#endif

#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "platform/sha512.h"
#include "platform_test_support.h"

namespace {

std::string hex(const std::string& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char byte : bytes) {
    out.push_back(kDigits[byte >> 4]);
    out.push_back(kDigits[byte & 15]);
  }
  return out;
}

// The first 16 bytes of SHA-512 over `bytes`, computed in one piece: by OpenSSL where the build
// has it, by the system's provider in one call on Windows (KnownDigests checks that one).
std::string expectedHash(const std::string& bytes) {
  unsigned char digest[64];
#ifdef _WIN32
  platform::Sha512 onePiece;
  if (!onePiece.update(bytes.data(), bytes.size()) || !onePiece.finish(digest)) return "no digest";
#else
  SHA512(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), digest);
#endif
  return std::string(reinterpret_cast<const char*>(digest), 16);
}

std::string patterned(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
  return bytes;
}

class SecureHashTest : public ::testing::Test {
 protected:
  std::string write(const std::string& name, const std::string& bytes) {
    std::string path = folder / name;
    platform_test::writeBytesTo(path, bytes);
    return path;
  }

  platform_test::TempFolder folder;
  platform::SecureHash hasher;
};

TEST_F(SecureHashTest, IsCapable) {
  EXPECT_TRUE(hasher.IsCapable());
}

TEST_F(SecureHashTest, KnownDigests) {
  EXPECT_EQ(hex(hasher.HashFile(write("abc.txt", "abc"))), "ddaf35a193617abacc417349ae204131");
  EXPECT_EQ(hex(hasher.HashFile(write("empty.txt", ""))), "cf83e1357eefb8bdf1542850d66d8007");
}

TEST_F(SecureHashTest, ZeroRangeIsHashedAsZerosAndTheFileStaysAsItWas) {
  std::string bytes = patterned(1000);
  std::string path = write("export.zor", bytes);
  std::string zeroed = bytes;
  std::fill(zeroed.begin(), zeroed.begin() + 16, '\0');
  EXPECT_EQ(hasher.HashFile(path, 0, 16), expectedHash(zeroed));
  EXPECT_NE(hasher.HashFile(path, 0, 16), hasher.HashFile(path));
  EXPECT_EQ(platform_test::readBytesFrom(path), bytes);
}

// A file of `size` patterned bytes hashed with the range [start, start + length) read as zeros.
struct RangeCase {
  const char* what;
  size_t size;
  size_t start;
  size_t length;
};

TEST_F(SecureHashTest, FilesAndRangesOfEverySizeMatchTheOnePieceDigest) {
  const size_t chunk = platform::SecureHash::kChunkSize;
  const RangeCase cases[] = {
      {"exactly one chunk, no range", chunk, 0, 0},
      {"several chunks, no range", 2 * chunk + 12345, 0, 0},
      {"a range across the border of two chunks", 2 * chunk + 12345, chunk - 100, 200},
      {"a range reaching beyond the end", 100, 90, SIZE_MAX},
      {"a range beyond the end", 100, 500, 16},
  };
  for (const RangeCase& range : cases) {
    SCOPED_TRACE(range.what);
    const std::string bytes = patterned(range.size);
    std::string zeroed = bytes;
    const size_t first = std::min(range.start, bytes.size());
    const size_t last = range.length > bytes.size() - first ? bytes.size() : first + range.length;
    std::fill(zeroed.begin() + first, zeroed.begin() + last, '\0');
    const std::string path = write("file.bin", bytes);
    EXPECT_EQ(hasher.HashFile(path, range.start, range.length), expectedHash(zeroed));
  }
}

TEST_F(SecureHashTest, UnreadableFilesGiveTheEmptyString) {
  EXPECT_EQ(hasher.HashFile(folder / "missing.zor"), "");
  EXPECT_EQ(hasher.HashFile(folder.path().string()), "");
  EXPECT_EQ(hasher.HashFile(""), "");
}

TEST_F(SecureHashTest, FileNamesResolveWithoutRegardToCase) {
  write("Export.ZOR", "abc");
  EXPECT_EQ(hex(hasher.HashFile(folder.path().string() + "\\EXPORT.zor")),
            "ddaf35a193617abacc417349ae204131");
}

}  // namespace
