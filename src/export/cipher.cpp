#include "export/cipher.h"

#include <algorithm>

namespace exports {

namespace {

uint8_t randomByte(CipherState& cipher) {
  return static_cast<uint8_t>(cipher.random() & 0xFF);
}

}  // namespace

CipherState& cipherState() {
  static CipherState state;
  return state;
}

void ZORCRYPT(CipherState& cipher, StreamTable& table) {
  if (cipher.cryptReady) return;
  table = StreamTable{};
  cipher.cryptReady = true;
  if (!cipher.ownerReady) ZORCRYPTUSER(cipher, kDefaultUserName);
  if (cipher.hasher.IsCapable()) {
    for (size_t i = 0; i < kKeyTable173Size; ++i) {
      cipher.KeyTable173[i] = randomByte(cipher);
      if (i < kKeyTable73Size) cipher.KeyTable73[i] = randomByte(cipher);
    }
  }
}

void ZORCRYPT() {
  ZORCRYPT(cipherState(), streamTable());
}

void ZORCRYPTUSER(CipherState& cipher, std::string_view userName) {
  const std::string_view name = userName.substr(0, kOwnerBlockSize - 1);
  std::fill(cipher.OwnerBlock.begin(), cipher.OwnerBlock.end(), static_cast<uint8_t>(' '));
  std::copy(name.begin(), name.end(), cipher.OwnerBlock.begin());
  cipher.OwnerBlock[name.size()] = '|';
  for (size_t i = name.size() + 1; i < kOwnerBlockSize; ++i) cipher.OwnerBlock[i] = randomByte(cipher);
  cipher.ownerReady = true;
}

void ZORCRYPTUSER(std::string_view userName) {
  ZORCRYPTUSER(cipherState(), userName);
}

void encipherInPlace(const CipherState& cipher, char* bytes, size_t count, const StreamKey& streamKey,
                     int32_t positionByte) {
  const uint8_t position = static_cast<uint8_t>(positionByte & 0xFF);
  // Byte j takes key bytes j mod 16, j mod 73 and j mod 173; counting them up is cheaper than dividing.
  size_t in73 = 0;
  size_t in173 = 0;
  for (size_t j = 0; j < count; ++j) {
    const uint8_t mask =
        streamKey[j % kStreamKeySize] ^ cipher.KeyTable73[in73] ^ cipher.KeyTable173[in173] ^ position;
    bytes[j] = static_cast<char>(static_cast<uint8_t>(bytes[j]) ^ mask);
    if (++in73 == kKeyTable73Size) in73 = 0;
    if (++in173 == kKeyTable173Size) in173 = 0;
  }
}

std::string ENCRYPT(const CipherState& cipher, std::string_view text, const StreamKey& streamKey,
                    int32_t positionByte) {
  std::string out(text);
  encipherInPlace(cipher, out.data(), out.size(), streamKey, positionByte);
  return out;
}

std::string ENCRYPT(std::string_view text, const StreamKey& streamKey, int32_t positionByte) {
  return ENCRYPT(cipherState(), text, streamKey, positionByte);
}

std::string DECRYPT(const CipherState& cipher, std::string_view text, const StreamKey& streamKey,
                    int32_t positionByte) {
  return ENCRYPT(cipher, text, streamKey, positionByte);
}

std::string DECRYPT(std::string_view text, const StreamKey& streamKey, int32_t positionByte) {
  return DECRYPT(cipherState(), text, streamKey, positionByte);
}

}  // namespace exports
