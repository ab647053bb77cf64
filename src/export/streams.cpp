#include "export/streams.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace exports {

namespace {

using platform::FileMode;

bool isOddByte(uint8_t byte) {
  return byte > 127 || byte < 9;
}

bool looksLikePlainText(const uint8_t* bytes, size_t count) {
  const size_t sniffed = std::min(count, kSniffSize);
  const auto odd = std::count_if(bytes, bytes + sniffed, isOddByte);
  return odd <= kMaxPlainOddBytes;
}

uint64_t littleEndian(const uint8_t* bytes, size_t count) {
  uint64_t value = 0;
  for (size_t i = count; i > 0; --i) value = (value << 8) | bytes[i - 1];
  return value;
}

// Opens under a trap: a file that cannot be opened is a 0 result, which the caller reports itself.
bool openQuietly(int fileNumber, std::string_view fileName, FileMode mode) {
  platform::ErrorTrap trap;
  return platform::openFile(fileNumber, fileName, mode) && !trap.failed();
}

int32_t openPlainText(StreamTable& table, int fileNumber, std::string_view fileName) {
  platform::closeFile(fileNumber);
  if (!openQuietly(fileNumber, fileName, FileMode::Input)) return 0;
  if (!REGISTER(table, fileNumber, StreamKey{}, OwnerBytes{}, fileName, 0, 0, 1)) {
    platform::closeFile(fileNumber);
    return 0;
  }
  table.entries[table.streamCount].length = platform::fileLength(fileNumber);
  return fileNumber;
}

// The digest is computed with bytes 1-16 taken as zero, so the file is only ever read.
bool digestMatches(const CipherState& cipher, std::string_view fileName, const uint8_t* stored) {
  std::string computed = cipher.hasher.HashFile(platform::nativePath(fileName), 0, kDigestSize);
  if (computed.empty()) computed.assign(kDigestSize, ' ');
  return computed.size() == kDigestSize && std::memcmp(computed.data(), stored, kDigestSize) == 0;
}

int32_t openEnciphered(CipherState& cipher, StreamTable& table, int fileNumber, std::string_view fileName,
                       const std::array<uint8_t, kHeaderSize>& header) {
  if (!digestMatches(cipher, fileName, header.data())) {
    platform::closeFile(fileNumber);
    return -1;
  }
  StreamKey streamKey{};
  std::copy_n(header.begin() + kStreamKeyOffset, kStreamKeySize, streamKey.begin());
  std::copy_n(header.begin() + kKeyTable73Offset, kKeyTable73Size, cipher.KeyTable73.begin());
  std::copy_n(header.begin() + kKeyTable173Offset, kKeyTable173Size, cipher.KeyTable173.begin());

  const std::string sealed(reinterpret_cast<const char*>(header.data()) + kOwnerBlockOffset, kOwnerBlockSize);
  const std::string owner = DECRYPT(cipher, sealed, streamKey, kOwnerBlockPositionByte);
  OwnerBytes ownerBlock{};
  std::copy_n(owner.begin(), kOwnerBlockSize, ownerBlock.begin());

  const auto headerWord = static_cast<uint16_t>(littleEndian(header.data() + kHeaderWordOffset, 2));
  const auto timestamp = static_cast<int64_t>(littleEndian(header.data() + kTimestampOffset, 8));
  if (!REGISTER(table, fileNumber, streamKey, ownerBlock, fileName, headerWord, timestamp, 0)) {
    platform::closeFile(fileNumber);
    return 0;
  }
  table.entries[table.streamCount].length = platform::fileLength(fileNumber);
  return fileNumber;
}

std::string readRecord(const CipherState& cipher, const StreamEntry& entry, int32_t fileNumber) {
  const int64_t position = platform::filePosition(fileNumber);
  const int64_t remaining = entry.length - position + 1;
  const auto positionWord = static_cast<int32_t>(position & 0xFFFF);
  std::array<uint8_t, 2> word{};
  if (remaining < 2) {
    // A lone last byte cannot hold a length word; step over it so the stream ends.
    platform::readBytes(fileNumber, 0, word.data(), 1);
    return {};
  }
  platform::readBytes(fileNumber, 0, word.data(), word.size());
  const auto length =
      static_cast<int64_t>(littleEndian(word.data(), 2) ^ static_cast<uint64_t>(positionWord));
  // A length word that promises more bytes than the file still holds (a damaged record) yields the
  // bytes that are there: nothing is read beyond the file, and the stream is then at its end.
  const auto count = static_cast<size_t>(std::min(length, remaining - 2));
  std::string data(count, '\0');
  if (count > 0) data.resize(platform::readBytes(fileNumber, 0, data.data(), count));
  encipherInPlace(cipher, data.data(), data.size(), entry.streamKey, positionWord);
  return data;
}

}  // namespace

