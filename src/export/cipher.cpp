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

std::string ENCRYPT(const CipherState& cipher, std::string_view text, const StreamKey& streamKey,
                    int32_t positionByte) {
  const uint8_t position = static_cast<uint8_t>(positionByte & 0xFF);
  std::string out(text.size(), '\0');
  for (size_t j = 0; j < text.size(); ++j) {
    const uint8_t mask = streamKey[j % kStreamKeySize] ^ cipher.KeyTable73[j % kKeyTable73Size] ^
                         cipher.KeyTable173[j % kKeyTable173Size] ^ position;
    out[j] = static_cast<char>(static_cast<uint8_t>(text[j]) ^ mask);
  }
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
