// The cipher of enciphered export streams and the process-wide cipher state: the key tables of the
// most recently opened enciphered file, the owner block a writer would use and the hasher.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "export/stream_table.h"
#include "platform/secure_hash.h"

namespace exports {

inline constexpr size_t kKeyTable73Size = 73;
inline constexpr size_t kKeyTable173Size = 173;
inline constexpr std::string_view kDefaultUserName = "Default User";

struct CipherState {
  std::array<uint8_t, kKeyTable73Size> KeyTable73{};
  std::array<uint8_t, kKeyTable173Size> KeyTable173{};
  OwnerBytes OwnerBlock{};
  bool cryptReady = false;
  bool ownerReady = false;
  platform::SecureHash hasher;
  // Fills the key tables and the tail of the owner block, which only matter to a writer of streams
  // (reading replaces the tables with the file's own), so a fixed seed is enough.
  std::mt19937 random{0x5A4F52u};
};

CipherState& cipherState();

// Initialises the layer once (empties the stream table, builds the default owner block, draws key
// tables); later calls do nothing.
void ZORCRYPT(CipherState& cipher, StreamTable& table);
void ZORCRYPT();
// OwnerBlock becomes the user name (cut to 99 bytes so that the separator fits), "|", then
// pseudo-random bytes up to 100 bytes in all.
void ZORCRYPTUSER(CipherState& cipher, std::string_view userName);
void ZORCRYPTUSER(std::string_view userName);

// The stream cipher, its own inverse: byte j becomes
//   in[j] ^ key[j % 16] ^ KeyTable73[j % 73] ^ KeyTable173[j % 173] ^ (positionByte & 0xFF),
// the cycles starting again at every call. encipherInPlace applies it to bytes where they lie.
void encipherInPlace(const CipherState& cipher, char* bytes, size_t count, const StreamKey& streamKey,
                     int32_t positionByte);
std::string ENCRYPT(const CipherState& cipher, std::string_view text, const StreamKey& streamKey,
                    int32_t positionByte);
std::string ENCRYPT(std::string_view text, const StreamKey& streamKey, int32_t positionByte);
std::string DECRYPT(const CipherState& cipher, std::string_view text, const StreamKey& streamKey,
                    int32_t positionByte);
std::string DECRYPT(std::string_view text, const StreamKey& streamKey, int32_t positionByte);

}  // namespace exports