int32_t OPENCRYPT(CipherState& cipher, StreamTable& table, std::string_view fileName) {
  platform::ProcedureScope scope("OPENCRYPT");
  ZORCRYPT(cipher, table);
  if (!cipher.hasher.IsCapable()) return 0;
  // The table does not grow: every reader closes its stream before it opens the next one, so a
  // full table means streams are being leaked, and opening nothing is the safe answer.
  if (table.streamCount >= kMaxStreams) return 0;
  if (!platform::fileExists(fileName)) return 0;

  int fileNumber = 0;
  {
    platform::ErrorTrap trap;
    fileNumber = platform::freeFileNumber();
    if (fileNumber <= 0 || trap.failed()) return 0;
  }
  if (!openQuietly(fileNumber, fileName, FileMode::BinaryRead)) return 0;

  std::array<uint8_t, kHeaderSize> header{};
  const size_t got = platform::readBytes(fileNumber, 1, header.data(), header.size());
  if (looksLikePlainText(header.data(), got)) return openPlainText(table, fileNumber, fileName);
  return openEnciphered(cipher, table, fileNumber, fileName, header);
}

int32_t OPENCRYPT(std::string_view fileName) {
  return OPENCRYPT(cipherState(), streamTable(), fileName);
}

bool CRYPTEOF(const StreamTable& table, int32_t fileNumber) {
  if (fileNumber < 1) return true;
  const int32_t index = FINDFILE(table, fileNumber);
  if (index == 0) return true;
  if (platform::filePosition(fileNumber) > table.entries[index].length) return true;
  // A text file also ends at a byte 26 before its last byte.
  return table.entries[index].isPlainText != 0 && platform::endOfFile(fileNumber);
}

bool CRYPTEOF(int32_t fileNumber) {
  return CRYPTEOF(streamTable(), fileNumber);
}

int64_t streamBytesLeft(int32_t fileNumber) {
  const int32_t index = fileNumber < 1 ? 0 : FINDFILE(streamTable(), fileNumber);
  if (index == 0) return 0;
  const int64_t length = streamTable().entries[index].length;
  return std::max<int64_t>(length - platform::filePosition(fileNumber) + 1, 0);
}

std::string INPUTCRYPT(const CipherState& cipher, const StreamTable& table, int32_t fileNumber) {
  platform::ProcedureScope scope("INPUTCRYPT");
  if (CRYPTEOF(table, fileNumber)) return {};
  const StreamEntry& entry = table.entries[FINDFILE(table, fileNumber)];
  if (entry.isPlainText != 0) return platform::readLine(fileNumber);
  return readRecord(cipher, entry, fileNumber);
}

std::string INPUTCRYPT(int32_t fileNumber) {
  return INPUTCRYPT(cipherState(), streamTable(), fileNumber);
}

bool isMarkerLine(std::string_view line, std::string_view marker) {
  const size_t end = line.find_last_not_of(' ');
  return line.substr(0, end == std::string_view::npos ? 0 : end + 1) == marker;
}

void FISEEK(const CipherState& cipher, const StreamTable& table, int32_t fileNumber,
            std::string_view marker) {
  while (!CRYPTEOF(table, fileNumber)) {
    if (isMarkerLine(INPUTCRYPT(cipher, table, fileNumber), marker)) return;
  }
}

void FISEEK(int32_t fileNumber, std::string_view marker) {
  FISEEK(cipherState(), streamTable(), fileNumber, marker);
}

void CLOSECRYPT(StreamTable& table, int32_t fileNumber) {
  if (FINDFILE(table, fileNumber) == 0) return;
  platform::closeFile(fileNumber);
  RELEASEFILE(table, fileNumber);
}

void CLOSECRYPT(int32_t fileNumber) {
  CLOSECRYPT(streamTable(), fileNumber);
}

}  // namespace exports
